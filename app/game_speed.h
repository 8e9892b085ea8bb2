// The player's game speed (keys 1 to 4: x1, x2, x4, x8), the unpaused frame's ticks at any
// speed, and the single tick the full stop key runs while paused.
//
// At x1 the frame keeps its schedule: at most one tick, when more than 20 ms of game time have
// passed since the last. Faster, the game clock is held and each frame turns the time source's
// progress times the speed into whole ticks of kTickStepMs, each tick seeing the clock one step
// on: the ticks a game at x1 with frames 21 ms apart plays, only sooner. A frame runs at most
// kMostTicksPerFrame of them; a machine that cannot keep up drops the rest and plays slower
// instead of falling ever further behind.
#pragma once

#include <cstdint>
#include <optional>

// The design ticks once more than 20 ms have passed, so 21 ms is one tick's step.
constexpr uint32_t kTickStepMs = 21;
// x8 asks for 8 ticks each 21 ms: 16 a frame keep up with frames up to 42 ms apart.
constexpr int kMostTicksPerFrame = 16;

// 1, 2, 4 or 8; any other value is ignored. Changing speed neither moves nor loses game time.
void SetGameSpeed(int speed);
int GameSpeed();

// The unpaused frame's ticks, each after the steps that precede a tick (nest building cancelled
// by movement, the held button's steering). `windowWidth` and `pointerX` drive edge scrolling.
// Returns the number of ticks run.
int RunDueTicks(int windowWidth, std::optional<int> pointerX);

// The full stop key: while paused, moves game time one step and runs one tick; the game stays
// paused. Does nothing while running. True when a tick ran.
bool StepOnePausedTick(int windowWidth, std::optional<int> pointerX);
