// libFuzzer entry: compiles any text as a behaviour script, as the game compiles a script file,
// and runs it once over a frame sized for every symbol.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "game/random.h"
#include "script/bound_names.h"
#include "script/script_evaluator.h"
#include "script/script_parser.h"
#include "script/script_symbols.h"

namespace {
// A name or number longer than 16382 characters deliberately ends the process (the scanner's
// fatal error); shorter inputs cannot hold one.
constexpr size_t kLongestInput = 16382;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Parse errors and comment echo would drown libFuzzer's own report.
  return std::freopen("/dev/null", "w", stdout) ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kLongestInput) return 0;
  // As from a file: a NUL byte ends the script.
  const std::string text(reinterpret_cast<const char*>(data), size);
  ResetScriptSymbols();
  RegisterBoundScriptNames();
  SeedRandom(1);  // RAND steers ifs: the same input must take the same path
  cScriptProgram program;
  ParseScript(text.c_str(), program);
  std::vector<float> slots(ScriptFrameSize(), 0.0f);
  cScriptEvaluator().Run(program, slots);
  return 0;
}
