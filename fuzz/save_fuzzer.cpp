// libFuzzer entry: reads any bytes as a saved game, as loading a save file does. A save the
// loader accepts is installed and played for a few ticks (with the autopilot's memory too), so
// a file that passes every check must also leave a game the tick can run.
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/autopilot.h"
#include "app/frame_tick.h"
#include "dialog/evolution.h"
#include "game/game_clock.h"
#include "platform/time_source.h"
#include "save/saved_game.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Script comments and load notes would drown libFuzzer's own report.
  if (!std::freopen("/dev/null", "w", stdout)) return 1;
  SetManualTime(0);
  StartGameClock();
  BuildEvolutionDialog();
  AddAutopilotSaveSection();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    InstallSavedGame(ReadSavedGame(text));
  } catch (const cSaveError&) {
    return 0;
  }
  for (uint32_t step = 1; step <= 3; ++step) {
    SetManualTime(step * 21);
    RunTick(800, 400);
    AutopilotStep();
  }
  return 0;
}
