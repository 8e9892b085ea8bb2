// What x8 costs: the unpaused frame's ticks at x8 on the shipped data/ (its ZOMA.ini, its
// scripts, its 40 critters) and with 10 to 10000 critters, frames 21 ms apart, so each frame
// runs 8 ticks. x8 asks for 8 x 1000 / 21 = 381 ticks a second: "core share" is the part of one
// core those ticks take (above 1, the machine cannot keep up and the per-frame cap slows the game).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "app/frame_tick.h"
#include "app/game_speed.h"
#include "app/world_start.h"
#include "tests/flat_window.h"
#include "tests/world_test_support.h"

namespace {
constexpr uint32_t kSeed = 20240601;
constexpr uint32_t kFrameMs = 21;
constexpr int kWarmUpFrames = 25;
constexpr double kX8TicksPerSecond = 8 * 1000.0 / kFrameMs;

cFlatWindow gWindow;

void BM_FrameAtX8(benchmark::State& state) {
  if (chdir(ZOMA_SOURCE_DIR "/data") != 0) {
    state.SkipWithError("cannot enter data/");
    return;
  }
  if (state.range(0) >= 0) gNumCrittersOverride = static_cast<int>(state.range(0));
  SetInputWindow(&gWindow);
  OnMouseMove(400, 300);
  uint32_t now = 0;
  SetManualTime(now);
  StartWorld(kSeed);
  SetGameSpeed(8);
  for (int i = 0; i < kWarmUpFrames; ++i) {
    SetManualTime(now += kFrameMs);
    AdvanceUnpausedFrame(800, 400);
  }
  long ticks = 0;
  for (auto _ : state) {
    SetManualTime(now += kFrameMs);
    ticks += AdvanceUnpausedFrame(800, 400);
  }
  state.counters["critters"] = static_cast<double>(gWorld->critters.size());
  state.counters["ticks/s"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
  state.counters["core share"] =
      benchmark::Counter(static_cast<double>(ticks) / kX8TicksPerSecond, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  gNumCrittersOverride.reset();
}
// -1: the shipped num_critters.
BENCHMARK(BM_FrameAtX8)->Arg(-1)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
