// Critter movement and senses: steering, stepping over terrain, the terrain scan, neighbour and
// plant memories, and tree cover.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "tests/world_test_support.h"
#include "world/senses.h"

using namespace world_test;

namespace {
// A ground direction (w 0, so that adding it to a point keeps the point's w).
cVector Dir(float x, float z) { return cVector(x, 0.0f, z, 0.0f); }
}  // namespace

using WorldMovementTest = cWorldTest;

// The critter faces +z; the point is taken the short way round, and standing on it leaves
// every number finite.
TEST_F(WorldMovementTest, SteeringTurnsFivePercentAndScalesSpeedByTheAngle) {
  struct {
    const char* name;
    cVector from, point;
    float speedFactor, fullTurn;  // speed / speed argument; desired_heading - heading before
  } cases[] = {
      {"ahead", At(100, 100), At(100, 110), 1.0f, 0.0f},
      {"straight behind", At(100, 100), At(100, 90), 1.0f, kPi},
      {"square to the right (+x)", At(100, 100), At(110, 100), 0.0f, kPi / 2},
      {"square to the left (-x)", At(100, 100), At(90, 100), 0.0f, -kPi / 2},
      {"half right", At(100, 100), At(110, 110), std::cos(kPi / 4), kPi / 4},
      {"6 ahead across the edge, not 506 behind", At(100, 510), At(100, 4), 1.0f, 0.0f},
      {"on the point itself", At(100, 100), At(100, 100), 1.0f, 0.0f},
  };
  for (const auto& c : cases) {
    cKeltoGameCritter* critter = AddCritter(c.from);
    SteerToward(critter, c.point, 2.0f);
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(critter->speed, 2.0f * c.speedFactor, 1e-5);
    EXPECT_NEAR(critter->desired_heading, c.fullTurn, 1e-5);
    EXPECT_NEAR(critter->heading, 0.05f * c.fullTurn, 1e-6);
  }
}

