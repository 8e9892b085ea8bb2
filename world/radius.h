// The fixed radii the tick compares by squared distance, and what makes that comparison exact.
#pragma once

// A radius and its square. For a radius whose square is a float exactly and whose two float
// neighbours have square roots on either side of it, d² < r² holds exactly when d < r and
// d² > r² exactly when d > r, since the square root is correctly rounded and never decreases:
// the tick may then skip the root. The tests check every radius below for that: not every
// radius passes (10 does not: the float below 100 has the root 10).
struct cRadius {
  float radius;
  float squared;
  constexpr explicit cRadius(float r) : radius(r), squared(r * r) {}
};

// A critter notices, and keeps as a neighbour, only critters within this distance.
constexpr cRadius kNoticeRange(25.0f);
// A remembered plant this close pushes a flocking critter off.
constexpr cRadius kTrunkRadius(3.0f);
