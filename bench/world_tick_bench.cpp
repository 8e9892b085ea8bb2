// Cost of one world tick on a seeded sample world (lakes, ridges, three species, 500 plants,
// the avatar on its nest) with 10 to 10000 critters, after a warm-up that lets neighbour lists
// and plant memories fill. Game time advances 21 ms per tick, as in play.
#include <benchmark/benchmark.h>

#include "tests/world_test_support.h"
#include "world/world_tick.h"

namespace {
constexpr uint32_t kSeed = 20240601;
constexpr uint32_t kTickMs = 21;
constexpr int kWarmUpTicks = 200;

void BM_WorldTick(benchmark::State& state) {
  world_test::BuildSampleWorld(kSeed, static_cast<int>(state.range(0)));
  uint32_t now = 0;
  for (int i = 0; i < kWarmUpTicks; ++i) {
    world_test::SetGameTime(now += kTickMs);
    WorldTick();
  }
  for (auto _ : state) {
    world_test::SetGameTime(now += kTickMs);
    WorldTick();
  }
  state.counters["critters"] = static_cast<double>(state.range(0));
  state.counters["ticks/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WorldTick)->Arg(10)->Arg(40)->Arg(100)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
