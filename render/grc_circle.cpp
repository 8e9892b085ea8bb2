// Circle construction: the rotation step of one segment.
#include "render/grc_circle.h"

#include <cmath>

grcCircle::grcCircle(int segments_, bool filled_, float radius_)
    : segments(segments_), filled(filled_), radius(radius_) {
  const float step = 6.2831855f / static_cast<float>(segments);
  cos_step = std::cos(step);
  sin_step = std::sin(step);
}
