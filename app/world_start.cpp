// The one place that resets the game's state for a world and builds one.
#include "app/world_start.h"

#include <cstdio>

#include "app/frame_rest.h"
#include "app/input.h"
#include "app/world_setup.h"
#include "dialog/evolution.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_config.h"
#include "game/game_state.h"
#include "game/random.h"
#include "platform/time_source.h"
#include "render/notices.h"
#include "script/game_scripts.h"
#include "world/geometry.h"
#include "world/script_hooks.h"
#include "world/world.h"

// The configuration read refills the settings, the camera's limits and view mode, the day clock
// and the species table; the rest of the camera goes back to its start-up values here.
void ForgetWorld() {
  const int window = gGameState.mainWindow;
  ResetGameState();  // clock, pause, speed, tick timing, nest building, hover, first frame
  gGameState.mainWindow = window;
  ResetWorld();
  ResetSimulationGlobals();
  ResetEvolution();
  ResetNotices();
  ForgetPresses();
  gCamera = cCamera{};
  gConfig = cGameConfig{};
  curved_horizon = false;
  RequestFrame();
}

void StartWorld(uint32_t seed) {
  ForgetWorld();
  SetWorldSeed(seed);
  SeedRandom(seed);
  StartGameClock();
  InitGameScripts();
  BuildWorld(*gWorld);
  CaptureEvolutionBase(gWorld->GetAvatar());
}

void PrintWorldSeed(uint32_t seed, bool freshLine) {
  std::printf("%sseed: %u\n", freshLine ? "\n" : "", seed);
  std::fflush(stdout);
}

uint32_t FreshWorldSeed() {
  const uint32_t seed = TimeGetTime();
  return seed == WorldSeed() ? seed + 1 : seed;
}
