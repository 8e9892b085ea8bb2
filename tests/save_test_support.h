// The shipped data's game run in the test process as zoma-sim runs it (the simulated clock, the
// frame's tick schedule, the autopilot if asked), with every process-wide state reset before it
// starts or loads, so that a game and its reloaded copy can be compared byte for byte.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "app/autopilot.h"
#include "save/saved_game.h"
#include "tests/world_test_support.h"
#include "tools/lab/seed_run.h"

class cShippedGame {
 public:
  cShippedGame() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(ZOMA_SOURCE_DIR "/data");
  }
  ~cShippedGame() {
    std::filesystem::current_path(previous_);
    UseRealTime();
  }

  // A new game of `seed`, or with `load` the save at that path instead. False after a message.
  bool Start(uint32_t seed, bool autopilot, const std::string& load = "") {
    ResetProcess();
    autopilot_ = autopilot;
    cRunOptions options;
    options.seed = seed;
    options.autopilot = autopilot;
    options.load = load;
    return StartSeedGame(options);
  }
  void Ticks(long count) {
    for (long i = 0; i < count; ++i) Tick();
  }
  // Ticks until `reached` holds after a tick; false when it never did within `most` ticks.
  template <typename Condition>
  bool TickUntil(Condition reached, long most) {
    for (long i = 0; i < most; ++i) {
      Tick();
      if (reached()) return true;
    }
    return false;
  }

 private:
  void Tick() {
    while (!StepSeedGame(nowMs_)) {
    }
    if (autopilot_) AutopilotStep();
  }
  void ResetProcess() {
    world_test::ResetSimulation();
    ResetAutopilot();
    gNumCrittersOverride.reset();
    gPlayedData = cPlayedData{};
    nowMs_ = 0;
  }

  std::filesystem::path previous_;
  bool autopilot_ = false;
  uint64_t nowMs_ = 0;
};

// Where two save texts first differ, with a little of each around it: the whole of a save is far
// too long for a failure message.
inline std::string FirstDifference(const std::string& a, const std::string& b) {
  size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  if (at == a.size() && at == b.size()) return "";
  const size_t from = at > 60 ? at - 60 : 0;
  return "byte " + std::to_string(at) + ":\n  " + a.substr(from, 120) + "\n  " + b.substr(from, 120);
}

inline void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}
