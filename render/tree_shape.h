// A tree's shape: a trunk of four radius-1 discs stacked from the ground, under a crown of five
// shrinking rings, all lying flat. Shared by the plain painter, which places each disc and ring
// with its own matrices, and the fast one, which sends the same circle under the same matrices
// formed on the processor.
#pragma once

#include <cstdint>

struct cTreeRing {
  float height;
  float radius;
};
constexpr float kTrunkHeights[] = {0.0f, 0.75f, 1.5f, 2.25f};
constexpr cTreeRing kCrownRings[] = {{2.5f, 3.0f}, {3.0f, 2.5f}, {3.5f, 2.0f}, {4.0f, 1.5f}, {4.5f, 1.0f}};
constexpr int kTreeCircleSegments = 10;

// The radius-1, 10-segment circle in its own plane, from the same walk the plain painter
// draws: its vertices, a disc's polygon; and for a ring, its outline as pairs of them in the
// order and direction a closed loop through them is drawn.
struct cTreeCircle {
  float points[kTreeCircleSegments][3];
  uint8_t ring[kTreeCircleSegments][2];
};
const cTreeCircle& TreeCircle();
