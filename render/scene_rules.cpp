// Scene arithmetic: brightness, lit colours, dial colour, ground cells, compass needle.
#include "render/scene_rules.h"

#include <algorithm>
#include <cmath>

#include "terrain/terrain_classes.h"
#include "world/geometry.h"

namespace {
constexpr float kCellSize = 8.0f;
constexpr float kNeedlePixels = 40.0f;
constexpr float kRadiansPerDegree = 0.01745328f;
}  // namespace

float BrightnessFromDaylight(float daylight) {
  const float v = std::clamp(daylight, -0.25f, 0.25f);
  return (v + 0.5f) * 2.0f;
}

cColour LitColour(const cColour& c, float factor) {
  auto lit = [factor](float v) { return v * factor * 0.75f + v * 0.25f; };
  return {lit(c.r), lit(c.g), lit(c.b)};
}

cColour DaylightDialColour(float v) {
  if (v > 0.0f) return {1.0f, v, 0.0f};
  return {v + 1.0f, 0.0f, -v};
}

cColour GroundCellColour(int terrainClass, const cColour& previous) {
  switch (terrainClass) {
    case kTerrainLand: return {0.3f, 0.15f, 0.0f};
    case kTerrainSteep: return {0.3f, 0.3f, 0.3f};
    case kTerrainWater: return {0.0f, 0.0f, 0.3f};
    default: return previous;
  }
}

float WrapGroundOffset(float offset) {
  while (offset < -kHalfWorldSize) offset += kWorldSize;
  while (offset > kHalfWorldSize) offset -= kWorldSize;
  return offset;
}

// Cell corners start half a world back (8i - 512) so that after re-centring every cell lands
// within one half-world of the avatar.
cVector GroundCellCorner(int i, int j, const cVector& centre) {
  const float x = WrapGroundOffset(kCellSize * i - kWorldSize - centre.x);
  const float z = WrapGroundOffset(kCellSize * j - kWorldSize - centre.z);
  return cVector(x, 0.0f, z);
}

bool CompassNeedle(const cVector& nestOffset, float yawDegrees, float& x, float& y) {
  const float length = nestOffset.Length();
  if (length <= 0.0001f) return false;
  const cVector v = nestOffset * (kNeedlePixels / length);
  const float a = yawDegrees * kRadiansPerDegree;
  x = v.x * std::cos(a) + v.z * std::sin(a);
  y = -(v.z * std::cos(a) - v.x * std::sin(a));
  return true;
}
