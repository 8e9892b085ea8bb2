// Collecting the batch's pieces into groups that keep each pixel's order of drawing.
#include "render/placed_batch.h"

namespace {
uint32_t Bit(ePieceKind kind) { return 1u << static_cast<int>(kind); }

// The kinds a group draws after `kind`.
uint32_t LaterKinds(ePieceKind kind) { return ~((Bit(kind) << 1) - 1) & ((1u << kPieceKinds) - 1); }
}  // namespace

float LineWidthOf(ePieceKind kind) { return kind == ePieceKind::kWideLines ? 2.0f : 1.0f; }

void cPlacedBatch::Start(int width, int height) {
  ++frame_;
  Clear();
  grid_.Resize(width, height);
}

void cPlacedBatch::Clear() {
  for (cKindList& list : kinds_) {
    list.vertices.clear();
    list.indices.clear();
    list.polygonFirsts.clear();
    list.polygonCounts.clear();
  }
  groups_.clear();
  present_ = unplaced_ = 0;
  grid_.Clear();
}

// A piece drawn later in the group than this one would come first at a shared pixel.
bool cPlacedBatch::MustOpenGroup(ePieceKind kind, const cScreenBox* footprint) const {
  if (groups_.empty()) return true;
  const uint32_t later = LaterKinds(kind) & present_;
  if (!later) return false;
  if (!footprint || (later & unplaced_)) return true;
  return grid_.Touches(*footprint, later);
}

void cPlacedBatch::OpenGroup() {
  groups_.push_back(groups_.empty() ? cGroupEnd{} : groups_.back());
  present_ = unplaced_ = 0;
  grid_.Clear();
}

void cPlacedBatch::Append(cKindList& list, ePieceKind kind, const cMatrix& placement,
                          const cColour& colour, const cPieceShape& shape) {
  const int first = static_cast<int>(list.vertices.size());
  for (int i = 0; i < shape.pointCount; ++i) {
    const float* p = shape.points[i];
    list.vertices.push_back({{p[0], p[1], p[2]}, {colour.r, colour.g, colour.b}, placement});
  }
  if (kind == ePieceKind::kDisc) {
    list.polygonFirsts.push_back(first);
    list.polygonCounts.push_back(shape.pointCount);
    return;
  }
  for (int s = 0; s < shape.segmentCount; ++s) {
    list.indices.push_back(first + shape.segments[s][0]);
    list.indices.push_back(first + shape.segments[s][1]);
  }
}

void cPlacedBatch::Add(ePieceKind kind, const cMatrix& placement, const cColour& colour,
                       const cPieceShape& shape, const cScreenBox* footprint) {
  if (MustOpenGroup(kind, footprint)) OpenGroup();
  present_ |= Bit(kind);
  if (footprint) {
    grid_.Mark(*footprint, Bit(kind));
  } else {
    unplaced_ |= Bit(kind);
  }
  const int k = static_cast<int>(kind);
  cKindList& list = kinds_[k];
  Append(list, kind, placement, colour, shape);
  cGroupEnd& end = groups_.back();
  end.vertices[k] = static_cast<int>(list.vertices.size());
  end.indices[k] = static_cast<int>(list.indices.size());
  end.polygons[k] = static_cast<int>(list.polygonFirsts.size());
  lastColour_ = colour;
}
