// Easing one angle (degrees) toward another the short way round: the camera's yaw each frame.
#pragma once

// Brings the two angles within 180 degrees of each other by adding turns of 360 (to the
// target when the current angle is ahead, otherwise to the current angle), then moves
// `factor` of the way. The result is deliberately not wrapped into [0, 360).
float ApproachAngle(float current, float target, float factor);
