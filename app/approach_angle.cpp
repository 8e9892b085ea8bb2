// Camera yaw easing.
#include "app/approach_angle.h"

float ApproachAngle(float current, float target, float factor) {
  while (current - target > 180.0f) target += 360.0f;
  while (target - current > 180.0f) current += 360.0f;
  return current + (target - current) * factor;
}
