// Game time = time source + (frozen - base) while it follows the time source; frozen while
// paused or held. While held, base marks how much of the time source has been taken.
#include "game/game_clock.h"

#include "game/game_state.h"
#include "platform/time_source.h"

namespace {
bool FollowsTimeSource() { return !gGameState.paused && !gGameState.clockHeld; }
}  // namespace

void StartGameClock() {
  gGameState.clockFrozenMs = 0;
  gGameState.clockBaseMs = TimeGetTime();
  gGameState.clockHeld = false;
}

uint32_t GameTime() {
  if (!FollowsTimeSource()) return gGameState.clockFrozenMs;
  return TimeGetTime() + (gGameState.clockFrozenMs - gGameState.clockBaseMs);
}

void PauseGame() {
  if (FollowsTimeSource()) gGameState.clockFrozenMs += TimeGetTime() - gGameState.clockBaseMs;
  gGameState.paused = 1;
}

void SetGameTime(uint32_t ms, bool paused) {
  gGameState.clockFrozenMs = ms;
  gGameState.clockBaseMs = TimeGetTime();
  gGameState.paused = paused ? 1 : 0;
}

void ResumeGame() {
  gGameState.clockBaseMs = TimeGetTime();
  gGameState.paused = 0;
}

void HoldGameClock() {
  gGameState.clockFrozenMs = GameTime();
  gGameState.clockBaseMs = TimeGetTime();
  gGameState.clockHeld = true;
}

void ReleaseGameClock() {
  gGameState.clockBaseMs = TimeGetTime();
  gGameState.clockHeld = false;
}

bool GameClockHeld() { return gGameState.clockHeld; }

void StepGameClock(uint32_t ms) { gGameState.clockFrozenMs += ms; }

uint32_t TakeHeldClockTime() {
  if (gGameState.paused || !gGameState.clockHeld) return 0;
  const uint32_t now = TimeGetTime();
  const uint32_t taken = now - gGameState.clockBaseMs;
  gGameState.clockBaseMs = now;
  return taken;
}