TEST_F(WorldMovementTest, StepsAreScaledOrRefusedByTheTerrain) {
  // The critter stands in cell (12, 12) and steps +x toward cell (13, 12).
  struct {
    const char* name;
    int32_t here, ahead;
    float climb, swim;
    bool moves;
    float distance;
  } cases[] = {
      {"land to land", kTerrainLand, kTerrainLand, 0, 0, true, 1.0f},
      {"into steep without climbing", kTerrainLand, kTerrainSteep, 0, 0, false, 0.0f},
      {"into water without swimming", kTerrainLand, kTerrainWater, 0, 0, false, 0.0f},
      {"into steep with climbing", kTerrainLand, kTerrainSteep, 0.5f, 0, true, 1.0f},
      {"on steep with climb 0.5", kTerrainSteep, kTerrainSteep, 0.5f, 0, true, 0.5f},
      {"on water with swim 0.25", kTerrainWater, kTerrainLand, 0, 0.25f, true, 0.25f},
      {"stranded on steep, into steep", kTerrainSteep, kTerrainSteep, 0, 0, false, 0.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gTerrainClasses[12][12] = c.here;
    gTerrainClasses[13][12] = c.ahead;
    cKeltoGameCritter* critter = AddCritter(At(103.5f, 100));
    critter->climb = c.climb;
    critter->swim = c.swim;
    critter->heading = kPi / 2;
    EXPECT_EQ(critter->Move(1.0f), c.moves);
    EXPECT_NEAR(critter->position.x - 103.5f, c.distance, 1e-5);
  }
}

TEST_F(WorldMovementTest, StepsWrapRoundTheWorldEdges) {
  struct {
    cVector from;
    float heading;
    cVector to;
  } steps[] = {{At(511.5f, 100), kPi / 2, At(0.5f, 100)}, {At(100, 0.25f), kPi, At(100, 511.25f)}};
  for (const auto& s : steps) {
    cKeltoGameCritter* critter = AddCritter(s.from);
    critter->heading = s.heading;
    ASSERT_TRUE(critter->Move(1.0f));
    EXPECT_NEAR((critter->position - s.to).Length(), 0.0f, 1e-4) << s.to.x << "," << s.to.z;
  }
}

// The critter's cell is (12, 12) at (100, 100) and (0, 0) at (4, 4). The scan skips the corners
// of its 5 x 5 square and reaches across the world's edge.
TEST_F(WorldMovementTest, TerrainScanPointsAwayFromBlockingCellsAndBlocksThatWayOnly) {
  struct {
    const char* name;
    std::vector<std::pair<int, int>> cells;
    int32_t terrainClass;
    cVector at;
    float swim, awayX;
    int blockedCount;
    std::vector<cVector> blocked, open;
  } cases[] = {
      {"water two cells toward +x", {{14, 12}}, kTerrainWater, At(100, 100), 0, -1, 1, {Dir(1, 0), Dir(1, 1)},
       {Dir(0, 1), Dir(-1, 0)}},
      {"a swimmer is not blocked by water", {{14, 12}}, kTerrainWater, At(100, 100), 1, 0, 0, {}, {Dir(1, 0)}},
      {"a corner is skipped; two cells toward -x across the edge", {{2, 2}, {62, 0}}, kTerrainSteep, At(4, 4), 0, 1,
       1, {Dir(-1, 0)}, {Dir(1, 0)}},
      {"one cell toward +x across the far edge, from cell 63 to 0", {{0, 12}}, kTerrainWater, At(508, 100), 0, -1, 1,
       {Dir(1, 0)}, {Dir(-1, 0)}},
      // Far outside the world the critter's cell is the nearest edge cell, 63.
      {"a critter far beyond the far edge scans round cell 63", {{61, 12}}, kTerrainWater, At(1e20f, 100), 0, 1, 1,
       {Dir(-1, 0)}, {Dir(1, 0)}},
      {"open ground", {}, kTerrainLand, At(300, 300), 0, 0, 0, {},
       {Dir(1, 0), Dir(-1, 0), Dir(0, 1), Dir(0, -1), Dir(1, 1), Dir(-1, -1)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FillTerrainWithLand();
    for (auto [x, z] : c.cells) gTerrainClasses[x][z] = c.terrainClass;
    cKeltoGameCritter* critter = AddCritter(c.at);
    critter->swim = c.swim;
    const cVector away = TerrainAvoidance(critter);
    EXPECT_NEAR(away.x, c.awayX, 1e-6);
    EXPECT_NEAR(away.z, 0.0f, 1e-6);
    ASSERT_EQ(gBlockedDirections.count, c.blockedCount);
    for (const cVector& v : c.blocked) EXPECT_TRUE(PathBlocked(v)) << v.x << "," << v.z;
    for (const cVector& v : c.open) EXPECT_FALSE(PathBlocked(v)) << v.x << "," << v.z;
  }
}

// Each blocking cell counts as one unit direction: water two cells toward +x and two toward
// +z push equally, so the push is diagonal.
TEST_F(WorldMovementTest, TerrainScanWeighsEveryBlockingCellAlike) {
  gTerrainClasses[14][12] = gTerrainClasses[12][14] = kTerrainWater;  // around cell (12, 12)
  const cVector away = TerrainAvoidance(AddCritter(At(100, 100)));
  EXPECT_NEAR(away.x, -0.70710678f, 1e-6);
  EXPECT_NEAR(away.z, -0.70710678f, 1e-6);
}

// Noticing takes near, waking newcomers once each; pruning drops the far, the sleeping and
// those in the nest.
TEST_F(WorldMovementTest, NoticingAndPruningTheNeighbourList) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  struct {
    const char* name;
    cVector position;
    int state;
    bool inNest, noticed, keptByPruning;
  } cases[] = {
      {"near", At(120, 100), kStateFlocking, false, true, true},
      {"far", At(100, 400), kStateFlocking, false, false, false},
      {"exactly 25 away", At(125, 100), kStateFlocking, false, false, true},
      {"asleep", At(105, 100), kStateSleeping, false, false, false},
      {"going home", At(95, 100), kStateGoingHome, false, true, true},
      {"in the nest", At(101, 100), kStateFlocking, true, true, false},
  };
  std::vector<cKeltoGameCritter*> others;
  for (const auto& c : cases) {
    cKeltoGameCritter* other = AddCritter(c.position);
    other->state = c.state;
    other->in_nest = c.inNest;
    critter->NoticeCritter(other);
    critter->NoticeCritter(other);
    EXPECT_EQ(critter->IsNeighbour(other), c.noticed) << c.name;
    others.push_back(other);
  }
  EXPECT_EQ(critter->neighbours.size(), 3u) << "nobody is listed twice";
  critter->neighbours = others;
  critter->PruneNeighbours();
  for (size_t i = 0; i < others.size(); ++i) {
    EXPECT_EQ(critter->IsNeighbour(others[i]), cases[i].keptByPruning) << "pruning " << cases[i].name;
  }
}

TEST_F(WorldMovementTest, PruningSortsTheNearestIntoTheFlockMatePlaces) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  for (int i = 8; i >= 1; --i) critter->neighbours.push_back(AddCritter(At(100.0f + 2.0f * i, 100)));
  // Farthest first, so the first call swaps: a flock-mate place, then one of the five others.
  const std::vector<cKeltoGameCritter*> before = critter->neighbours;
  SeedRandom(9);
  const int mate = NextRandom() % 3;
  const int other = 3 + NextRandom() % 5;
  SeedRandom(9);
  critter->PruneNeighbours();
  EXPECT_EQ(critter->neighbours[mate], before[other]);
  EXPECT_EQ(critter->neighbours[other], before[mate]);
  for (int i = 0; i < 500; ++i) critter->PruneNeighbours();
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_LE(critter->neighbours[i]->position.x, 106.0f) << "place " << i << " holds a far critter";
  }
}

