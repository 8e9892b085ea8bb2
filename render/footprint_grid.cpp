// Tiles cleared by a count rather than by wiping them, since a crowded frame clears often.
#include "render/footprint_grid.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kTilePixels = 8;

int TileOf(float pixel, int tiles) {
  const float tile = std::floor(pixel / kTilePixels);
  if (!(tile > 0.0f)) return 0;  // also a NaN
  return tile >= static_cast<float>(tiles - 1) ? tiles - 1 : static_cast<int>(tile);
}
}  // namespace

void cFootprintGrid::Resize(int width, int height) {
  const int columns = std::max(1, (width + kTilePixels - 1) / kTilePixels);
  const int rows = std::max(1, (height + kTilePixels - 1) / kTilePixels);
  if (columns != columns_ || rows != rows_) {
    columns_ = columns;
    rows_ = rows;
    tiles_.assign(static_cast<size_t>(columns) * rows, cTile{});
    clearing_ = 1;
  }
  Clear();
}

void cFootprintGrid::Clear() {
  if (++clearing_ == 0) {  // the count wrapped: old marks could look fresh again
    tiles_.assign(tiles_.size(), cTile{});
    clearing_ = 1;
  }
}

cFootprintGrid::cTileSpan cFootprintGrid::Span(const cScreenBox& box) const {
  return {TileOf(box.left, columns_), TileOf(box.bottom, rows_), TileOf(box.right, columns_),
          TileOf(box.top, rows_)};
}

bool cFootprintGrid::Touches(const cScreenBox& box, uint32_t kinds) const {
  const cTileSpan span = Span(box);
  for (int y = span.y0; y <= span.y1; ++y) {
    for (int x = span.x0; x <= span.x1; ++x) {
      const cTile& tile = tiles_[static_cast<size_t>(y) * columns_ + x];
      if (tile.clearing == clearing_ && (tile.kinds & kinds)) return true;
    }
  }
  return false;
}

void cFootprintGrid::Mark(const cScreenBox& box, uint32_t kinds) {
  const cTileSpan span = Span(box);
  for (int y = span.y0; y <= span.y1; ++y) {
    for (int x = span.x0; x <= span.x1; ++x) {
      cTile& tile = tiles_[static_cast<size_t>(y) * columns_ + x];
      if (tile.clearing != clearing_) tile = {clearing_, 0};
      tile.kinds |= kinds;
    }
  }
}
