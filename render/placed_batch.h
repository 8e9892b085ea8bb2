// Lines and polygons of many objects, each object's with its own model-view-projection
// matrix, gathered so that they reach the driver in a few calls instead of one call (and one
// matrix change) per object. The GL side draws them through a vertex program that multiplies
// as the fixed pipeline does, so every piece keeps its pixels and depths.
//
// Pieces are drawn in groups, and within a group kind by kind (discs, thin lines, wide lines),
// each kind in the order of adding. That order differs from the order of adding only between
// pieces of different kinds, and a piece joins the open group only when no piece of a later
// kind already in it can touch one of its pixels; otherwise it opens the next group. So at
// every pixel the fragments still arrive in the order of adding, and depth ties, which the
// first fragment wins, end as they did.
#pragma once

#include <cstdint>
#include <vector>

#include "render/colour.h"
#include "render/fixed_matrix.h"
#include "render/footprint_grid.h"

// In the order a group draws them.
enum class ePieceKind {
  kDisc,       // one filled polygon through the points, as GL_POLYGON
  kThinLines,  // segments 1 pixel wide
  kWideLines,  // segments 2 pixels wide
};
constexpr int kPieceKinds = 3;
float LineWidthOf(ePieceKind kind);

struct cBatchVertex {
  float position[3];  // in the object's own space
  float colour[3];
  cMatrix placement;  // projection x model-view of the object
};

// A piece's distinct points and, for lines, the pairs of them its segments join, in drawing
// order and direction.
struct cPieceShape {
  const float (*points)[3];
  int pointCount;
  const uint8_t (*segments)[2];  // null for a disc
  int segmentCount;
};

// One kind's pieces, every group's in turn: vertices, and per piece either a polygon (first
// vertex and count) or its segments' vertex indices in pairs.
struct cKindList {
  std::vector<cBatchVertex> vertices;
  std::vector<uint32_t> indices;
  std::vector<int> polygonFirsts, polygonCounts;
};

// Where a group ends in each kind's list; it starts where the one before it ends.
struct cGroupEnd {
  int vertices[kPieceKinds];
  int indices[kPieceKinds];
  int polygons[kPieceKinds];
};

class cPlacedBatch {
 public:
  // A new frame, with the viewport's size in pixels, which footprints are given in; empties
  // the batch.
  void Start(int width, int height);
  // Counts the frames started, from 1.
  unsigned Frame() const { return frame_; }
  // `footprint` holds every pixel the piece can touch, or is null when that is not known.
  void Add(ePieceKind kind, const cMatrix& placement, const cColour& colour, const cPieceShape& shape,
           const cScreenBox* footprint);
  const cKindList& Kind(ePieceKind kind) const { return kinds_[static_cast<int>(kind)]; }
  const std::vector<cGroupEnd>& Groups() const { return groups_; }
  // The colour of the piece added last.
  const cColour& LastColour() const { return lastColour_; }
  bool Empty() const { return groups_.empty(); }
  void Clear();

 private:
  bool MustOpenGroup(ePieceKind kind, const cScreenBox* footprint) const;
  void OpenGroup();
  void Append(cKindList& list, ePieceKind kind, const cMatrix& placement, const cColour& colour,
              const cPieceShape& shape);

  cKindList kinds_[kPieceKinds];
  std::vector<cGroupEnd> groups_;
  cColour lastColour_;
  unsigned frame_ = 0;
  // The open group: kinds in it, kinds in it with no footprint, where the others lie.
  uint32_t present_ = 0, unplaced_ = 0;
  cFootprintGrid grid_;
};

// True when the driver runs vertex programs (ARB_vertex_program); needs a current context.
bool PlacedBatchAvailable();
// Draws the batch with the current depth and blending, leaves line width 1 and the colour of
// the piece added last current, and empties it.
void DrawPlacedBatch(cPlacedBatch& batch);
