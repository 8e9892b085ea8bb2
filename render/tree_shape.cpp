// The tree's circle, from the circle walk the plain painter draws.
#include "render/tree_shape.h"

#include "render/grc_circle.h"

namespace {
cTreeCircle BuildTreeCircle() {
  cTreeCircle circle{};
  int i = 0;
  grcCircle(kTreeCircleSegments, false, 1.0f).ForEachVertex([&](float x, float y) {
    circle.points[i][0] = x;
    circle.points[i][1] = y;
    ++i;
  });
  for (int s = 0; s < kTreeCircleSegments; ++s) {
    circle.ring[s][0] = static_cast<uint8_t>(s);
    circle.ring[s][1] = static_cast<uint8_t>((s + 1) % kTreeCircleSegments);
  }
  return circle;
}
}  // namespace

const cTreeCircle& TreeCircle() {
  static const cTreeCircle circle = BuildTreeCircle();
  return circle;
}
