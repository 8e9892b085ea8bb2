// Game time = time source + (frozen - base), frozen while paused.
#include "game/game_clock.h"

#include "game/game_state.h"
#include "platform/time_source.h"

void StartGameClock() {
  gGameState.clockFrozenMs = 0;
  gGameState.clockBaseMs = TimeGetTime();
}

uint32_t GameTime() {
  if (gGameState.paused) return gGameState.clockFrozenMs;
  return TimeGetTime() + (gGameState.clockFrozenMs - gGameState.clockBaseMs);
}

void PauseGame() {
  if (!gGameState.paused) gGameState.clockFrozenMs += TimeGetTime() - gGameState.clockBaseMs;
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
