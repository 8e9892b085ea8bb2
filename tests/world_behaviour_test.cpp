// Critter behaviour: prey choice, noticing the avatar, the daily state cycle, the flocking
// handler's target rules and the terms of the flocking steer.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/world_test_support.h"
#include "world/behaviour.h"
#include "world/senses.h"

using namespace world_test;

using WorldBehaviourTest = cWorldTest;

// The critter stands at (100, 100) facing +z; perception 60 / 80 / 20, stealth 1. Once alarmed
// it stays so until the avatar is 10 beyond the running range (the walking one while hidden).
TEST_F(WorldBehaviourTest, PerceptionDependsOnRangeDirectionCoverAndFighting) {
  struct {
    const char* name;
    float distance, bearing;  // bearing of the avatar from the critter's facing, radians
    bool running, hidden, fighting, wasAware, aware;
  } cases[] = {
      {"walking, in front at 59.9", 59.9f, 0, false, false, false, false, true},
      {"walking, in front at 60.1", 60.1f, 0, false, false, false, false, false},
      {"walking, behind at 10", 10, kPi, false, false, false, false, false},
      {"walking, square to the side", 10, kPi / 2, false, false, false, false, false},
      {"running, in front at 79.9", 79.9f, 0, true, false, false, false, true},
      {"running, in front at 80.1", 80.1f, 0, true, false, false, false, false},
      {"hidden, in front at 20.1", 20.1f, 0, false, true, false, false, false},
      {"hidden, at the side at 19.9", 19.9f, kPi / 2, false, true, false, false, true},
      {"hidden, partly behind (cos -0.6)", 19.9f, std::acos(-0.6f), false, true, false, false, true},
      {"hidden, behind (cos -0.8)", 19.9f, std::acos(-0.8f), false, true, false, false, false},
      {"fighting, behind at 59.9", 59.9f, kPi, false, false, true, false, true},
      {"fighting, behind at 60.1", 60.1f, kPi, false, false, true, false, false},
      {"alarmed, 89.9 away behind", 89.9f, kPi, false, false, false, true, true},
      {"alarmed, 90.1 away behind", 90.1f, kPi, false, false, false, true, false},
      {"alarmed, hidden 69.9 away", 69.9f, kPi, false, true, false, true, true},
      {"alarmed, hidden 70.1 away", 70.1f, kPi, false, true, false, true, false},
  };
  for (const auto& c : cases) {
    cKeltoGameCritter* critter = AddCritter(At(100, 100));
    critter->aware = c.wasAware;
    avatar->SetPosition(At(100 + c.distance * std::sin(c.bearing), 100 + c.distance * std::cos(c.bearing)));
    avatar->speed = c.running ? 3.0f : 1.0f;
    avatar->hidden = c.hidden;
    avatar->state = c.fighting ? kStateFighting : kStateFlocking;
    PerceiveAvatar(critter);
    EXPECT_EQ(critter->aware, c.aware) << c.name;
  }
}

TEST_F(WorldBehaviourTest, TheDailyCycleOfStates) {
  const int kNoPlant = -1;
  struct {
    const char* name;
    int species, state;
    bool dayNow;
    float homeDistance;  // distance to the remembered plant, or kNoPlant
    int nextState;
  } cases[] = {
      {"diurnal flocking at nightfall goes home", 0, kStateFlocking, false, 50, kStateGoingHome},
      {"nocturnal flocking at daybreak goes home", 3, kStateFlocking, true, 50, kStateGoingHome},
      {"knowing no plant it sleeps where it stands", 0, kStateFlocking, false, kNoPlant, kStateSleeping},
      {"diurnal flocking by day keeps flocking", 0, kStateFlocking, true, 50, kStateFlocking},
      {"asleep at night stays asleep", 0, kStateSleeping, false, 50, kStateSleeping},
      {"asleep at daybreak wakes", 0, kStateSleeping, true, 50, kStateFlocking},
      {"nocturnal asleep at nightfall wakes", 3, kStateSleeping, false, 50, kStateFlocking},
      {"going home far from home keeps going", 0, kStateGoingHome, false, 50, kStateGoingHome},
      {"going home within 2 falls asleep", 0, kStateGoingHome, false, 1.9f, kStateSleeping},
      {"going home at 2.5 walks on", 0, kStateGoingHome, false, 2.5f, kStateGoingHome},
      {"going home at daybreak wakes", 0, kStateGoingHome, true, 1.0f, kStateFlocking},
  };
  for (const auto& c : cases) {
    cKeltoGameCritter* critter = AddCritter(At(100, 100), c.species);
    if (c.homeDistance != kNoPlant) {
      critter->RememberPlant(AddPlant(At(100, 100 + c.homeDistance)));
      if (c.state == kStateGoingHome) critter->target = critter->known_plants[0]->position;
    }
    critter->state = c.state;
    critter->neighbours.push_back(AddCritter(At(101, 100)));  // GoHome must forget them
    RunStateHandler(critter, c.dayNow);
    EXPECT_EQ(critter->state, c.nextState) << c.name;
    if (c.state == kStateFlocking && c.nextState != kStateFlocking) {
      EXPECT_TRUE(critter->neighbours.empty()) << c.name;
    }
  }
}

