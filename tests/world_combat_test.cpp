// Fights, deaths, carcasses, meals and carrying, including the lifetime of a removed carcass.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/world_test_support.h"
#include "world/world_tick.h"

using namespace world_test;

namespace {
class WorldCombatTest : public cWorldTest {
 protected:
  void SetUp() override {
    cWorldTest::SetUp();
    gConfig.turn_speed = 2000.0f;
    gConfig.carcass_decay_time = 60000.0f;
    SetGameTime(10000);
  }
  cKeltoGameCarcass* CarcassNearAvatar(float distance) {
    return gWorld->AddCarcass(avatar->position + cVector(distance, 0.0f, 0.0f, 0.0f));
  }
};
}  // namespace

// a stands at (ax, 100), b at (ax + dx, 100 + dz). Each fighter's spot is 2 from the centre on
// its own side.
TEST_F(WorldCombatTest, AFightStartsOnlyWithinEightAndBetweenWakingCritters) {
  struct {
    const char* name;
    float ax, dx, dz;
    bool avatarIsA, bAsleep, starts, bAware;
  } cases[] = {
      {"8.0 apart", 100, 8.0f, 0, false, false, true, false},
      {"8.01 apart", 100, 8.01f, 0, false, false, false, false},
      {"3, 4 apart", 100, 3, 4, false, false, true, false},
      {"the avatar 8.01 from its opponent alarms it anyway", 100, 8.01f, 0, true, false, false, true},
      {"a sleeping opponent cannot fight but wakes alarmed", 100, 2, 0, true, true, false, true},
      {"2 apart across the edge, but measured plainly", 511, -510, 0, false, false, false, false},
  };
  for (const auto& c : cases) {
    ResetWorld();
    avatar = AddAvatar(At(c.ax, 100));
    cKeltoGameCritter* a = c.avatarIsA ? avatar : AddCritter(At(c.ax, 100));
    cKeltoGameCritter* b = AddCritter(At(c.ax + c.dx, 100 + c.dz), 1);
    if (c.bAsleep) b->state = kStateSleeping;
    gWorld->StartFight(a, b);
    SCOPED_TRACE(c.name);
    EXPECT_EQ(gWorld->fights.size(), c.starts ? 1u : 0u);
    EXPECT_EQ(a->state == kStateFighting, c.starts);
    EXPECT_EQ(b->aware, c.bAware);
    if (!c.starts) continue;
    const cVector centre = At(c.ax + c.dx / 2, 100 + c.dz / 2);
    const cVector e = cVector(c.dx, 0, c.dz, 0) * (2.0f / std::hypot(c.dx, c.dz));
    EXPECT_NEAR((gWorld->fights.front().centre - centre).Length(), 0.0f, 1e-5);
    EXPECT_NEAR((a->target - (centre - e)).Length(), 0.0f, 1e-5);
    EXPECT_NEAR((b->target - (centre + e)).Length(), 0.0f, 1e-5);
  }
}

// The same beat early in a game and once the clock has passed 2^31 ms.
TEST_F(WorldCombatTest, RoundsFallOnEverySecondTurnAndADrawPicksTheAttacker) {
  for (uint32_t start : {10000u, 0x80000000u}) {
    SCOPED_TRACE(start);
    gWorld->fights.clear();
    SetGameTime(start);
    cKeltoGameCritter* a = AddCritter(At(100, 100));
    cKeltoGameCritter* b = AddCritter(At(104, 100), 1);
    gWorld->StartFight(a, b);
    cFight& fight = gWorld->fights.front();
    gWorld->FightPass();
    EXPECT_EQ(fight.turn, 0) << "the first time step passes at once, without a round";
    EXPECT_EQ(fight.attacker, nullptr);
    a->health = 0.0f;  // lost between beats, as a script elsewhere in the tick might do
    SetGameTime(start + 2000);
    gWorld->FightPass();
    EXPECT_EQ(fight.turn, 0) << "exactly turn_speed later is not yet above it";
    EXPECT_FALSE(fight.done) << "a death waits for the fight's next beat";
    EXPECT_EQ(a->health, 0.0f);
    SeedRandom(77);
    const int draw = NextRandom();
    SeedRandom(77);
    SetGameTime(start + 2001);
    gWorld->FightPass();
    EXPECT_EQ(fight.turn, 1);
    EXPECT_EQ(fight.attacker, draw % 2 == 0 ? b : a);
    EXPECT_EQ(fight.last_round_ms, start + 2001);
    EXPECT_TRUE(fight.done);
    EXPECT_EQ(a->health, 100.0f) << "respawned on the beat";
    fight.done = false;
    SetGameTime(start + 4002);
    gWorld->FightPass();
    EXPECT_EQ(fight.turn, 0);
  }
}

