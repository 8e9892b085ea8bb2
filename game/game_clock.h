// The pausable game clock: milliseconds of game time that stand still while paused.
// Differences between clock values are always taken in wrapping unsigned arithmetic.
#pragma once

#include <cstdint>

// Game time starts at 0 now.
void StartGameClock();
uint32_t GameTime();
void PauseGame();
void ResumeGame();
// Game time is `ms` from now on, paused or running (a loaded game).
void SetGameTime(uint32_t ms, bool paused);
