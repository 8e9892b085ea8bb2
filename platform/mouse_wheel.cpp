// Mouse-wheel accumulator.
#include "platform/mouse_wheel.h"

namespace {
int gWheelMotion = 0;
}

void AddWheelMotion(int direction) { gWheelMotion += direction; }

int TakeWheelMotion() {
  const int motion = gWheelMotion;
  gWheelMotion = 0;
  return motion;
}
