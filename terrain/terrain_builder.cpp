// Diamond-square generation. Each pass displaces the new midpoints by up to the current
// amplitude, which halves with the step, so large features come first and detail after.
#include "terrain/terrain_builder.h"

#include <algorithm>

#include "game/random.h"

void cDiamondSquareTerrainBuilder::Build(cHeightField& field) {
  field_ = &field;
  field.Cell(0, 0) = 0.0f;  // every other cell is written before it is read
  float amplitude = 64.0f;
  for (int step = kTerrainCells; step > 1; step /= 2, amplitude *= 0.5f) {
    DiamondPass(step, amplitude);
    SquarePass(step, amplitude);
  }
  Normalise();
}

// The centre of each square from its four corners.
void cDiamondSquareTerrainBuilder::DiamondPass(int step, float amplitude) {
  cHeightField& h = *field_;
  const int half = step / 2;
  for (int y = 0; y < kTerrainCells; y += step)
    for (int x = 0; x < kTerrainCells; x += step)
      h.Cell(y + half, x + half) = Displaced(h.Height(y, x), h.Height(y + step, x), h.Height(y, x + step),
                                             h.Height(y + step, x + step), amplitude);
}

// The midpoints of each square's top and left edges from the edge's ends and the centres on
// either side; wrapping supplies the neighbours across the border.
void cDiamondSquareTerrainBuilder::SquarePass(int step, float amplitude) {
  cHeightField& h = *field_;
  const int half = step / 2;
  for (int y = 0; y < kTerrainCells; y += step) {
    for (int x = 0; x < kTerrainCells; x += step) {
      h.Cell(y, x + half) = Displaced(h.Height(y, x), h.Height(y, x + step), h.Height(y + half, x + half),
                                      h.Height(y - half, x + half), amplitude);
      h.Cell(y + half, x) = Displaced(h.Height(y, x), h.Height(y + step, x), h.Height(y + half, x + half),
                                      h.Height(y + half, x - half), amplitude);
    }
  }
}

float cDiamondSquareTerrainBuilder::Displaced(float a, float b, float c, float d, float amplitude) {
  const float low = -amplitude;
  const float span = amplitude - low;
  const float mean = (a + b + c + d) / 4.0f;
  return mean + low + span * (static_cast<float>(NextRandom()) * kInverseRandomMax);
}

void cDiamondSquareTerrainBuilder::Normalise() {
  cHeightField& h = *field_;
  float lowest = h.Height(0, 0), highest = h.Height(0, 0);
  for (int row = 0; row < kTerrainCells; ++row) {
    for (int column = 0; column < kTerrainCells; ++column) {
      lowest = std::min(lowest, h.Height(row, column));
      highest = std::max(highest, h.Height(row, column));
    }
  }
  for (int row = 0; row < kTerrainCells; ++row)
    for (int column = 0; column < kTerrainCells; ++column)
      h.Cell(row, column) = (h.Height(row, column) - lowest) / (highest - lowest);
}
