// The GL-free steps of the frame function, so that the windowed game and the headless simulator
// run exactly the same schedule and every step is tested without a window. The windowed frame
// (frame_loop_gl) feeds them the wheel, the pointer and the window size, steers and draws.
#pragma once

#include <optional>

#include "game/vector.h"

// Control-panel commands; the E key opens Level Up and the M key builds a nest too.
void RefillMotives();
void LevelUp();
void BuildNest();

// Every frame, paused or not: the wheel moves the camera 3 units per step (forward = closer),
// then the yaw eases toward its target: behind the avatar in the follow view (a tenth of the
// way per frame), straight to the player's yaw offset in the top-down view.
void ZoomByWheel(int wheelStep);
void TurnCameraTowardTarget();

// Unpaused frame, first step: any movement of the avatar cancels nest building.
void CancelNestBuildingIfMoving();
// The steps that precede a tick: nest building cancelled by movement, then the held left
// button's steering at the last drag position.
void CancelNestBuildingAndSteer();

// The unpaused part of the frame at the game's speed (game_speed.h): its ticks with the steps
// before each, the camera distance clamp, and hover picking under the pointer. The tick only
// moves the world, so clamping after it shows the same as before it. Returns the ticks run.
int AdvanceUnpausedFrame(int windowWidth, std::optional<int> pointerX);

// Unpaused frame, tick step: on the first unpaused frame only starts the tick clock; after
// that runs one tick when more than 20 ms of game time have passed since the last one.
// `windowWidth` and `pointerX` drive edge scrolling; with no pointer x (the pointer is not in
// the window) nothing scrolls. Returns true when a tick ran.
bool TickIfDue(int windowWidth, std::optional<int> pointerX);

// One tick: edge scrolling, nest building with its script, the carry script, WorldTick.
void RunTick(int windowWidth, std::optional<int> pointerX);

// Unpaused frame, last step: `groundUnderMouse` is the ground point under the pointer relative
// to the avatar; the hovered object is the one nearest to it within picking distance, or none,
// also when the pointer's place is not known.
void UpdateHoveredObject(const std::optional<cVector>& groundUnderMouse);

// After a frame is presented: the first frame is the only one drawn without the distance clamp.
void EndFirstFrame();