// The first time step counts from 0: it passes once game time is above turn_speed, not at it.
TEST_F(WorldCombatTest, TheFirstTimeStepWaitsForGameTimeAboveTurnSpeed) {
  SetGameTime(2000);
  gWorld->StartFight(AddCritter(At(100, 100)), AddCritter(At(104, 100), 1));
  cFight& fight = gWorld->fights.front();
  gWorld->FightPass();
  EXPECT_EQ(fight.turn, -1) << "at exactly turn_speed";
  SetGameTime(2001);
  gWorld->FightPass();
  EXPECT_EQ(fight.turn, 0);
  EXPECT_EQ(fight.last_round_ms, 2001u);
}

// Death is health at 0 or below: half a point left is life.
TEST_F(WorldCombatTest, AFighterWithHalfAPointOfHealthLivesOn) {
  cKeltoGameCritter* a = AddCritter(At(100, 100));
  gWorld->StartFight(a, AddCritter(At(104, 100), 1));
  a->health = 0.5f;
  gWorld->FightPass();
  EXPECT_FALSE(gWorld->fights.front().done);
  EXPECT_EQ(a->health, 0.5f);
  EXPECT_EQ(gWorld->counters.critter_deaths, 0);
}

TEST_F(WorldCombatTest, AFightEndsWhenTheFightersPartOrOneIsInTheNest) {
  struct {
    const char* name;
    float apart;
    bool bInNest;
  } cases[] = {{"10.5 apart", 10.5f, false}, {"one in the nest", 4.0f, true}};
  for (const auto& c : cases) {
    gWorld->fights.clear();
    cKeltoGameCritter* a = AddCritter(At(100, 100));
    cKeltoGameCritter* b = AddCritter(At(104, 100), 1);
    gWorld->StartFight(a, b);
    b->SetPosition(At(100 + c.apart, 100));
    b->in_nest = c.bInNest;
    gWorld->FightPass();
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(gWorld->fights.front().done);
    EXPECT_EQ(gWorld->fights.front().attacker, nullptr) << "no round was fought";
    EXPECT_EQ(a->state, kStateFighting) << "the record ends on the following pass";
    gWorld->FightPass();
    EXPECT_TRUE(gWorld->fights.empty());
    EXPECT_EQ(a->state, kStateFlocking);
    EXPECT_EQ(b->state, kStateFlocking);
  }
}

