// The scene's arithmetic without a window: day/night brightness and lit colours, the
// daylight dial, the ground re-centred on the avatar, the compass needle, the circle
// primitive, and the ground point under the pointer.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "app/ground_pick.h"
#include "game/random.h"
#include "render/grc_circle.h"
#include "render/scene_rules.h"
#include "terrain/terrain_classes.h"

namespace {

TEST(Brightness, FollowsTheDaylightLevelAndScalesLitColoursByFiveToElevenEighths) {
  struct { float daylight, factor; } levels[] = {
      {0.0f, 1.0f},  {0.1f, 1.2f},  {0.25f, 1.5f}, {0.3f, 1.5f},
      {1.0f, 1.5f},  {-0.1f, 0.8f}, {-0.3f, 0.5f}, {-1.0f, 0.5f}};
  for (const auto& c : levels) {
    EXPECT_NEAR(BrightnessFromDaylight(c.daylight), c.factor, 1e-6f) << c.daylight;
  }
  struct { float factor, scale; } lit[] = {{0.5f, 0.625f}, {1.0f, 1.0f}, {1.5f, 1.375f}};
  for (const auto& c : lit) {
    const cColour brown = LitColour({0.3f, 0.15f, 0.0f}, c.factor);
    EXPECT_NEAR(brown.r, 0.3f * c.scale, 1e-6f) << c.factor;
    EXPECT_NEAR(brown.g, 0.15f * c.scale, 1e-6f) << c.factor;
    EXPECT_EQ(brown.b, 0.0f);
  }
}

TEST(DaylightDial, YellowAtMiddayRedAtDuskBlueAtMidnight) {
  struct { float daylight; cColour colour; } cases[] = {
      {1.0f, {1, 1, 0}}, {0.5f, {1, 0.5f, 0}}, {0.0f, {1, 0, 0}}, {-0.5f, {0.5f, 0, 0.5f}},
      {-1.0f, {0, 0, 1}}};
  for (const auto& c : cases) EXPECT_EQ(DaylightDialColour(c.daylight), c.colour) << c.daylight;
}

TEST(Ground, ClassColoursAndUnknownClassesKeepThePreviousColour) {
  const cColour previous{0.9f, 0.8f, 0.7f};
  struct { int terrainClass; cColour colour; } cases[] = {
      {kTerrainLand, {0.3f, 0.15f, 0}}, {kTerrainSteep, {0.3f, 0.3f, 0.3f}},
      {kTerrainWater, {0, 0, 0.3f}},    {0, previous},
      {3, previous},                    {5, previous},
      {-1, previous}};
  for (const auto& c : cases) {
    EXPECT_EQ(GroundCellColour(c.terrainClass, previous), c.colour) << c.terrainClass;
  }
}

TEST(Ground, CellCornersAreReCentredOnTheAvatar) {
  struct { float cx, cz; int i, j; float x, z; } cases[] = {
      {500, 10, 0, 0, 12, -10}, {0, 0, 0, 0, 0, 0}, {0, 0, 63, 63, -8, -8},
      {256, 256, 0, 32, -256, 0}};
  for (const auto& c : cases) {
    const cVector corner = GroundCellCorner(c.i, c.j, cVector(c.cx, 0, c.cz));
    EXPECT_FLOAT_EQ(corner.x, c.x) << c.i << "," << c.j;
    EXPECT_FLOAT_EQ(corner.z, c.z) << c.i << "," << c.j;
    EXPECT_EQ(corner.y, 0.0f);
  }
}

// Wherever the avatar stands, the 4096 cells tile the 512 x 512 square around it: every
// corner within half a world, and no two cells on the same spot.
TEST(Ground, CellsTileTheWorldAroundAnyCentre) {
  SeedRandom(7);
  for (int trial = 0; trial < 20; ++trial) {
    const cVector centre(RandomScaled(512.0f), 0.0f, RandomScaled(512.0f));
    std::set<std::pair<long, long>> corners;
    for (int i = 0; i < kTerrainCells; ++i) {
      for (int j = 0; j < kTerrainCells; ++j) {
        const cVector c = GroundCellCorner(i, j, centre);
        ASSERT_LE(std::fabs(c.x), 256.0f);
        ASSERT_LE(std::fabs(c.z), 256.0f);
        corners.emplace(std::lround(c.x * 4.0f), std::lround(c.z * 4.0f));
      }
    }
    EXPECT_EQ(corners.size(), 4096u) << "centre " << centre.x << "," << centre.z;
  }
}

// The top-down camera at yaw 0 shows world +x to the right and +z downward; the needle is
// (x, y up) in pixels, and there is none while the avatar stands on its nest.
TEST(Compass, NeedleIsFortyPixelsTowardTheNestAsTheCameraSeesIt) {
  struct { float nx, nz, yaw; bool shown; float x, y; } cases[] = {
      {0, 5, 0, true, 0, -40},   {3, 0, 0, true, 40, 0},        {0, 5, 90, true, 40, 0},
      {-100, 0, 180, true, 40, 0}, {0, 0, 0, false, 0, 0},      {0.0001f, 0, 0, false, 0, 0},
      {0.001f, 0, 0, true, 40, 0}};
  for (const auto& c : cases) {
    float x = 0.0f, y = 0.0f;
    ASSERT_EQ(CompassNeedle(cVector(c.nx, 0, c.nz), c.yaw, x, y), c.shown) << c.nx;
    if (!c.shown) continue;
    EXPECT_NEAR(x, c.x, 1e-3f) << c.nx << "," << c.nz << " yaw " << c.yaw;
    EXPECT_NEAR(y, c.y, 1e-3f) << c.nx << "," << c.nz << " yaw " << c.yaw;
  }
}

TEST(Circle, EmitsItsSegmentsCounterClockwiseFromTheRadius) {
  for (int segments : {10, 20}) {
    const grcCircle circle(segments, false, 2.0f);
    std::vector<std::pair<float, float>> vertices;
    circle.ForEachVertex([&](float x, float y) { vertices.emplace_back(x, y); });
    ASSERT_EQ(vertices.size(), static_cast<size_t>(segments));
    EXPECT_EQ(vertices.front(), std::make_pair(2.0f, 0.0f));
    for (size_t k = 0; k < vertices.size(); ++k) {
      const float angle = 6.2831855f * k / segments;
      EXPECT_NEAR(vertices[k].first, 2.0f * std::cos(angle), 1e-4f) << segments << ":" << k;
      EXPECT_NEAR(vertices[k].second, 2.0f * std::sin(angle), 1e-4f) << segments << ":" << k;
    }
  }
}

TEST(GroundPick, WhereTheSightLineMeetsTheGround) {
  struct { const char* name; cVector farPoint, eyePoint, ground; } cases[] = {
      {"straight down", {0, -990, 0}, {0, 10, 0}, {0, 0, 0}},
      {"slanting down", {100, -90, 0}, {0, 10, 0}, {10, 0, 0}},
      {"beyond the far plane", {1000, 5, 0}, {0, 10, 0}, {2000, 0, 0}},
      {"from below the ground", {100, 90, 0}, {0, -10, 0}, {10, 0, 0}},
      {"level with the horizon", {0, 10, 700}, {0, 10, 0}, {0, 0, 256}},
      {"above the horizon", {-30, 50, -40}, {0, 10, 0}, {-153.6f, 0, -204.8f}},
      {"straight up", {0, 1000, 0}, {0, 10, 0}, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    const cVector p = GroundAlongSightLine(c.farPoint, c.eyePoint);
    EXPECT_NEAR(p.x, c.ground.x, 1e-3f) << c.name;
    EXPECT_EQ(p.y, 0.0f) << c.name;
    EXPECT_NEAR(p.z, c.ground.z, 1e-3f) << c.name;
  }
}

}  // namespace
