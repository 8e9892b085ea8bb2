// Lines and polygons of many objects, each object's with its own model-view-projection
// matrix, kept in drawing order so that they reach the driver in a few calls instead of one
// call (and one matrix change) per object. The GL side draws them through a vertex program
// that multiplies as the fixed pipeline does, so every piece keeps its pixels and depths.
#pragma once

#include <vector>

#include "render/colour.h"
#include "render/fixed_matrix.h"

struct cBatchVertex {
  float position[3];  // in the object's own space
  float colour[3];
  cMatrix placement;  // projection x model-view of the object
};

enum class ePieceShape {
  kLines,    // points taken in pairs, as GL_LINES takes them
  kPolygon,  // one filled polygon, as GL_POLYGON
};

// Consecutive pieces of one shape and line width, drawn by one call: lines as one list,
// polygons each from its first vertex.
struct cBatchRun {
  ePieceShape shape;
  float lineWidth;
  std::vector<int> firsts;
  std::vector<int> counts;
};

class cPlacedBatch {
 public:
  void Add(ePieceShape shape, float lineWidth, const cMatrix& placement, const cColour& colour,
           const float (*points)[3], int count);
  const std::vector<cBatchVertex>& Vertices() const { return vertices_; }
  const std::vector<cBatchRun>& Runs() const { return runs_; }
  bool Empty() const { return vertices_.empty(); }
  void Clear();

 private:
  std::vector<cBatchVertex> vertices_;
  std::vector<cBatchRun> runs_;
};

// True when the driver runs vertex programs (ARB_vertex_program); needs a current context.
bool PlacedBatchAvailable();
// Draws the batch with the current depth and blending, leaves line width 1 and the last
// piece's colour current, and empties it.
void DrawPlacedBatch(cPlacedBatch& batch);