TEST_F(WorldCombatTest, DeathsRespawnTheLoserAndOnlyTheAvatarsKillsLeaveCarcasses) {
  struct {
    const char* name;
    bool avatarFights, aDies, bDies;
    size_t carcasses;
  } cases[] = {
      {"an ordinary critter killed by another", false, true, false, 0},
      {"a critter killed by the avatar", true, true, false, 1},
      {"both at zero health in one step", false, true, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gWorld->fights.clear();
    cKeltoGameCritter* a = AddCritter(At(100, 100));
    cKeltoGameCritter* b = c.avatarFights ? avatar : AddCritter(At(104, 100), 1);
    b->SetPosition(At(104, 100));
    gWorld->StartFight(a, b);
    a->health = c.aDies ? 0.0f : 50.0f;
    b->health = c.bDies ? -5.0f : 50.0f;
    a->hunger = 10.0f;
    gWorld->FightPass();
    EXPECT_TRUE(gWorld->fights.front().done);
    ASSERT_EQ(gWorld->carcasses.size(), c.carcasses);
    if (c.carcasses) {
      EXPECT_FLOAT_EQ(gWorld->carcasses[0]->position.x, 100.0f) << "where it died";
    }
    EXPECT_EQ(a->health, 100.0f);
    EXPECT_EQ(a->hunger, 100.0f);
    EXPECT_EQ(a->state, kStateFlocking);
    EXPECT_NE(a->position.x, 100.0f) << "reappears elsewhere";
    EXPECT_EQ(b->health, c.bDies ? 100.0f : 50.0f);
    while (!gWorld->carcasses.empty()) gWorld->RemoveCarcass(gWorld->carcasses.back());
  }
}

TEST_F(WorldCombatTest, AClickEndsTheAvatarsFightsAndVisitsButNotItsMeals) {
  cKeltoGameCritter* critter = AddCritter(At(403, 400));
  gWorld->StartFight(avatar, critter);
  cKeltoGameCritter* x = AddCritter(At(100, 100));
  gWorld->StartFight(x, AddCritter(At(102, 100), 1));
  gWorld->StartNestVisit(avatar, gWorld->nests.front());
  gWorld->StartMeal(avatar, CarcassNearAvatar(50));
  gWorld->CancelAvatarActions();
  EXPECT_TRUE(gWorld->fights.front().done);
  EXPECT_FALSE(gWorld->fights.back().done);
  EXPECT_TRUE(gWorld->nest_visits.front().done);
  EXPECT_FALSE(gWorld->meals.front().done);
  gWorld->FightPass();
  EXPECT_EQ(avatar->state, kStateFlocking);
  EXPECT_EQ(critter->state, kStateFlocking);
}

TEST_F(WorldCombatTest, CarcassesDecayOnTimeEvenWhenCarried) {
  gConfig.carcass_decay_time = 5000.0f;
  cKeltoGameCarcass* carried = CarcassNearAvatar(5);
  carried->carrier = avatar;
  avatar->carried = carried;
  cKeltoGameCarcass* lying = CarcassNearAvatar(50);
  gWorld->StartMeal(avatar, lying);
  avatar->SetPosition(At(300, 300));
  SetGameTime(15000);
  gWorld->UpdateCarcasses();
  ASSERT_EQ(gWorld->carcasses.size(), 2u) << "exactly the decay time is not yet above it";
  EXPECT_FLOAT_EQ(carried->position.x, 300.0f) << "a carried carcass goes with its carrier";
  SetGameTime(15001);
  avatar->state = kStateFighting;
  gWorld->UpdateCarcasses();
  EXPECT_TRUE(gWorld->carcasses.empty());
  EXPECT_EQ(gWorld->objects.size(), 1u) << "only the nest is left";
  EXPECT_EQ(avatar->carried, nullptr);
  EXPECT_TRUE(gWorld->meals.empty()) << "a meal of a decayed carcass ends";
  EXPECT_EQ(avatar->state, kStateFlocking);
}

// Eating removes and frees the carcass, so nothing may point at it any more: other meals of it
// end in the same pass, and a meal may eat the very carcass the avatar carries or hovers over.
TEST_F(WorldCombatTest, AMealEatsTheCarcassOnArrivalAndLeavesNothingPointingAtIt) {
  avatar->hunger = 20.0f;
  cKeltoGameCarcass* carcass = CarcassNearAvatar(3.0f);
  carcass->carrier = avatar;
  avatar->carried = carcass;
  gGameState.hoveredObject = carcass;
  cKeltoGameCritter* other = AddCritter(At(420, 420));
  avatar->state = other->state = kStateFighting;
  gWorld->StartMeal(avatar, carcass);
  gWorld->StartMeal(other, carcass);
  EXPECT_FLOAT_EQ(avatar->target.x, 403.0f);
  cKeltoGameCarcass stray;
  gWorld->RemoveCarcass(&stray);  // one not in the world is left alone
  gWorld->MealPass();
  EXPECT_EQ(avatar->hunger, 20.0f) << "3.0 away is not nearer than 3";
  ASSERT_EQ(gWorld->carcasses.size(), 1u);
  avatar->SetPosition(At(401, 400));
  gWorld->MealPass();
  EXPECT_EQ(avatar->hunger, 100.0f);
  EXPECT_TRUE(gWorld->carcasses.empty());
  EXPECT_EQ(avatar->carried, nullptr);
  EXPECT_EQ(gGameState.hoveredObject, nullptr);
  ASSERT_EQ(gWorld->meals.size(), 1u) << "the other meal ends in the same pass";
  EXPECT_EQ(gWorld->meals.front().food, nullptr);
  EXPECT_EQ(other->state, kStateFlocking);
  gWorld->MealPass();
  EXPECT_TRUE(gWorld->meals.empty());
  EXPECT_EQ(avatar->state, kStateFlocking);
}
