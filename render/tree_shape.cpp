// The tree's vertices, from the same circle walk the plain painter draws.
#include "render/tree_shape.h"

#include "render/grc_circle.h"

namespace {
void PlaceCircle(float height, float radius, float (*into)[3]) {
  int i = 0;
  grcCircle(kTreeCircleSegments, false, 1.0f).ForEachVertex([&](float x, float y) {
    into[i][0] = x * radius;
    into[i][1] = y * radius;
    into[i][2] = -height;
    ++i;
  });
}

cTreeVertices BuildTreeVertices() {
  cTreeVertices tree{};
  for (int d = 0; d < 4; ++d) PlaceCircle(kTrunkHeights[d], 1.0f, tree.trunk[d]);
  for (int r = 0; r < 5; ++r) PlaceCircle(kCrownRings[r].height, kCrownRings[r].radius, tree.crown[r]);
  return tree;
}
}  // namespace

const cTreeVertices& TreeVertices() {
  static const cTreeVertices tree = BuildTreeVertices();
  return tree;
}
