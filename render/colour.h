// An RGB drawing colour, 1.0 = full.
#pragma once

struct cColour {
  float r = 0.0f, g = 0.0f, b = 0.0f;
  bool operator==(const cColour& o) const { return r == o.r && g == o.g && b == o.b; }
};
