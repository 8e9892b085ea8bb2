// The clip-space test: a box is outside when all eight corners fail one of the six clip
// planes. Clipping is done in homogeneous space, so the test holds also for corners behind the
// eye, and everything drawn inside the box lies in the corners' convex hull.
#include "render/view_volume.h"

namespace {
// Wide enough for the widest line the world pass draws (2 pixels) with room to spare.
constexpr double kMarginPixels = 8.0;

struct cClipPoint {
  double x, y, z, w;
};
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
  marginX_ = width > 0.0f ? 2.0 * kMarginPixels / width : 1.0;
  marginY_ = height > 0.0f ? 2.0 * kMarginPixels / height : 1.0;
}

bool cViewVolume::BoxOutside(const cVector& low, const cVector& high) const {
  if (seeEverything_) return false;
  // Bits of the planes every corner so far lies outside of.
  unsigned outsideAll = 0x3F;
  for (int corner = 0; corner < 8 && outsideAll; ++corner) {
    const double x = corner & 1 ? high.x : low.x;
    const double y = corner & 2 ? high.y : low.y;
    const double z = corner & 4 ? high.z : low.z;
    cClipPoint p;
    p.x = clip_[0] * x + clip_[4] * y + clip_[8] * z + clip_[12];
    p.y = clip_[1] * x + clip_[5] * y + clip_[9] * z + clip_[13];
    p.z = clip_[2] * x + clip_[6] * y + clip_[10] * z + clip_[14];
    p.w = clip_[3] * x + clip_[7] * y + clip_[11] * z + clip_[15];
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
