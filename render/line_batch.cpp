// Collecting the batch's vertices.
#include "render/line_batch.h"

void cLineBatch::Add(const cMatrix& placement, const cColour& colour, const float (*points)[3], int count) {
  for (int i = 0; i < count; ++i) {
    vertices_.push_back({{points[i][0], points[i][1], points[i][2]}, {colour.r, colour.g, colour.b}, placement});
  }
}
