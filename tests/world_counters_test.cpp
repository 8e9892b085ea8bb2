// The world's running totals: the avatar's deaths by cause, its kills and meals, and deaths by
// species, counted where each happens.
#include <gtest/gtest.h>

#include "tests/world_test_support.h"
#include "world/world_tick.h"

using namespace world_test;

namespace {
// Past the first fight step from 0, so a fight settles its deaths at once.
class WorldCountersTest : public cWorldTest {
 protected:
  void SetUp() override {
    cWorldTest::SetUp();
    SetGameTime(10000);
  }
};

TEST_F(WorldCountersTest, TheAvatarsDeathsAreCountedByCause) {
  struct {
    const char* name;
    bool inFight;
    float hunger;
    long starved, killed, other;
    eAvatarDeath cause;
  } cases[] = {
      {"health gone with an empty stomach", false, 0.0f, 1, 0, 0, eAvatarDeath::kStarved},
      {"health gone with food inside (the K key)", false, 80.0f, 0, 0, 1, eAvatarDeath::kOther},
      {"beaten in a fight, however fed", true, 0.0f, 0, 1, 0, eAvatarDeath::kKilled},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gWorld->counters = cWorldCounters{};
    gWorld->fights.clear();
    avatar->SetPosition(At(200, 200));
    avatar->hunger = c.hunger;
    avatar->health = 0.0f;
    if (c.inFight) {
      cKeltoGameCritter* enemy = AddCritter(At(203, 200), 2);
      gWorld->StartFight(enemy, avatar);
      gWorld->FightPass();
    } else {
      WorldTick();
    }
    EXPECT_EQ(avatar->health, 100.0f) << "respawned";
    EXPECT_EQ(gWorld->counters.avatar_starved, c.starved);
    EXPECT_EQ(gWorld->counters.avatar_killed, c.killed);
    EXPECT_EQ(gWorld->counters.avatar_other_deaths, c.other);
    EXPECT_EQ(gWorld->counters.AvatarDeaths(), 1);
    EXPECT_EQ(gWorld->counters.last_avatar_death, c.cause);
    EXPECT_EQ(gWorld->counters.avatar_kills, 0);
  }
}

TEST_F(WorldCountersTest, TheAvatarsKillsAndMealsAndEachSpeciesDeathsAreCounted) {
  cKeltoGameCritter* prey = AddCritter(At(403, 400), 3);
  avatar->SetPosition(At(410, 400));  // off the nest, which would end the fight
  prey->SetPosition(At(413, 400));
  gWorld->StartFight(avatar, prey);
  prey->health = 0.0f;
  gWorld->FightPass();
  EXPECT_EQ(gWorld->counters.avatar_kills, 1);
  EXPECT_EQ(gWorld->counters.critter_deaths, 1);
  EXPECT_EQ(gWorld->counters.deaths_by_species, (std::vector<long>{0, 0, 0, 1}));
  EXPECT_EQ(gWorld->counters.AvatarDeaths(), 0);

  ASSERT_EQ(gWorld->carcasses.size(), 1u);
  gWorld->StartMeal(avatar, gWorld->carcasses.front());
  gWorld->MealPass();
  EXPECT_EQ(gWorld->counters.avatar_meals, 0) << "not there yet";
  avatar->SetPosition(gWorld->carcasses.front()->position);
  gWorld->MealPass();
  EXPECT_EQ(gWorld->counters.avatar_meals, 1);
}
}  // namespace