// Far from home it runs, swinging its target 5 degrees aside while the way ahead is blocked;
// near home it walks.
TEST_F(WorldBehaviourTest, GoingHomeRunsWhenFarTurnsAsideWhenBlockedAndWalksWhenNear) {
  struct {
    float distance;
    bool waterAhead;
    float speed, targetBearingDegrees;
  } cases[] = {{50, false, 3.0f, 0}, {3, false, 1.0f, 0}, {50, true, 3.0f * std::cos(5 * kPi / 180), -5}};
  for (const auto& c : cases) {
    gTerrainClasses[12][13] = c.waterAhead ? kTerrainWater : kTerrainLand;  // the cell ahead of (100, 100)
    cKeltoGameCritter* critter = AddCritter(At(100, 100));
    critter->RememberPlant(AddPlant(At(100, 100 + c.distance)));
    GoHome(critter);
    GoingHomeHandler(critter, false);
    const cVector way = critter->target - At(100, 100);
    SCOPED_TRACE(c.distance);
    EXPECT_NEAR(critter->speed, c.speed, 1e-5);
    EXPECT_NEAR((critter->position - At(100, 100)).Length(), 0.1f * c.speed, 1e-4);
    EXPECT_NEAR(std::atan2(way.x, way.z), c.targetBearingDegrees * kPi / 180, 1e-5);
    EXPECT_NEAR(way.Length(), c.distance, 1e-4);
  }
}

// The first critter is alone in the world: choosing another one to notice must not search
// for ever, and the critter still flocks on.
TEST_F(WorldBehaviourTest, WhoKeepsItsTargetOnArrival) {
  struct {
    const char* name;
    int species;
    bool aware, newTarget;
  } cases[] = {
      {"calm", 0, false, true},
      {"alarmed peaceful", 0, true, false},
      {"alarmed aggressive", 2, true, true},
  };
  for (const auto& c : cases) {
    cKeltoGameCritter* critter = AddCritter(At(100, 100), c.species);
    critter->aware = c.aware;
    critter->target = At(100, 100.05f);
    FlockingHandler(critter, true);
    EXPECT_EQ(critter->target.z != 100.05f, c.newTarget) << c.name;
    EXPECT_GT(critter->position.z, 100.0f) << c.name;
  }
}

// Flocking prunes the neighbour list every tick: the far and the sleeping are forgotten.
TEST_F(WorldBehaviourTest, FlockingForgetsNeighboursFarAwayOrAsleep) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  cKeltoGameCritter* far = AddCritter(At(100, 300));
  cKeltoGameCritter* asleep = AddCritter(At(105, 100));
  asleep->state = kStateSleeping;
  critter->neighbours = {far, asleep};
  FlockingHandler(critter, true);
  EXPECT_FALSE(critter->IsNeighbour(far));
  EXPECT_FALSE(critter->IsNeighbour(asleep));
}

