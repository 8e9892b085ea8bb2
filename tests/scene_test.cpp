// The scene's arithmetic without a window: day/night brightness and lit colours, the
// daylight dial, the ground re-centred on the avatar, the compass needle, the circle
// primitive, and the ground point under the pointer.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "app/ground_pick.h"
#include "render/grc_circle.h"
#include "render/scene_rules.h"
#include "terrain/terrain_classes.h"
#include "world/random.h"

namespace {

TEST(Brightness, FollowsTheDaylightLevelWithinHalfToOneAndAHalf) {
  const struct {
    float daylight;
    float factor;
  } cases[] = {{0.0f, 1.0f},  {0.1f, 1.2f},  {0.25f, 1.5f}, {0.3f, 1.5f}, {1.0f, 1.5f},
               {-0.1f, 0.8f}, {-0.3f, 0.5f}, {-1.0f, 0.5f}};
  for (const auto& c : cases) {
    EXPECT_NEAR(BrightnessFromDaylight(c.daylight), c.factor, 1e-6f) << c.daylight;
  }
}

TEST(Brightness, LitColoursScaleBetweenFiveAndElevenEighths) {
  const cColour brown{0.3f, 0.15f, 0.0f};
  const struct {
    float factor;
    float scale;
  } cases[] = {{0.5f, 0.625f}, {1.0f, 1.0f}, {1.5f, 1.375f}};
  for (const auto& c : cases) {
    const cColour lit = LitColour(brown, c.factor);
    EXPECT_NEAR(lit.r, 0.3f * c.scale, 1e-6f) << c.factor;
    EXPECT_NEAR(lit.g, 0.15f * c.scale, 1e-6f) << c.factor;
    EXPECT_EQ(lit.b, 0.0f);
  }
}

TEST(DaylightDial, YellowAtMiddayRedAtDuskBlueAtMidnight) {
  const struct {
    float daylight;
    cColour colour;
  } cases[] = {{1.0f, {1.0f, 1.0f, 0.0f}},  {0.5f, {1.0f, 0.5f, 0.0f}},
               {0.0f, {1.0f, 0.0f, 0.0f}},  {-0.5f, {0.5f, 0.0f, 0.5f}},
               {-1.0f, {0.0f, 0.0f, 1.0f}}};
  for (const auto& c : cases) EXPECT_EQ(DaylightDialColour(c.daylight), c.colour) << c.daylight;
}

TEST(Ground, ClassColoursAndUnknownClassesKeepThePreviousColour) {
  const cColour previous{0.9f, 0.8f, 0.7f};
  EXPECT_EQ(GroundCellColour(kTerrainLand, previous), (cColour{0.3f, 0.15f, 0.0f}));
  EXPECT_EQ(GroundCellColour(kTerrainSteep, previous), (cColour{0.3f, 0.3f, 0.3f}));
  EXPECT_EQ(GroundCellColour(kTerrainWater, previous), (cColour{0.0f, 0.0f, 0.3f}));
  for (int unknown : {0, 3, 5, -1}) EXPECT_EQ(GroundCellColour(unknown, previous), previous);
}

TEST(Ground, CellCornersAreReCentredOnTheAvatar) {
  const struct {
    cVector centre;
    int i, j;
    float x, z;
  } cases[] = {
      {cVector(500.0f, 0.0f, 10.0f), 0, 0, 12.0f, -10.0f},
      {cVector(0.0f, 0.0f, 0.0f), 0, 0, 0.0f, 0.0f},
      {cVector(0.0f, 0.0f, 0.0f), 63, 63, -8.0f, -8.0f},
      {cVector(256.0f, 0.0f, 256.0f), 0, 32, -256.0f, 0.0f},
  };
  for (const auto& c : cases) {
    const cVector corner = GroundCellCorner(c.i, c.j, c.centre);
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

TEST(Compass, NeedleIsFortyPixelsTowardTheNestAsTheCameraSeesIt) {
  // The top-down camera at yaw 0 shows world +x to the right and +z downward.
  const struct {
    cVector toNest;
    float yaw;
    float x, y;  // pixels, y up
  } cases[] = {
      {cVector(0.0f, 0.0f, 5.0f), 0.0f, 0.0f, -40.0f},
      {cVector(3.0f, 0.0f, 0.0f), 0.0f, 40.0f, 0.0f},
      {cVector(0.0f, 0.0f, 5.0f), 90.0f, 40.0f, 0.0f},
      {cVector(-100.0f, 0.0f, 0.0f), 180.0f, 40.0f, 0.0f},
  };
  for (const auto& c : cases) {
    float x = 0.0f, y = 0.0f;
    ASSERT_TRUE(CompassNeedle(c.toNest, c.yaw, x, y));
    EXPECT_NEAR(x, c.x, 1e-3f) << "yaw " << c.yaw;
    EXPECT_NEAR(y, c.y, 1e-3f) << "yaw " << c.yaw;
  }
}

TEST(Compass, NoNeedleWhileStandingOnTheNest) {
  float x = 0.0f, y = 0.0f;
  EXPECT_FALSE(CompassNeedle(cVector(0.0f, 0.0f, 0.0f), 0.0f, x, y));
  EXPECT_FALSE(CompassNeedle(cVector(0.0001f, 0.0f, 0.0f), 0.0f, x, y));
  EXPECT_TRUE(CompassNeedle(cVector(0.001f, 0.0f, 0.0f), 0.0f, x, y));
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
  const struct {
    const char* name;
    cVector farPoint, eyePoint;
    cVector ground;
  } cases[] = {
      {"straight down", cVector(0, -990, 0), cVector(0, 10, 0), cVector(0, 0, 0)},
      {"slanting down", cVector(100, -90, 0), cVector(0, 10, 0), cVector(10, 0, 0)},
      {"beyond the far plane", cVector(1000, 5, 0), cVector(0, 10, 0), cVector(2000, 0, 0)},
      {"from below the ground", cVector(100, 90, 0), cVector(0, -10, 0), cVector(10, 0, 0)},
      {"level with the horizon", cVector(0, 10, 700), cVector(0, 10, 0), cVector(0, 0, 256)},
      {"above the horizon", cVector(-30, 50, -40), cVector(0, 10, 0), cVector(-153.6f, 0, -204.8f)},
      {"straight up", cVector(0, 1000, 0), cVector(0, 10, 0), cVector(0, 0, 0)},
  };
  for (const auto& c : cases) {
    const cVector p = GroundAlongSightLine(c.farPoint, c.eyePoint);
    EXPECT_NEAR(p.x, c.ground.x, 1e-3f) << c.name;
    EXPECT_EQ(p.y, 0.0f) << c.name;
    EXPECT_NEAR(p.z, c.ground.z, 1e-3f) << c.name;
  }
}

}  // namespace
