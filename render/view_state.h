// The per-frame view the scene captures before drawing and the object painters and HUD read:
// the view centre (the avatar), the day/night brightness, and the camera matrices, viewport
// and window size of the frame. GL-free so the input handlers and tests can reach it.
#pragma once

#include "game/vector.h"

// The origin of all drawing: the avatar's position, copied at the start of every scene.
extern cVector view_centre;
// Brightness of lit colours, 0.5 (night) to 1.5 (day); set once per frame.
extern float light_factor;

extern double saved_modelview[16];
extern double saved_projection[16];
extern int saved_viewport[4];
extern float window_width;
extern float window_height;

// Draws as the game first did: every object, in view or not, and every tree on its own through
// the matrix stack. The timedemo's --plain sets it, so the fast path is compared against it.
extern bool plain_drawing;
