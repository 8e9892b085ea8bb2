// Where the pointer's line of sight meets the ground plane y = 0, from two points of that
// line: one on the far plane and one at the eye (the camera unprojects both).
#pragma once

#include "game/vector.h"

// Half the wrapping world: as far as a target can lie in any direction.
constexpr float kFarthestGroundPoint = 256.0f;

// The ground point seen along the line from `eyePoint` through `farPoint`. A line that never
// comes down to the ground in front of the eye (the pointer on or above the horizon) aims at
// the ground kFarthestGroundPoint away in the pointer's direction, or at the view centre when
// it points straight up or down.
cVector GroundAlongSightLine(const cVector& farPoint, const cVector& eyePoint);
