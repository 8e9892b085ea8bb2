// Terrain generation: the builder interface and the diamond-square builder that fills a
// heightfield from the shared random sequence.
#pragma once

#include "terrain/height_field.h"

class cTerrainBuilder {
 public:
  virtual ~cTerrainBuilder() = default;
};

class cDiamondSquareTerrainBuilder : public cTerrainBuilder {
 public:
  // Fills `field` with a fractal surface normalised to [0, 1]: the lowest cell is exactly 0, the
  // highest exactly 1. Makes exactly 4095 random draws in a fixed order, so a seed reproduces
  // a terrain. The builder keeps a reference to the field until the next Build.
  void Build(cHeightField& field);

 private:
  void DiamondPass(int step, float amplitude);
  void SquarePass(int step, float amplitude);
  // Mean of four cells plus a uniform offset in [-amplitude, amplitude].
  float Displaced(float a, float b, float c, float d, float amplitude);
  void Normalise();

  cHeightField* field_ = nullptr;
};
