// The autopilot plays as a sensible player through the game's own clicks and keys: it spends
// evolutions in the dialog, hunts what it can beat, eats when hungry, leaves a fight it is
// losing and rests at home at night; a seeded world plays out the same every time.
#include <gtest/gtest.h>

#include <tuple>

#include "app/autopilot.h"
#include "tests/world_test_support.h"
#include "world/advances.h"
#include "world/world_tick.h"

using namespace world_test;

namespace {
constexpr int kThought = 10;  // ticks between two of the autopilot's decisions

class AutopilotTest : public cWorldTest {
 protected:
  void SetUp() override {
    cWorldTest::SetUp();
    ResetAutopilot();
    can_evolve = false;
  }
  void Think() {
    for (int i = 0; i < kThought; ++i) AutopilotStep();
  }
  bool InFightWith(const cKeltoGameCritter* other) const {
    for (const cFight& fight : gWorld->fights) {
      if (!fight.done && ((fight.a == avatar && fight.b == other) || (fight.b == avatar && fight.a == other))) return true;
    }
    return false;
  }
  bool VisitingNest() const {
    for (const cNestVisit& visit : gWorld->nest_visits) {
      if (visit.visitor == avatar && !visit.done) return true;
    }
    return false;
  }
  // Out of the nest's safety but near enough not to build a new one.
  void GoOutAndGetHungry() {
    avatar->SetPosition(At(340, 340));
    avatar->target = avatar->position;
    avatar->hunger = 40.0f;
  }
};

TEST_F(AutopilotTest, AnEvolutionOnOfferIsSpentOnWinGameAndAnAbilityThroughTheDialog) {
  can_evolve = true;
  Think();
  EXPECT_TRUE(EvolutionDialogVisible()) << "pressed E";
  Think();
  EXPECT_FALSE(EvolutionDialogVisible()) << "clicked Ok";
  EXPECT_FALSE(can_evolve);
  EXPECT_EQ(avatar->advance_counts[kWinGameRow], 1);
  EXPECT_EQ(avatar->advance_counts[1], 1) << "attack first";
  EXPECT_EQ(advance_history, std::vector<int>{1});
}

// By night only a starving avatar (hunger below 25) hunts.
TEST_F(AutopilotTest, AHungryAvatarHuntsTheNearestCritterItCanBeat) {
  struct {
    const char* name;
    int species;
    float attack, hunger;
    bool night, hunted;
  } cases[] = {
      {"a weak critter", 1, 10.0f, 40.0f, false, true},
      {"a critter far stronger than the avatar", 1, 500.0f, 40.0f, false, false},
      {"a grazer, the kind the avatar evolves by", 0, 10.0f, 40.0f, false, false},
      {"a weak critter at night", 1, 10.0f, 40.0f, true, false},
      {"a weak critter at night, starving", 1, 10.0f, 10.0f, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    if (c.night) SetGameTime(120000);
    GoOutAndGetHungry();
    avatar->hunger = c.hunger;
    cKeltoGameCritter* critter = AddCritter(At(370, 340), c.species);
    critter->attack = c.attack;
    Think();
    EXPECT_EQ(avatar->target.x == critter->position.x, c.hunted);
    EXPECT_TRUE(ShiftKeyDown()) << "runs after prey 30 away, or home 85 away";
    EXPECT_EQ(VisitingNest(), !c.hunted) << "otherwise goes home";
    avatar->SetPosition(At(365, 340));
    Think();
    EXPECT_EQ(InFightWith(critter), c.hunted) << "attacks within reach";
  }
}

TEST_F(AutopilotTest, AHungryAvatarEatsACarcassInSightBeforeHunting) {
  GoOutAndGetHungry();
  AddCritter(At(350, 340), 1);
  cKeltoGameCarcass* carcass = gWorld->AddCarcass(At(340, 380));
  Think();
  ASSERT_EQ(gWorld->meals.size(), 1u);
  EXPECT_EQ(gWorld->meals.front().food, carcass);
  EXPECT_EQ(avatar->target.z, 380.0f);
}

// Below 30 health the avatar leaves a fight, unless it is winning. Against attack 1 (the
// avatar's defence 40) a blow takes 1/42 of its health: 20 health lasts 840 blows, while its
// own blows (attack 60 against defence 10: 60/71) finish 100 health in about 118.
TEST_F(AutopilotTest, ALosingFightIsLeftForHomeAndAWinningOneFoughtOut) {
  for (const auto& [health, enemyAttack, stays] :
       {std::tuple{20.0f, 60.0f, false}, {90.0f, 60.0f, true}, {20.0f, 1.0f, true}}) {
    SCOPED_TRACE(testing::Message() << "health " << health << ", enemy attack " << enemyAttack);
    SetUp();
    GoOutAndGetHungry();
    avatar->hunger = 90.0f;
    cKeltoGameCritter* enemy = AddCritter(At(343, 340), 2);
    enemy->attack = enemyAttack;
    gWorld->StartFight(enemy, avatar);
    avatar->health = health;
    Think();
    EXPECT_EQ(InFightWith(enemy), stays);
    EXPECT_EQ(VisitingNest(), !stays);
  }
}

// A prey that keeps its distance for 15 s is given up and left alone for a minute.
TEST_F(AutopilotTest, APreyChasedInVainIsLeftAloneForAMinute) {
  GoOutAndGetHungry();
  cKeltoGameCritter* critter = AddCritter(At(370, 300), 1);  // the nest is at (400, 400)
  critter->attack = 10.0f;
  const struct {
    uint32_t ms;
    bool hunted;
  } steps[] = {{1000, true}, {16000, true}, {16001, false}, {20000, false}, {76000, false}, {76002, true}};
  for (const auto& s : steps) {
    SetGameTime(s.ms);
    avatar->SetPosition(At(340, 340));  // never nearer
    Think();
    EXPECT_EQ(avatar->target.x == critter->position.x, s.hunted) << "at " << s.ms;
  }
}

// Position, motives and counters after a few minutes of play; equal runs give equal results.
std::vector<float> PlayFromSeed(uint32_t seed) {
  BuildSampleWorld(seed, 60);
  ResetAutopilot();
  cKeltoGameCritter* me = gWorld->GetAvatar();
  me->hunger = 50.0f;
  for (uint32_t t = 21; t < 21 * 6000; t += 21) {
    SetGameTime(t);
    WorldTick();
    AutopilotStep();
  }
  const cWorldCounters& c = gWorld->counters;
  return {me->position.x, me->position.z, me->health, me->hunger, static_cast<float>(c.fights_started),
          static_cast<float>(c.avatar_kills), static_cast<float>(c.AvatarDeaths())};
}

TEST_F(AutopilotTest, ASeededWorldPlaysOutTheSameEveryTime) {
  const std::vector<float> first = PlayFromSeed(3);
  EXPECT_EQ(PlayFromSeed(3), first);
  EXPECT_NE(PlayFromSeed(4), first);
}
}  // namespace
