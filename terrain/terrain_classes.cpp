// The terrain-class grid, its classification from heights and its point queries.
#include "terrain/terrain_classes.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "terrain/height_field.h"

int32_t gTerrainClasses[kTerrainCells][kTerrainCells];

namespace {
float WrappedGap(float a, float b) {
  const float gap = std::fabs(a - b);
  return std::min(gap, static_cast<float>(kTerrainWorldSize) - gap);
}

float CellCentre(int index) { return static_cast<float>(index) * kTerrainCellSize + kTerrainCellSize * 0.5f; }

struct cStartsAsLand {
  cStartsAsLand() { FillTerrainWithLand(); }
} gStartsAsLand;
}  // namespace

void FillTerrainWithLand() {
  for (auto& row : gTerrainClasses) std::fill(std::begin(row), std::end(row), int32_t{kTerrainLand});
}

int32_t TerrainClassForHeight(float height) {
  if (height < 0.25f) return kTerrainWater;
  if (height > 0.75f) return kTerrainSteep;
  return kTerrainLand;
}

void ClassifyTerrain(const cHeightField& heights) {
  for (int row = 0; row < kTerrainCells; ++row)
    for (int column = 0; column < kTerrainCells; ++column)
      gTerrainClasses[row][column] = TerrainClassForHeight(heights.Height(row, column));
}

bool NearestLandCellCentre(float x, float z, cVector& centre) {
  float nearest = INFINITY;
  for (int row = 0; row < kTerrainCells; ++row) {
    for (int column = 0; column < kTerrainCells; ++column) {
      if (gTerrainClasses[row][column] != kTerrainLand) continue;
      const float dx = WrappedGap(x, CellCentre(row)), dz = WrappedGap(z, CellCentre(column));
      if (dx * dx + dz * dz >= nearest) continue;
      nearest = dx * dx + dz * dz;
      centre = cVector(CellCentre(row), 0.0f, CellCentre(column), 1.0f);
    }
  }
  return nearest != INFINITY;
}
