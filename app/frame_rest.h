// When the frame function may rest instead of drawing: while the game is paused nothing moves
// unless the player does something, and a window nobody can see needs no frames. Running and
// visible, every idle call draws, as designed. GL-free, so the rule is tested headless.
#pragma once

#include "game/camera.h"

// Something the picture shows may have changed outside the frame function: input, a panel
// command, the window shown again. The next frame is drawn even while paused.
void RequestFrame();
// The window's visibility as the window system reports it; becoming visible requests a frame.
void NoteWindowVisible(bool visible);

// Whether this idle call draws. `cameraMoved`: this frame's zoom or camera easing changed the
// view. Drawing takes the request.
bool FrameShouldDraw(bool paused, bool cameraMoved);
// How long an idle call sleeps afterwards: nothing while running in a visible window; a
// display frame's time (at most about 60 frames a second) while paused; while running hidden,
// a quarter of the tick period, so the world still ticks on time.
int RestMilliseconds(bool paused);

// True when the two camera records give the same picture.
bool SameView(const cCamera& a, const cCamera& b);

// Back to start-up: visible, with the first frame requested (tests).
void ResetFrameRest();
