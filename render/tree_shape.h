// A tree's shape: a trunk of four radius-1 discs stacked from the ground, under a crown of five
// shrinking rings, all lying flat. Shared by the plain painter, which places each disc and ring
// with its own matrices, and the fast one, which sends the precomputed vertices below under one
// matrix per tree.
#pragma once

struct cTreeRing {
  float height;
  float radius;
};
constexpr float kTrunkHeights[] = {0.0f, 0.75f, 1.5f, 2.25f};
constexpr cTreeRing kCrownRings[] = {{2.5f, 3.0f}, {3.0f, 2.5f}, {3.5f, 2.0f}, {4.0f, 1.5f}, {4.5f, 1.0f}};
constexpr int kTreeCircleSegments = 10;

// In the circles' own plane, before lying flat: (x * radius, y * radius, -height) for each
// vertex (x, y) of the radius-1, 10-segment circle. The ground disc (height 0, radius 1) is
// the circle itself, so it lands on exactly the pixels and depths of the plain painter's.
struct cTreeVertices {
  float trunk[4][kTreeCircleSegments][3];
  float crown[5][kTreeCircleSegments][3];
};
const cTreeVertices& TreeVertices();
