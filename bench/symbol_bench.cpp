// Compiling a script of many distinct names: every name is looked up in the symbol table once,
// so this shows how the lookup grows with the table (names per second for 5000 to 40000 names).
// Compiling a comment with one long run of letters: the scan should take time in proportion to
// the run (characters per second for runs of 4000 to 16000).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "script/bound_names.h"
#include "script/script_parser.h"
#include "script/script_symbols.h"

namespace {
// "n0 = 1 n1 = 1 ...": each statement names one new symbol.
std::string DistinctNames(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "n" + std::to_string(i) + " = 1\n";
  return text;
}

void CompileDistinctNames(benchmark::State& state) {
  const std::string text = DistinctNames(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ResetScriptSymbols();
    RegisterBoundScriptNames();
    cScriptProgram program;
    benchmark::DoNotOptimize(ParseScript(text.c_str(), program));
  }
  state.counters["names/s"] = benchmark::Counter(static_cast<double>(state.range(0)) * state.iterations(),
                                                 benchmark::Counter::kIsRate);
  ResetScriptSymbols();
}
BENCHMARK(CompileDistinctNames)->Arg(5000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

void CompileLongCommentRun(benchmark::State& state) {
  const std::string text = "#" + std::string(static_cast<size_t>(state.range(0)), 'c') + "\nx = 1\n";
  std::FILE* const saved = stdout;
  stdout = std::fopen("/dev/null", "w");  // the comment's echo
  for (auto _ : state) {
    cScriptProgram program;
    benchmark::DoNotOptimize(ParseScript(text.c_str(), program));
  }
  std::fclose(stdout);
  stdout = saved;
  state.counters["chars/s"] = benchmark::Counter(static_cast<double>(state.range(0)) * state.iterations(),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(CompileLongCommentRun)->Arg(4000)->Arg(8000)->Arg(16000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
