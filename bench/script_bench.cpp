// Behaviour-script speed: the shipped combat and avatar-motives scripts run through their game
// hooks as in play (lowered code over a frame kept between runs, is_day as the tick set it), and
// start-up compilation of all seven. Reports runs per second and listed instructions per second
// (skipped branches included). script_lua_bench adds the same rules in Lua 5.4 when installed.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "game/random.h"
#include "script/game_scripts.h"
#include "world/objects.h"
#include "world/script_hooks.h"

namespace {
// The shipped scripts, found from this file's place in the source tree.
const std::filesystem::path kDataDir = std::filesystem::path(__FILE__).parent_path().parent_path() / "data";

// Compiles as at start-up, with the comment echo sent to /dev/null so the figures stay readable.
void CompileShippedScripts() {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(kDataDir);
  std::fflush(stdout);
  const int savedStdout = dup(STDOUT_FILENO);
  const int devNull = open("/dev/null", O_WRONLY);
  dup2(devNull, STDOUT_FILENO);
  InitGameScripts();
  std::fflush(stdout);
  dup2(savedStdout, STDOUT_FILENO);
  close(devNull);
  close(savedStdout);
  std::filesystem::current_path(previous);
}

cKeltoGameCritter Fighter(float attack, float defend) {
  cKeltoGameCritter critter;
  critter.attack = attack;
  critter.defend = defend;
  critter.speed = 3.0f;
  return critter;
}

void ReportRates(benchmark::State& state, eGameScript script) {
  const double runs = static_cast<double>(state.iterations());
  state.counters["runs/s"] = benchmark::Counter(runs, benchmark::Counter::kIsRate);
  state.counters["instructions/s"] =
      benchmark::Counter(runs * GameScriptProgram(script).Size(), benchmark::Counter::kIsRate);
}

void CombatHook(benchmark::State& state) {
  CompileShippedScripts();
  SeedRandom(1);
  cKeltoGameCritter attacker = Fighter(60, 40), defender = Fighter(55, 45);
  for (auto _ : state) {
    defender.health = 100.0f;  // keep every blow a blow at a living critter
    RunCombatScript(&attacker, &defender);
    benchmark::DoNotOptimize(defender.health);
  }
  ReportRates(state, eGameScript::kCombat);
}
BENCHMARK(CombatHook);

void AvatarMotivesHook(benchmark::State& state) {
  CompileShippedScripts();
  cKeltoGameCritter avatar = Fighter(60, 40);
  for (auto _ : state) {
    avatar.hunger = 60.0f;
    RunAvatarMotivesScript(&avatar, 500);
    benchmark::DoNotOptimize(avatar.energy);
  }
  ReportRates(state, eGameScript::kAvatarMotives);
}
BENCHMARK(AvatarMotivesHook);

void CompileAllScripts(benchmark::State& state) {
  for (auto _ : state) CompileShippedScripts();
}
BENCHMARK(CompileAllScripts);
}  // namespace

BENCHMARK_MAIN();
