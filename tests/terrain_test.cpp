// Terrain: the diamond-square heightfield (range, draw count, the order of cells and draws), the
// class thresholds, the point query at the edges and outside the world, and the land search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "game/random.h"
#include "terrain/height_field.h"
#include "terrain/terrain_builder.h"
#include "terrain/terrain_classes.h"

namespace {
// The recipe written out plainly over a flat array with explicit modulo: an independent
// check that the builder visits cells and makes its draws in the published order.
std::vector<float> RecipeTerrain(uint32_t seed) {
  SeedRandom(seed);
  std::vector<float> h(64 * 64);
  auto at = [&h](int row, int column) -> float& { return h[((row % 64 + 64) % 64) * 64 + (column % 64 + 64) % 64]; };
  float a = 64.0f;
  auto displaced = [&a](float p, float q, float r, float t) {
    return (p + q + r + t) / 4.0f - a + 2 * a * (static_cast<float>(NextRandom()) * kInverseRandomMax);
  };
  at(0, 0) = 0.0f;
  for (int s = 64; s >= 2; s /= 2, a *= 0.5f) {
    const int half = s / 2;
    for (int y = 0; y < 64; y += s)
      for (int x = 0; x < 64; x += s)
        at(y + half, x + half) = displaced(at(y, x), at(y + s, x), at(y, x + s), at(y + s, x + s));
    for (int y = 0; y < 64; y += s) {
      for (int x = 0; x < 64; x += s) {
        at(y, x + half) = displaced(at(y, x), at(y, x + s), at(y + half, x + half), at(y - half, x + half));
        at(y + half, x) = displaced(at(y, x), at(y + s, x), at(y + half, x + half), at(y + half, x - half));
      }
    }
  }
  const float lowest = *std::min_element(h.begin(), h.end()), highest = *std::max_element(h.begin(), h.end());
  for (float& cell : h) cell = (cell - lowest) / (highest - lowest);
  return h;
}

// Also: the range is exactly 0 to 1 and the build makes exactly 4095 draws.
TEST(DiamondSquare, FollowsTheRecipeCellForCell) {
  for (uint32_t seed : {3u, 7u, 31337u, 0xDEADBEEFu}) {
    const std::vector<float> expected = RecipeTerrain(seed);
    const int drawAfterRecipe = NextRandom();
    SeedRandom(seed);
    cHeightField field;
    cDiamondSquareTerrainBuilder().Build(field);
    EXPECT_EQ(NextRandom(), drawAfterRecipe) << "seed " << seed;
    int zeros = 0, ones = 0;
    for (int row = 0; row < 64; ++row) {
      for (int column = 0; column < 64; ++column) {
        const float h = field.Height(row, column);
        ASSERT_FLOAT_EQ(h, expected[row * 64 + column]) << row << "," << column;
        ASSERT_TRUE(h >= 0.0f && h <= 1.0f) << h;
        zeros += h == 0.0f;
        ones += h == 1.0f;
      }
    }
    EXPECT_GE(zeros, 1) << "seed " << seed;
    EXPECT_GE(ones, 1) << "seed " << seed;
  }
}

TEST(HeightField, IndicesWrapModulo64) {
  cHeightField field;
  field.Cell(63, 0) = 0.5f;
  field.Cell(1, 2) = 0.25f;
  field.Cell(0, 63) = 0.75f;
  EXPECT_EQ(field.Height(-1, 64), 0.5f);
  EXPECT_EQ(field.Height(-64, 127), 0.75f);
  EXPECT_EQ(field.Height(65, -62), 0.25f);
  EXPECT_EQ(field.Height(1 - 64 * 5, 2 + 64 * 3), 0.25f) << "far outside the -64.. range as well";
}

// Tests that write the class grid leave it all land for the next.
class TerrainGrid : public ::testing::Test {
 protected:
  void TearDown() override { FillTerrainWithLand(); }
};

// Exactly 0.25 and exactly 0.75 are land; the grid's row is the field's row.
TEST_F(TerrainGrid, ClassifyTerrainSetsEveryCellFromItsHeight) {
  const struct {
    float height;
    int32_t terrainClass;
  } thresholds[] = {{0.0f, kTerrainWater}, {std::nextafter(0.25f, 0.0f), kTerrainWater}, {0.25f, kTerrainLand},
                    {0.75f, kTerrainLand}, {std::nextafter(0.75f, 1.0f), kTerrainSteep}, {1.0f, kTerrainSteep}};
  for (const auto& c : thresholds) EXPECT_EQ(TerrainClassForHeight(c.height), c.terrainClass) << c.height;
  cHeightField field;
  const int32_t classOf[] = {kTerrainWater, kTerrainLand, kTerrainLand, kTerrainLand, kTerrainSteep};
  for (int row = 0; row < kTerrainCells; ++row)
    for (int column = 0; column < kTerrainCells; ++column)
      field.Cell(row, column) = static_cast<float>((row * 3 + column) % 5) * 0.25f;  // 0, .25, .5, .75, 1
  ClassifyTerrain(field);
  for (int row = 0; row < kTerrainCells; ++row)
    for (int column = 0; column < kTerrainCells; ++column)
      ASSERT_EQ(gTerrainClasses[row][column], classOf[(row * 3 + column) % 5]) << row << "," << column;
}

// Every cell holds its own number, so a query names the cell it read.
TEST_F(TerrainGrid, TerrainClassAtReadsTheCellUnderThePointAndClampsOutside) {
  for (int row = 0; row < kTerrainCells; ++row)
    for (int column = 0; column < kTerrainCells; ++column) gTerrainClasses[row][column] = row * 100 + column;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct {
    float x, z;
    int row, column;
  } const cases[] = {
      {0.0f, 0.0f, 0, 0},        {511.9f, 511.9f, 63, 63}, {8.0f, 7.99f, 1, 0},      {-5.0f, 600.0f, 0, 63},
      {7.99f, 8.0f, 0, 1},       {-8.5f, 256.0f, 0, 32},   {552.0f, 40.0f, 63, 5},   {512.0f, 0.5f, 63, 0},
      {1e30f, -1e30f, 63, 0},    {nan, 100.0f, 63, 12},     {-1e9f, 1e9f, 0, 63},     {255.9f, 256.0f, 31, 32},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TerrainClassAt(c.x, 123.0f, c.z), c.row * 100 + c.column) << "(" << c.x << ", " << c.z << ")";
}

TEST_F(TerrainGrid, NearestLandFindsTheNearestCellCentreTheShortWayRound) {
  for (auto& row : gTerrainClasses) std::fill(row, row + kTerrainCells, int32_t{kTerrainWater});
  cVector centre(-1, -1, -1);
  EXPECT_FALSE(NearestLandCellCentre(100.0f, 100.0f, centre)) << "no land at all";
  gTerrainClasses[63][0] = kTerrainLand;
  gTerrainClasses[5][0] = kTerrainLand;
  gTerrainClasses[2][3] = kTerrainSteep;
  ASSERT_TRUE(NearestLandCellCentre(2.0f, 4.0f, centre));
  EXPECT_EQ(centre.x, 508.0f) << "across the edge is nearer than cell 5";
  EXPECT_EQ(centre.z, 4.0f);
  ASSERT_TRUE(NearestLandCellCentre(40.0f, 10.0f, centre));
  EXPECT_EQ(centre.x, 44.0f);
  EXPECT_EQ(TerrainClassAt(centre.x, 0.0f, centre.z), kTerrainLand);
}
}  // namespace
