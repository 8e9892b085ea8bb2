// The 64 x 64 grid of terrain classes (8-unit cells over the 512 x 512 world) and the point
// query every other subsystem asks. Row = x cell, column = z cell.
#pragma once

#include <cstdint>

enum eTerrainClass : int32_t { kTerrainLand = 1, kTerrainSteep = 2, kTerrainWater = 4 };

constexpr int kTerrainCells = 64;

extern int32_t gTerrainClasses[kTerrainCells][kTerrainCells];

// Class of the cell under (x, z); y is ignored. Points outside the world read the nearest edge cell.
int32_t TerrainClassAt(float x, float y, float z);

// Every cell land (tests, and the state before world setup).
void FillTerrainWithLand();
