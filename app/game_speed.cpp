// Game speed: the held clock, the owed game time turned into ticks, the cap, and the paused step.
#include "app/game_speed.h"

#include "app/frame_tick.h"
#include "game/game_clock.h"
#include "game/game_state.h"

namespace {
bool IsGameSpeed(int speed) { return speed == 1 || speed == 2 || speed == 4 || speed == 8; }

// As at x1, the first unpaused frame only starts the tick clock.
bool StartTickClock() {
  if (gGameState.tickClockStarted) return false;
  gGameState.tickClockStarted = true;
  gGameState.lastTickMs = GameTime();
  return true;
}

void StepAndTick(int windowWidth, std::optional<int> pointerX) {
  StepGameClock(kTickStepMs);
  CancelNestBuildingAndSteer();
  RunTick(windowWidth, pointerX);
}

int RunSteppedTicks(int windowWidth, std::optional<int> pointerX) {
  const uint64_t owed = gGameState.owedTickMs + static_cast<uint64_t>(TakeHeldClockTime()) * gGameState.speed;
  if (StartTickClock()) {
    gGameState.owedTickMs = 0;
    return 0;
  }
  const uint64_t due = owed / kTickStepMs;
  const int ticks = due < kMostTicksPerFrame ? static_cast<int>(due) : kMostTicksPerFrame;
  // Past the cap the rest is dropped, not kept: it would only grow.
  gGameState.owedTickMs = static_cast<uint32_t>(owed % kTickStepMs);
  for (int i = 0; i < ticks; ++i) StepAndTick(windowWidth, pointerX);
  return ticks;
}
}  // namespace

void SetGameSpeed(int speed) {
  if (!IsGameSpeed(speed) || speed == gGameState.speed) return;
  if (speed == 1) {
    ReleaseGameClock();
  } else if (!GameClockHeld()) {
    HoldGameClock();
  }
  gGameState.speed = speed;
  gGameState.owedTickMs = 0;
}

int GameSpeed() { return gGameState.speed; }

int RunDueTicks(int windowWidth, std::optional<int> pointerX) {
  if (gGameState.speed > 1) return RunSteppedTicks(windowWidth, pointerX);
  CancelNestBuildingAndSteer();
  return TickIfDue(windowWidth, pointerX) ? 1 : 0;
}

bool StepOnePausedTick(int windowWidth, std::optional<int> pointerX) {
  if (!gGameState.paused) return false;
  gGameState.tickClockStarted = true;
  StepAndTick(windowWidth, pointerX);
  return true;
}
