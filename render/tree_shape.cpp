// The tree's circle, from the circle walk the plain painter draws.
#include "render/tree_shape.h"

#include "render/grc_circle.h"

namespace {
cTreeCircle BuildTreeCircle() {
  cTreeCircle circle{};
  int i = 0;
  grcCircle(kTreeCircleSegments, false, 1.0f).ForEachVertex([&](float x, float y) {
    circle.disc[i][0] = x;
    circle.disc[i][1] = y;
    ++i;
  });
  for (int s = 0; s < kTreeCircleSegments; ++s) {
    const float* from = circle.disc[s];
    const float* to = circle.disc[(s + 1) % kTreeCircleSegments];
    for (int k = 0; k < 3; ++k) {
      circle.ring[2 * s][k] = from[k];
      circle.ring[2 * s + 1][k] = to[k];
    }
  }
  return circle;
}
}  // namespace

const cTreeCircle& TreeCircle() {
  static const cTreeCircle circle = BuildTreeCircle();
  return circle;
}