TEST_F(WorldMovementTest, NearestNeighbourAndNearestPrey) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100), 0);
  EXPECT_EQ(NearestNeighbour(critter), nullptr);
  EXPECT_EQ(NearestPreyNeighbour(critter), nullptr);
  cKeltoGameCritter* kin = AddCritter(At(103, 100), 0);
  cKeltoGameCritter* tieFirst = AddCritter(At(100, 106), 1);
  cKeltoGameCritter* tieSecond = AddCritter(At(94, 100), 1);
  cKeltoGameCritter* nested = AddCritter(At(104, 100), 1);
  nested->in_nest = true;
  critter->neighbours = {tieFirst, tieSecond, kin, nested};
  EXPECT_EQ(NearestNeighbour(critter), kin);
  EXPECT_EQ(NearestPreyNeighbour(critter), tieFirst) << "same species and nested ones are no prey";
  tieFirst->SetPosition(At(100, 200));
  tieSecond->SetPosition(At(200, 100));
  EXPECT_EQ(NearestPreyNeighbour(critter), nullptr) << "100 away is too far";
}

TEST_F(WorldMovementTest, RememberingPlantsKeepsThreeAndSwapsInNearerOnes) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  EXPECT_EQ(critter->NearestPlantDistance(), -1.0f);
  cKeltoGamePlant* p5 = AddPlant(At(105, 100));
  cKeltoGamePlant* p30 = AddPlant(At(130, 100));
  cKeltoGamePlant* p40 = AddPlant(At(140, 100));
  for (cKeltoGamePlant* p : {p30, p5, p40, p5}) critter->RememberPlant(p);
  ASSERT_EQ(critter->known_plants.size(), 3u) << "a plant is remembered once";
  critter->RememberPlant(AddPlant(At(100, 150)));
  EXPECT_EQ(critter->known_plants[0], p30) << "50 away is farther than all three";
  cKeltoGamePlant* p20 = AddPlant(At(100, 120));
  critter->RememberPlant(p20);
  EXPECT_EQ(critter->known_plants[0], p20) << "replaces the first farther one, the one at 30";
  EXPECT_EQ(critter->known_plants[2], p40);
  EXPECT_FLOAT_EQ(critter->NearestPlantDistance(), 5.0f);
}

// Under cover means nearer than tree_cover_distance (12 by default) to a remembered plant.
TEST_F(WorldMovementTest, TreeCoverEndsAtExactlyTheCoverDistance) {
  for (const auto& [distance, hidden] : {std::pair{11.99f, true}, {12.0f, false}}) {
    cKeltoGameCritter* critter = AddCritter(At(100, 100));
    critter->RememberPlant(AddPlant(At(100 + distance, 100)));
    critter->UpdateCover();
    EXPECT_EQ(critter->hidden, hidden) << distance;
  }
}

// Tree cover is 12 by default. Coming back under cover does not restart a running exit timer.
TEST_F(WorldMovementTest, LeavingCoverKeepsTheAvatarHiddenForOneAndAHalfSeconds) {
  avatar->SetPosition(At(100, 100));
  cKeltoGamePlant* tree = AddPlant(At(150, 100));
  avatar->RememberPlant(tree);
  struct {
    uint32_t ms;
    float treeDistance;
    bool hidden;
    std::optional<uint32_t> exitTimer;
  } steps[] = {
      {1000, 50, false, {}},  // never hidden: no timer
      {1000, 5, true, {}},    {3000, 50, true, 3000}, {3500, 50, true, 3000},
      {4000, 5, true, 3000},  {4500, 50, true, 3000}, {4501, 50, false, {}},
  };
  for (const auto& s : steps) {
    SetGameTime(s.ms);
    tree->SetPosition(At(100 + s.treeDistance, 100));
    avatar->UpdateCover();
    EXPECT_EQ(avatar->hidden, s.hidden) << "at " << s.ms;
    EXPECT_EQ(avatar->cover_exit_ms, s.exitTimer) << "at " << s.ms;
  }
}