TEST_F(WorldBehaviourTest, AnAggressiveCritterPicksTheNearestOtherSpecies) {
  struct {
    const char* name;
    float preyDistance;  // 0: no prey yet
    float candidateDistance;
    int candidateSpecies;
    bool switches, dropsPrey;
  } cases[] = {
      {"first prey within 40", 0, 30, 0, true, false},
      {"no first prey at 40.5", 0, 40.5f, 0, false, false},
      {"nearer candidate", 30, 20, 0, true, false},
      {"farther candidate, both within 40", 10, 20, 0, false, false},
      {"own species is no prey", 0, 5, 2, false, false},
      {"lone candidate beyond 40 drops the prey", 45, 50, 0, false, true},
  };
  for (const auto& c : cases) {
    cKeltoGameCritter* hunter = AddCritter(At(100, 100), 2);
    cKeltoGameCritter* prey = nullptr;
    if (c.preyDistance > 0) hunter->prey = prey = AddCritter(At(100 - c.preyDistance, 100), 1);
    cKeltoGameCritter* candidate = AddCritter(At(100, 100 + c.candidateDistance), c.candidateSpecies);
    hunter->neighbours = {candidate};
    UpdatePrey(hunter);
    cKeltoGameCritter* expected = c.switches ? candidate : c.dropsPrey ? nullptr : prey;
    EXPECT_EQ(hunter->prey, expected) << c.name;
  }
}

// The critter at (100, 100) faces +z toward a target straight ahead; each case adds one
// influence and says whether the steer still points ahead or turns right round.
TEST_F(WorldBehaviourTest, FlockingTermsSteerTowardOrAway) {
  enum eInfluence { kAvatarAhead, kMateAhead, kAggressiveNeighbourAhead };
  struct {
    const char* name;
    int species;
    bool aware;
    eInfluence influence;
    int mateSpecies;
    float mateDistance;
    bool turnsAround;
  } cases[] = {
      {"alarmed prey flees the avatar", 0, true, kAvatarAhead, 0, 0, true},
      {"calm prey ignores the avatar", 0, false, kAvatarAhead, 0, 0, false},
      {"species 1 never flees the avatar", 1, true, kAvatarAhead, 0, 0, false},
      {"kin closer than 5 pushes apart", 0, false, kMateAhead, 0, 3, true},
      {"kin between 5 and 8 leaves the course alone", 0, false, kMateAhead, 0, 6, false},
      {"kin beyond 8 pulls together", 0, false, kMateAhead, 0, 12, false},
      {"another species pushes a peaceful critter away", 0, false, kMateAhead, 1, 12, true},
      {"an aggressive critter ignores other species", 2, false, kMateAhead, 0, 3, false},
      {"an aggressive critter keeps apart from kin", 2, false, kMateAhead, 2, 3, true},
      {"prey flees aggressive neighbours", 0, false, kAggressiveNeighbourAhead, 2, 22, true},
  };
  for (const auto& c : cases) {
    cKeltoGameCritter* critter = AddCritter(At(100, 100), c.species);
    critter->target = At(100, 200);
    critter->aware = c.aware;
    avatar->SetPosition(At(400, 400));
    if (c.influence == kAvatarAhead) {
      avatar->SetPosition(At(100, 130));
    } else {
      critter->neighbours.push_back(AddCritter(At(100, 100 + c.mateDistance), c.mateSpecies));
    }
    FlockStep(critter, avatar);
    const float turn = std::fabs(critter->desired_heading);
    EXPECT_NEAR(turn, c.turnsAround ? kPi : 0.0f, 1e-4) << c.name;
  }
}

// The critter at (100, 100) heads for (100, 200) straight ahead.
TEST_F(WorldBehaviourTest, TheDetourSideFlipsOnOpenGroundAndTurnsTheTargetWhenBlocked) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  for (const float sign : {1.0f, -1.0f}) {
    critter->target = At(100, 200);
    critter->detour_sign = sign;
    FlockStep(critter, avatar);
    EXPECT_EQ(critter->detour_sign, -sign) << "open ground flips the side every tick";
    EXPECT_FLOAT_EQ(critter->target.z, 200.0f);
  }
  gTerrainClasses[12][14] = kTerrainWater;  // two cells ahead
  for (const float sign : {1.0f, -1.0f}) {
    critter->target = At(100, 200);
    critter->detour_sign = sign;
    FlockStep(critter, avatar);
    EXPECT_EQ(critter->detour_sign, sign) << "blocked, it keeps its side";
    const cVector way = critter->target - critter->position;
    EXPECT_NEAR(std::atan2(way.x, way.z), -5.0f * sign * kPi / 180, 1e-5) << "side " << sign;
  }
}

