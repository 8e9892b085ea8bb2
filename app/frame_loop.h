// The game window's frame: the idle function that advances and draws the game, the display
// callback, and the one-time graphics set-up that builds the world. GL layer.
#pragma once

// The lighting and blending state the frames draw with, set once the window exists (the world
// itself is built by world_start).
void InitGraphics();

// Idle callback: zoom and camera yaw always; steering, the distance clamp, the ticks (at x1 one
// once 20 ms have passed, faster as game_speed.h says) and hover picking unless paused; then the
// frame is drawn, unless the game rests: paused with nothing changed, or the window hidden (see
// frame_rest.h). The rest ends early when a data file is saved, which is then reloaded
// (data_reload.h). Runs with any window current.
void FrameUpdate();

// Display callback: draws and presents the frame without advancing anything.
void DisplayFrame();

// Called with every finished frame still in the back buffer, just before it is presented (the
// timedemo reads its picture there); null removes it.
void SetBeforePresentHook(void (*hook)());
