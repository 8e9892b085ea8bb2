// Wrapping-world geometry.
#include "world/geometry.h"

#include <cmath>

#include "game/random.h"
#include "terrain/terrain_classes.h"
#include "world/objects.h"

bool curved_horizon = false;

cVector RandomWorldPosition() {
  const float x = RandomScaled(kWorldSize);
  const float z = RandomScaled(kWorldSize);
  return cVector(x, 0.0f, z, 1.0f);
}

cVector RotateAboutVertical(const cVector& v, float degrees) {
  const float radians = degrees * 3.14159265f / 180.0f;
  const float c = std::cos(radians), s = std::sin(radians);
  return cVector(v.x * c - v.z * s, v.y, v.x * s + v.z * c, v.w);
}

cVector SpawnPointNear(const cVector& site) {
  cVector p;
  do {
    p = site;
    p.x = WrapCoordinate(p.x + RandomScaled(20.0f) - 10.0f);
    p.y = WrapCoordinate(p.y + RandomScaled(20.0f) - 10.0f);
    p.z = WrapCoordinate(p.z + RandomScaled(20.0f) - 10.0f);
  } while (TerrainClassAt(p.x, p.y, p.z) != kTerrainLand);
  return cVector(p.x, 0.0f, p.z, p.w);
}
