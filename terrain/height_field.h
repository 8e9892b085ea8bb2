// The 64 x 64 heightfield that world setup generates and classifies; it lives only during
// setup. Indices wrap modulo 64 both ways, so the surface tiles seamlessly (-1 reads 63).
#pragma once

#include "terrain/terrain_classes.h"

class cHeightField {
 public:
  // Row = x cell, column = z cell, as in the class grid.
  float Height(int row, int column) const { return cells_[Wrap(row)][Wrap(column)]; }
  float& Cell(int row, int column) { return cells_[Wrap(row)][Wrap(column)]; }

 private:
  // Two's complement masking wraps every int, negative ones included.
  static int Wrap(int index) { return index & (kTerrainCells - 1); }

  float cells_[kTerrainCells][kTerrainCells] = {};
};
