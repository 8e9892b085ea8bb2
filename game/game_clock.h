// The pausable game clock: milliseconds of game time that stand still while paused.
// Differences between clock values are always taken in wrapping unsigned arithmetic.
//
// At the normal speed game time follows the time source. Faster, the frame turns the time
// source's progress into ticks itself: the clock is then held, like a paused one, and moves
// only when the frame steps it, one tick's step at a time (see app/game_speed).
#pragma once

#include <cstdint>

// Game time starts at 0 now, following the time source.
void StartGameClock();
uint32_t GameTime();
void PauseGame();
void ResumeGame();
// Game time is `ms` from now on, paused or running (a loaded game).
void SetGameTime(uint32_t ms, bool paused);

// Holds game time where it stands, without pausing the game; Release lets it follow the time
// source again from there. Both may be called in either state and while paused.
void HoldGameClock();
void ReleaseGameClock();
bool GameClockHeld();
// Moves a held or paused clock forward.
void StepGameClock(uint32_t ms);
// While held and not paused: the time source's milliseconds since the last call (or since the
// clock was held or resumed). 0 while paused or following the time source.
uint32_t TakeHeldClockTime();
