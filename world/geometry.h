// Geometry of the wrapping 512 x 512 world: differences are taken the short way round,
// per axis, into +-256. Shared by the simulation and drawing.
#pragma once

#include "game/vector.h"
#include "world/objects.h"

constexpr float kWorldSize = 512.0f;
constexpr float kHalfWorldSize = kWorldSize / 2.0f;

// The scene's F-key flag. With the follow view it makes ViewOffset sink distant points as on
// a curved ground; it lives here because the simulation's distances go through ViewOffset too.
extern bool curved_horizon;

// One correction each way, so +-256 exactly stay as they are.
inline float WrapOffset(float d) {
  if (d < -kHalfWorldSize) d += kWorldSize;
  if (d > kHalfWorldSize) d -= kWorldSize;
  return d;
}

// point - object.position, x, y and z each wrapped once each way into [-256, 256]. Inline: every
// critter measures dozens of distances per tick.
inline cVector WrappedDelta(const cKeltoGameObject& object, const cVector& point) {
  cVector d = point - object.position;
  d.x = WrapOffset(d.x);
  d.y = WrapOffset(d.y);
  d.z = WrapOffset(d.z);
  return d;
}

// Length of WrappedDelta: the short-way-round distance from an object to a point.
inline float WrappedDistance(const cKeltoGameObject& object, const cVector& point) {
  return WrappedDelta(object, point).Length();
}
// point - centre wrapped the same way, with the curvature drop in the curved follow view.
cVector ViewOffset(const cVector& point, const cVector& centre);
// The ground direction a heading faces: (sin h, 0, cos h).
cVector HeadingVector(float heading);
// (u(512), 0, u(512), 1): x drawn first, then z.
cVector RandomWorldPosition();
// x and z brought into [0, 512]: +512 below 0, -512 above 512 (512 itself stays).
cVector WrapPoint(cVector v);
// Rotation about the vertical axis by `degrees`; the ground heading atan2(x, z) decreases.
cVector RotateAboutVertical(const cVector& v, float degrees);
// A land point within 10 units per axis of `site` (wrapped), redrawn until it is land.
cVector SpawnPointNear(const cVector& site);
