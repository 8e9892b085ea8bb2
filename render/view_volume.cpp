// The clip-space test: a box is outside when all eight corners fail one of the six clip
// planes. Clipping is done in homogeneous space, so the test holds also for corners behind the
// eye, and everything drawn inside the box lies in the corners' convex hull.
#include "render/view_volume.h"

#include <limits>

namespace {
// Wide enough for the widest line the world pass draws (2 pixels) with room to spare.
constexpr double kMarginPixels = 8.0;
// A footprint's widening: half the widest line, a pixel for the rasteriser's rules, and more
// than the float rounding of the driver's own vertex arithmetic.
constexpr double kFootprintMarginPixels = 3.0;
// Nearer to the eye than this (in clip w), a corner's window position is not trusted.
constexpr double kNearestTrustedW = 1e-3;

struct cClipPoint {
  double x, y, z, w;
};

cClipPoint Corner(const double clip[16], const cVector& low, const cVector& high, int corner) {
  const double x = corner & 1 ? high.x : low.x;
  const double y = corner & 2 ? high.y : low.y;
  const double z = corner & 4 ? high.z : low.z;
  return {clip[0] * x + clip[4] * y + clip[8] * z + clip[12], clip[1] * x + clip[5] * y + clip[9] * z + clip[13],
          clip[2] * x + clip[6] * y + clip[10] * z + clip[14], clip[3] * x + clip[7] * y + clip[11] * z + clip[15]};
}
}  // namespace

cViewVolume gViewVolume;

void cViewVolume::Set(const double modelview[16], const double projection[16], float width, float height) {
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelview[column * 4 + k];
      clip_[column * 4 + row] = sum;
    }
  }
  seeEverything_ = false;
  width_ = width;
  height_ = height;
  marginX_ = width > 0.0f ? 2.0 * kMarginPixels / width : 1.0;
  marginY_ = height > 0.0f ? 2.0 * kMarginPixels / height : 1.0;
}


bool cViewVolume::BoxOutside(const cVector& low, const cVector& high) const {
  if (seeEverything_) return false;
  // Bits of the planes every corner so far lies outside of.
  unsigned outsideAll = 0x3F;
  for (int corner = 0; corner < 8 && outsideAll; ++corner) {
    const cClipPoint p = Corner(clip_, low, high, corner);
    const double wx = p.w * (1.0 + marginX_), wy = p.w * (1.0 + marginY_);
    unsigned outside = 0;
    if (p.x < -wx) outside |= 1;
    if (p.x > wx) outside |= 2;
    if (p.y < -wy) outside |= 4;
    if (p.y > wy) outside |= 8;
    if (p.z < -p.w) outside |= 16;
    if (p.z > p.w) outside |= 32;
    outsideAll &= outside;
  }
  return outsideAll != 0;
}

bool cViewVolume::ColumnOutside(const cVector& at, float halfWidth, float bottom, float top) const {
  return BoxOutside(cVector(at.x - halfWidth, at.y + bottom, at.z - halfWidth),
                    cVector(at.x + halfWidth, at.y + top, at.z + halfWidth));
}

// Seen from in front of the eye, everything in a box lies within its corners' convex hull on
// the screen, so within the rectangle round their window positions.
bool cViewVolume::ColumnFootprint(const cVector& at, float halfWidth, float bottom, float top,
                                  cScreenBox& box) const {
  const cVector low(at.x - halfWidth, at.y + bottom, at.z - halfWidth);
  const cVector high(at.x + halfWidth, at.y + top, at.z + halfWidth);
  constexpr double kFar = std::numeric_limits<double>::max();
  double left = kFar, right = -kFar, lowest = kFar, highest = -kFar;
  for (int corner = 0; corner < 8; ++corner) {
    const cClipPoint p = Corner(clip_, low, high, corner);
    if (!(p.w > kNearestTrustedW)) return false;
    const double x = (p.x / p.w * 0.5 + 0.5) * width_, y = (p.y / p.w * 0.5 + 0.5) * height_;
    left = x < left ? x : left;
    right = x > right ? x : right;
    lowest = y < lowest ? y : lowest;
    highest = y > highest ? y : highest;
  }
  box = {static_cast<float>(left - kFootprintMarginPixels), static_cast<float>(lowest - kFootprintMarginPixels),
         static_cast<float>(right + kFootprintMarginPixels), static_cast<float>(highest + kFootprintMarginPixels)};
  return true;
}