// With water two cells ahead and two behind the scan's pushes cancel, so the steer still
// points ahead, into a blocked way: it is turned 5 degrees, once.
TEST_F(WorldBehaviourTest, ABlockedSteerIsTurnedFiveDegrees) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  critter->target = At(100, 200);
  FlockStep(critter, avatar);
  EXPECT_NEAR(critter->desired_heading, 0.0f, 1e-6) << "open ground: straight ahead";
  gTerrainClasses[12][14] = gTerrainClasses[12][10] = kTerrainWater;
  critter->heading = 0.0f;
  FlockStep(critter, avatar);
  EXPECT_NEAR(critter->desired_heading, -5.0f * kPi / 180, 1e-5);
}

// A tree 1 ahead pushes with 3 - 1 = 2 against the goal's 1: the steer turns round. At 2.5 the
// push is 0.5, at 3 there is none.
TEST_F(WorldBehaviourTest, ARememberedTreeWithinThreePushesTheCritterOff) {
  for (const auto& [distance, turnsAround] : {std::pair{1.0f, true}, {2.5f, false}, {3.0f, false}}) {
    cKeltoGameCritter* critter = AddCritter(At(100, 100));
    critter->target = At(100, 200);
    critter->RememberPlant(AddPlant(At(100, 100 + distance)));
    FlockStep(critter, avatar);
    EXPECT_NEAR(std::fabs(critter->desired_heading), turnsAround ? kPi : 0.0f, 1e-5) << distance;
  }
}

// The avatar behind the critter, so fleeing and the goal point the same way: straight ahead.
TEST_F(WorldBehaviourTest, AnAlarmedCritterRunsACalmOneWalks) {
  avatar->SetPosition(At(100, 50));
  for (const auto& [species, aware, speed] : {std::tuple{0, false, 1.0f}, {0, true, 3.0f}, {2, true, 3.0f}}) {
    cKeltoGameCritter* critter = AddCritter(At(100, 100), species);
    critter->target = At(100, 200);
    critter->aware = aware;
    FlockStep(critter, avatar);
    EXPECT_FLOAT_EQ(critter->speed, speed) << "species " << species << (aware ? " alarmed" : " calm");
  }
}

// Each flock mate of an alarmed critter has one chance in a hundred to be alarmed too.
TEST_F(WorldBehaviourTest, AlarmSpreadsToFlockMatesOneTimeInAHundred) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  critter->aware = true;
  avatar->in_nest = true;  // nothing to flee
  cKeltoGameCritter* mate = AddCritter(At(110, 100));
  critter->neighbours = {mate};
  int alarmed = 0;
  for (int i = 0; i < 10000; ++i) {
    mate->aware = false;
    FlockStep(critter, avatar);
    alarmed += mate->aware;
  }
  EXPECT_GT(alarmed, 60);  // 100 expected; 1 in 10 or in 1000 would be far outside
  EXPECT_LT(alarmed, 140);
  critter->aware = false;
  mate->aware = false;
  for (int i = 0; i < 1000; ++i) FlockStep(critter, avatar);
  EXPECT_FALSE(mate->aware) << "a calm critter alarms nobody";
}

TEST_F(WorldBehaviourTest, FlockMatesShareACalmCrittersDestination) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  critter->target = At(300, 300);
  cKeltoGameCritter* far = AddCritter(At(110, 100));
  cKeltoGameCritter* asleep = AddCritter(At(90, 100));
  asleep->state = kStateSleeping;
  cKeltoGameCritter* fourth = AddCritter(At(100, 110));
  critter->neighbours = {far, asleep, avatar, fourth};
  FlockStep(critter, avatar);
  EXPECT_FLOAT_EQ(far->target.x, 300.0f);
  EXPECT_FLOAT_EQ(asleep->target.x, 90.0f) << "only flocking mates follow";
  EXPECT_FLOAT_EQ(avatar->target.x, 400.0f) << "the avatar is never led";
  EXPECT_FLOAT_EQ(fourth->target.x, 100.0f) << "only the first three are flock mates";
}

