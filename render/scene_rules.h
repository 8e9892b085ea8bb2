// The scene's arithmetic, kept apart from GL so it is tested headless: day/night brightness,
// lit colours, the daylight dial, the ground's re-centred cells, and the compass needle.
#pragma once

#include "game/vector.h"
#include "render/colour.h"

// Brightness factor from the day clock's level (+1 midday, 0 dawn/dusk, -1 midnight):
// 1.5 through the day and 0.5 through the night, ramping over their first and last eighths.
float BrightnessFromDaylight(float daylight);
// A colour as drawn under brightness `factor`: three quarters follow it, a quarter does not.
cColour LitColour(const cColour& colour, float factor);
// Yellow at midday, red at dawn and dusk, blue at midnight.
cColour DaylightDialColour(float daylight);

// Ground cell classes' colours; an unknown class keeps `previous`.
cColour GroundCellColour(int terrainClass, const cColour& previous);
// A ground offset brought into -256..256 by whole turns of the 512-unit world.
float WrapGroundOffset(float offset);
// The near corner of ground cell (i, j) (8 units square) relative to the view centre.
cVector GroundCellCorner(int i, int j, const cVector& centre);

// The compass needle toward the avatar's nest as a pixel vector (x right, y up) of 40 pixels,
// turned with the camera's yaw (degrees). False when the avatar stands on its nest.
bool CompassNeedle(const cVector& nestOffset, float yawDegrees, float& x, float& y);
