// The 64 x 64 grid of terrain classes (8-unit cells over the 512 x 512 world) and the point
// query every other subsystem asks. Row = x cell, column = z cell.
#pragma once

#include <algorithm>
#include <cstdint>

#include "game/vector.h"

class cHeightField;

enum eTerrainClass : int32_t { kTerrainLand = 1, kTerrainSteep = 2, kTerrainWater = 4 };

constexpr int kTerrainCells = 64;
constexpr float kTerrainCellSize = 8.0f;  // world units
constexpr int kTerrainWorldSize = 512;    // world units the grid covers, 64 cells of 8

extern int32_t gTerrainClasses[kTerrainCells][kTerrainCells];

// The cell index, 0..63, of one world coordinate: truncated toward zero, scaled to cells,
// clamped to the grid. Any float is safe, however far outside the world or NaN.
// The coordinate is bounded first: every value beyond +-1024 reads the same edge cell, and the
// int conversion of a huge or NaN coordinate would be undefined (NaN fails both tests and so
// reads the +1024 edge). Inline, as TerrainClassAt: every critter reads the ground under it
// several times a tick.
inline int TerrainCellIndex(float coordinate) {
  const float bounded = coordinate < 1024.0f ? (coordinate > -1024.0f ? coordinate : -1024.0f) : 1024.0f;
  const int cell = static_cast<int>(bounded) * kTerrainCells / kTerrainWorldSize;
  return std::clamp(cell, 0, kTerrainCells - 1);
}
// Class of the cell under (x, z); y is ignored. Points outside the world read the nearest edge cell.
inline int32_t TerrainClassAt(float x, float, float z) {
  return gTerrainClasses[TerrainCellIndex(x)][TerrainCellIndex(z)];
}

// Every cell land (tests, and the state before world setup).
void FillTerrainWithLand();

// Normalised heights below 0.25 are water, above 0.75 steep; both limits themselves are land.
int32_t TerrainClassForHeight(float height);
// Sets every cell of the grid from the heightfield (world setup).
void ClassifyTerrain(const cHeightField& heights);

// The centre of the land cell nearest to (x, z), measured the short way round the wrapping
// world (the first in row order on a tie); false when no cell is land.
bool NearestLandCellCentre(float x, float z, cVector& centre);
