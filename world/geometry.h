// Geometry of the wrapping 512 x 512 world: differences are taken the short way round,
// per axis, into +-256. Shared by the simulation and drawing.
#pragma once

#include <cmath>

#include "game/camera.h"
#include "game/vector.h"
#include "world/objects.h"

constexpr float kWorldSize = 512.0f;
constexpr float kHalfWorldSize = kWorldSize / 2.0f;

// The scene's F-key flag. With the follow view it makes ViewOffset sink distant points as on
// a curved ground; it lives here because the simulation's distances go through ViewOffset too.
extern bool curved_horizon;

// point - from, all four components, then x, y and z each wrapped with one correction each way
// (+512 below -256, then -512 above 256), so +-256 exactly stay as they are. Done on the four
// lanes at once and chosen by masks rather than by branches: whether a difference wraps is a
// coin toss for far points, which a branch predictor cannot learn. The w lane's bounds are
// infinite, so it is never wrapped.
inline cVector WrappedDelta(const cVector& from, const cVector& point) {
  typedef float cLanes __attribute__((vector_size(16)));
  const cLanes below = {-kHalfWorldSize, -kHalfWorldSize, -kHalfWorldSize, -__builtin_inff()};
  const cLanes above = {kHalfWorldSize, kHalfWorldSize, kHalfWorldSize, __builtin_inff()};
  cLanes d = cLanes{point.x, point.y, point.z, point.w} - cLanes{from.x, from.y, from.z, from.w};
  d = d < below ? d + kWorldSize : d;
  d = d > above ? d - kWorldSize : d;
  return cVector(d[0], d[1], d[2], d[3]);
}
// point - object.position, wrapped. Inline: every critter measures dozens of distances per tick.
inline cVector WrappedDelta(const cKeltoGameObject& object, const cVector& point) {
  return WrappedDelta(object.position, point);
}

// Length of WrappedDelta: the short-way-round distance from an object to a point.
inline float WrappedDistance(const cKeltoGameObject& object, const cVector& point) {
  return WrappedDelta(object, point).Length();
}
// WrappedDistance squared, for comparisons against a squared radius (see cRadius).
inline float WrappedDistanceSquared(const cKeltoGameObject& object, const cVector& point) {
  return WrappedDelta(object, point).LengthSquared();
}
// sqrt(a) > sqrt(b) for squared distances, the roots taken only when a > b: a square no
// larger never has a larger root, while two different squares may share one.
inline bool RootGreater(float aSquared, float bSquared) {
  return aSquared > bSquared && std::sqrt(aSquared) > std::sqrt(bSquared);
}
// point - centre wrapped the same way, with the curvature drop in the curved follow view.
// Inline: every critter measures its way to the avatar with it each tick.
inline cVector ViewOffset(const cVector& point, const cVector& centre) {
  cVector d = WrappedDelta(centre, point);
  if (gCamera.iso_cam && curved_horizon) d.y = 10.0f - 0.1953125f * std::sqrt(d.x * d.x + d.z * d.z);
  return d;
}
// The ground direction a heading faces: (sin h, 0, cos h).
inline cVector HeadingVector(float heading) { return cVector(std::sin(heading), 0.0f, std::cos(heading), 1.0f); }
// (u(512), 0, u(512), 1): x drawn first, then z.
cVector RandomWorldPosition();
// One coordinate brought into [0, 512]: +512 below 0, -512 above 512 (512 itself stays).
inline float WrapCoordinate(float c) {
  if (c < 0.0f) c += kWorldSize;
  if (c > kWorldSize) c -= kWorldSize;
  return c;
}
// x and z brought into [0, 512] by WrapCoordinate.
inline cVector WrapPoint(cVector v) {
  v.x = WrapCoordinate(v.x);
  v.z = WrapCoordinate(v.z);
  return v;
}
// Rotation about the vertical axis by `degrees`; the ground heading atan2(x, z) decreases.
cVector RotateAboutVertical(const cVector& v, float degrees);
// A land point within 10 units per axis of `site` (wrapped), redrawn until it is land.
cVector SpawnPointNear(const cVector& site);
