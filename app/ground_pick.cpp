// The ground point under the pointer.
#include "app/ground_pick.h"

#include <cmath>

namespace {
cVector TowardHorizon(const cVector& farPoint, const cVector& eyePoint) {
  const cVector flat(farPoint.x - eyePoint.x, 0.0f, farPoint.z - eyePoint.z);
  const float length = flat.Length();
  if (length == 0.0f) return cVector(0.0f, 0.0f, 0.0f);
  return cVector(flat.x * (kFarthestGroundPoint / length), 0.0f,
                 flat.z * (kFarthestGroundPoint / length));
}
}  // namespace

// With t measured from the far point (0) to the eye point (1), the ground lies in front of
// the eye only for t < 1; a level line has no crossing at all.
cVector GroundAlongSightLine(const cVector& farPoint, const cVector& eyePoint) {
  const float rise = eyePoint.y - farPoint.y;
  const float t = -farPoint.y / rise;
  if (rise == 0.0f || !std::isfinite(t) || t >= 1.0f) return TowardHorizon(farPoint, eyePoint);
  return cVector(farPoint.x + (eyePoint.x - farPoint.x) * t, 0.0f,
                 farPoint.z + (eyePoint.z - farPoint.z) * t, 1.0f);
}
