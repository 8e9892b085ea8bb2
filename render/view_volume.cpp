// The clip-space test: a box is outside when all of it lies beyond one of the six clip planes.
// Clipping is done in homogeneous space, so the test holds also for parts behind the eye, and
// everything drawn inside the box lies in the corners' convex hull.
#include "render/view_volume.h"

#include <cmath>
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
  // Rows of the clip matrix: x, y, z and w as functions of the point.
  const auto row = [this](int r, double scale) {
    return cPlane{{clip_[r] * scale, clip_[4 + r] * scale, clip_[8 + r] * scale, clip_[12 + r] * scale}};
  };
  const auto sum = [](const cPlane& a, const cPlane& b) {
    return cPlane{{a.c[0] + b.c[0], a.c[1] + b.c[1], a.c[2] + b.c[2], a.c[3] + b.c[3]}};
  };
  const double wideX = 1.0 + marginX_, wideY = 1.0 + marginY_;
  sides_[0] = sum(row(0, -1.0), row(3, -wideX));  // left: x < -wide w
  sides_[1] = sum(row(0, 1.0), row(3, -wideX));   // right: x > wide w
  sides_[2] = sum(row(1, -1.0), row(3, -wideY));  // bottom
  sides_[3] = sum(row(1, 1.0), row(3, -wideY));   // top
  sides_[4] = sum(row(2, -1.0), row(3, -1.0));    // near: z < -w
  sides_[5] = sum(row(2, 1.0), row(3, -1.0));     // far: z > w
}


// Each side of the widened view is where a plane function of the point, linear in it, is
// positive: -x - (1 + margin) w for the left side, and so on. All of a box lies on that side
// when the function is positive at the box's centre less its greatest fall over half the box.
bool cViewVolume::BoxOutside(const cVector& low, const cVector& high) const {
  if (seeEverything_) return false;
  const double centre[3] = {(static_cast<double>(low.x) + high.x) * 0.5, (static_cast<double>(low.y) + high.y) * 0.5,
                            (static_cast<double>(low.z) + high.z) * 0.5};
  const double half[3] = {(static_cast<double>(high.x) - low.x) * 0.5, (static_cast<double>(high.y) - low.y) * 0.5,
                          (static_cast<double>(high.z) - low.z) * 0.5};
  for (const cPlane& plane : sides_) {
    const double atCentre = plane.c[0] * centre[0] + plane.c[1] * centre[1] + plane.c[2] * centre[2] + plane.c[3];
    const double fall = std::fabs(plane.c[0]) * half[0] + std::fabs(plane.c[1]) * half[1] + std::fabs(plane.c[2]) * half[2];
    if (atCentre - fall > 0.0) return true;
  }
  return false;
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
