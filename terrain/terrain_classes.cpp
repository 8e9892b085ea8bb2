// The terrain-class grid and its point query.
#include "terrain/terrain_classes.h"

#include <algorithm>
#include <iterator>

int32_t gTerrainClasses[kTerrainCells][kTerrainCells];

namespace {
// Truncate, scale to cells with a truncating division, clamp to the grid.
int CellIndex(float coordinate) {
  const int cell = static_cast<int>(coordinate) * kTerrainCells / 512;
  return std::clamp(cell, 0, kTerrainCells - 1);
}

struct cStartsAsLand {
  cStartsAsLand() { FillTerrainWithLand(); }
} gStartsAsLand;
}  // namespace

int32_t TerrainClassAt(float x, float, float z) { return gTerrainClasses[CellIndex(x)][CellIndex(z)]; }

void FillTerrainWithLand() {
  for (auto& row : gTerrainClasses) std::fill(std::begin(row), std::end(row), int32_t{kTerrainLand});
}