TEST_F(WorldBehaviourTest, AHunterChasesItsPreyAndGivesUpAtTheNest) {
  cKeltoGameCritter* hunter = AddCritter(At(100, 100), 2);
  cKeltoGameCritter* prey = AddCritter(At(130, 100), 0);
  hunter->prey = prey;
  FlockStep(hunter, avatar);
  EXPECT_FLOAT_EQ(hunter->target.x, 130.0f);
  prey->in_nest = true;
  FlockStep(hunter, avatar);
  EXPECT_EQ(hunter->prey, nullptr);
}

// The hunter at (100, 100) tries to attack prey straight ahead. A fight needs 8 or less, so
// between 8 and 10 the attempt shows only when the prey is the avatar: the hunter is alarmed.
TEST_F(WorldBehaviourTest, AHunterAttacksPreyWithinTenThatIsNeitherInTheNestNorFighting) {
  struct {
    const char* name;
    float distance;
    bool preyIsAvatar, inNest, preyFighting;
    bool fight, hunterAlarmed;
  } cases[] = {
      {"7 away", 7, false, false, false, true, false},
      {"the avatar 7 away", 7, true, false, false, true, true},
      {"the avatar 9.99 away", 9.99f, true, false, false, false, true},
      {"the avatar 10 away", 10, true, false, false, false, false},
      {"7 away in the nest", 7, true, true, false, false, false},
      {"7 away already fighting", 7, false, false, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gWorld->fights.clear();
    cKeltoGameCritter* hunter = AddCritter(At(100, 100), 2);
    cKeltoGameCritter* prey = c.preyIsAvatar ? avatar : AddCritter(At(0, 0), 0);
    prey->SetPosition(At(100, 100 + c.distance));
    prey->in_nest = c.inNest;
    prey->state = c.preyFighting ? kStateFighting : kStateFlocking;
    hunter->prey = prey;
    FlockingHandler(hunter, true);
    EXPECT_EQ(gWorld->fights.size(), c.fight ? 1u : 0u);
    EXPECT_EQ(hunter->state == kStateFighting, c.fight);
    EXPECT_EQ(hunter->aware, c.hunterAlarmed);
  }
}

// Fighting, a critter walks to its spot beside the fight and stands there.
TEST_F(WorldBehaviourTest, AFighterWalksToItsSpotAndStops) {
  cKeltoGameCritter* fighter = AddCritter(At(100, 100));
  fighter->state = kStateFighting;
  fighter->target = At(100, 105);
  FightingHandler(fighter);
  EXPECT_FLOAT_EQ(fighter->speed, 1.0f) << "walking, not running, straight at the spot";
  EXPECT_FLOAT_EQ(fighter->position.z, 100.1f);
  fighter->target = fighter->position;
  fighter->speed = 3.0f;
  FightingHandler(fighter);
  EXPECT_EQ(fighter->speed, 0.0f);
  EXPECT_FLOAT_EQ(fighter->position.z, 100.1f);
}

// Each tick a critter is offered five plants, one draw each, at r mod the number of plants.
TEST_F(WorldBehaviourTest, FivePlantDrawsATick) {
  std::vector<cKeltoGamePlant*> plants;
  // All on one spot, so no later offer is nearer than the first one remembered.
  for (int i = 0; i < 7; ++i) plants.push_back(AddPlant(At(100, 110)));
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  SeedRandom(3);
  std::vector<int> draws;
  for (int i = 0; i < 6; ++i) draws.push_back(NextRandom());
  SeedRandom(3);
  RememberRandomPlants(critter);
  EXPECT_EQ(NextRandom(), draws[5]) << "exactly five numbers drawn";
  ASSERT_FALSE(critter->known_plants.empty());
  EXPECT_EQ(critter->known_plants[0], plants[static_cast<size_t>(draws[0] % 7)]);
}
