// Collecting the batch's vertices and runs.
#include "render/placed_batch.h"

void cPlacedBatch::Add(ePieceShape shape, float lineWidth, const cMatrix& placement,
                       const cColour& colour, const float (*points)[3], int count) {
  const int first = static_cast<int>(vertices_.size());
  for (int i = 0; i < count; ++i) {
    vertices_.push_back({{points[i][0], points[i][1], points[i][2]}, {colour.r, colour.g, colour.b}, placement});
  }
  const bool continues = !runs_.empty() && runs_.back().shape == shape && runs_.back().lineWidth == lineWidth;
  if (!continues) runs_.push_back({shape, lineWidth, {}, {}});
  cBatchRun& run = runs_.back();
  if (shape == ePieceShape::kLines && continues) {
    run.counts.back() += count;  // one list: the lines follow on in the same array
  } else {
    run.firsts.push_back(first);
    run.counts.push_back(count);
  }
}

void cPlacedBatch::Clear() {
  vertices_.clear();
  runs_.clear();
}
