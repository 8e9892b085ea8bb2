// Cost of saving and loading a game: the save's text (every object written as JSON), the whole
// file written atomically and flushed to disk, and a save's text read back checked, on the
// seeded sample world (500 plants, the avatar on its nest) with 40 critters (the shipped game's
// size) to 10000 (the most the game takes), after a warm-up that fills neighbour lists and plant
// memories. The shipped game's save must never be a pause a player can see.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "save/save_files.h"
#include "tests/world_test_support.h"
#include "world/world_tick.h"

namespace {
constexpr uint32_t kSeed = 20240601;
constexpr int kWarmUpTicks = 200;

void BuildWarmWorld(int critters) {
  world_test::BuildSampleWorld(kSeed, critters);
  gConfig.num_species = static_cast<int>(gSpeciesTable.size());
  uint32_t now = 0;
  for (int i = 0; i < kWarmUpTicks; ++i) {
    world_test::SetGameTime(now += 21);
    WorldTick();
  }
}

void Report(benchmark::State& state, size_t bytes) {
  state.counters["critters"] = static_cast<double>(state.range(0));
  state.counters["KiB"] = static_cast<double>(bytes) / 1024.0;
}

void BM_SaveText(benchmark::State& state) {
  BuildWarmWorld(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) bytes = SaveGameText().size();
  Report(state, bytes);
}

void BM_SaveFile(benchmark::State& state) {
  BuildWarmWorld(static_cast<int>(state.range(0)));
  char pattern[] = "/tmp/zoma_save_bench_XXXXXX";
  const std::string folder = mkdtemp(pattern);
  for (auto _ : state) {
    if (SaveGameTo(folder + "/bench.json")) state.SkipWithError("the save could not be written");
  }
  Report(state, std::filesystem::file_size(folder + "/bench.json"));
  std::filesystem::remove_all(folder);
}

void BM_LoadText(benchmark::State& state) {
  BuildWarmWorld(static_cast<int>(state.range(0)));
  const std::string text = SaveGameText();
  for (auto _ : state) benchmark::DoNotOptimize(ReadSavedGame(text));
  Report(state, text.size());
}

BENCHMARK(BM_SaveText)->Arg(40)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile)->Arg(40)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadText)->Arg(40)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
