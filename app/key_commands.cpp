// The keyboard: one table of the game's keys (view, zoom, pause, speed, commands, a new world,
// help and the population graph), and the up-arrow nudge of the view centre.
#include <cctype>
#include <cmath>

#include "app/frame_tick.h"
#include "app/game_speed.h"
#include "app/input.h"
#include "app/save_commands.h"
#include "app/world_start.h"
#include "dialog/evolution.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "platform/time_source.h"
#include "render/notices.h"
#include "render/population_graph.h"
#include "render/view_state.h"
#include "world/geometry.h"
#include "world/script_hooks.h"
#include "world/world.h"

namespace {
constexpr float kFieldOfViewStep = 5.0f;
constexpr float kNarrowestFieldOfView = 20.0f;
constexpr float kWidestFieldOfView = 120.0f;
constexpr float kFollowViewPitch = 45.0f;

void WidenFieldOfView() {
  gCamera.fieldOfView += kFieldOfViewStep;
  if (gCamera.fieldOfView > kWidestFieldOfView) gCamera.fieldOfView = kWidestFieldOfView;
}

void NarrowFieldOfView() {
  gCamera.fieldOfView -= kFieldOfViewStep;
  if (gCamera.fieldOfView < kNarrowestFieldOfView) gCamera.fieldOfView = kNarrowestFieldOfView;
}

void ToggleFollowView() {
  gCamera.iso_cam = !gCamera.iso_cam;
  if (gCamera.iso_cam) gCamera.pitch = kFollowViewPitch;
}

void ToggleFreeZoom() { gGameState.freeZoom = !gGameState.freeZoom; }
void ToggleCurvedHorizon() { curved_horizon = !curved_horizon; }
void KillAvatar() { gWorld->GetAvatar()->health = 0.0f; }

void TogglePause() {
  if (gGameState.paused) {
    ResumeGame();
  } else {
    PauseGame();
  }
}

// The same two steps as at the start of a new day.
void EvolveSpeciesNow() {
  EvolveAllSpecies();
  gWorld->RefreshCritterStats();
}

void PlayAtSpeed1() { SetGameSpeed(1); }
void PlayAtSpeed2() { SetGameSpeed(2); }
void PlayAtSpeed4() { SetGameSpeed(4); }
void PlayAtSpeed8() { SetGameSpeed(8); }

// The hovered object follows the tick, as after an unpaused frame.
void StepOneTick() {
  if (StepOnePausedTick(InputWindowWidth(), EdgeScrollPointerX())) UpdateHoveredObject(GroundUnderPointer());
}

// The first N asks; a second within three seconds replaces the world.
void AskForNewWorld() {
  if (!AnswerNewWorldKey(TimeGetTime())) return;
  const uint32_t seed = FreshWorldSeed();
  PrintWorldSeed(seed, true);
  StartWorld(seed);
}

constexpr unsigned char kEscape = 27;

struct cKeyBinding {
  unsigned char key;  // letters in upper case; they act in either case
  void (*action)();
};

const cKeyBinding kKeyBindings[] = {
    {'+', WidenFieldOfView},    {'=', WidenFieldOfView}, {'-', NarrowFieldOfView},
    {'C', ToggleFollowView},    {'D', ToggleFreeZoom},   {'E', OpenEvolutionDialog},
    {'F', ToggleCurvedHorizon}, {'K', KillAvatar},       {'M', BuildNest},
    {'P', TogglePause},         {'T', EvolveSpeciesNow},
    // Beyond the game's own keys: the help overlay, the population graph, the speed, a new world.
    {'H', ToggleHelp},          {kEscape, CloseHelp},    {'G', TogglePopulationGraph},
    {'1', PlayAtSpeed1},        {'2', PlayAtSpeed2},     {'3', PlayAtSpeed4},
    {'4', PlayAtSpeed8},        {'.', StepOneTick},      {'N', AskForNewWorld},
};
}  // namespace

void OnKeyboard(unsigned char key, int, int) {
  const auto upper = static_cast<unsigned char>(std::toupper(key));
  for (const cKeyBinding& binding : kKeyBindings) {
    if (binding.key == upper) binding.action();
  }
}

// F1 is help, F5 saves and F9 loads. Up moves the view centre one unit along the camera's ground direction; the next
// scene draw puts it back on the avatar, so the nudge never shows.
void OnSpecialKey(int key, int, int) {
  if (key == kSpecialKeyF1) ToggleHelp();
  if (key == kSpecialKeyF5) QuickSave();
  if (key == kSpecialKeyF9) QuickLoad();
  if (key != kSpecialKeyUp) return;
  const float yaw = gCamera.yaw * 0.01745328f;
  view_centre.x += std::sin(yaw);
  view_centre.z -= std::cos(yaw);
}
