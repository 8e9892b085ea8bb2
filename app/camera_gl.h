// Camera matrices and ground picking through them.
#pragma once

#include "game/vector.h"

// Projection and model-view from gCamera and the current window size.
void SetupCamera();
// The ground point (y = 0) under a window point, relative to the view centre (the avatar).
cVector UnprojectToGround(int x, int y);
