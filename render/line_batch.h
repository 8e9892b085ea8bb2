// Line segments of many objects, each object's with its own model-view-projection matrix,
// kept in drawing order so that they go to the driver in one call instead of one call (and
// one matrix change) per object. The GL side draws them through a vertex program that
// multiplies as the fixed pipeline does, so every segment keeps its pixels and depths.
#pragma once

#include <vector>

#include "render/colour.h"
#include "render/fixed_matrix.h"

struct cBatchVertex {
  float position[3];  // in the object's own space
  float colour[3];
  cMatrix placement;  // projection x model-view of the object
};

class cLineBatch {
 public:
  // `count` points in the object's own space, taken in pairs as GL_LINES takes them.
  void Add(const cMatrix& placement, const cColour& colour, const float (*points)[3], int count);
  const std::vector<cBatchVertex>& Vertices() const { return vertices_; }
  bool Empty() const { return vertices_.empty(); }
  void Clear() { vertices_.clear(); }

 private:
  std::vector<cBatchVertex> vertices_;
};

// True when the driver runs vertex programs (ARB_vertex_program); needs a current context.
bool LineBatchAvailable();
// Draws the batch with the current line width, depth and blending, then empties it.
void DrawLineBatch(cLineBatch& batch);
