// The world tick: the day clock and its daily events, terrain death, the avatar's movement and
// motives, nest safety and visits, and the avatar's meetings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "script/bound_names.h"
#include "script/game_scripts.h"
#include "script/script_parser.h"
#include "tests/world_test_support.h"
#include "world/world_tick.h"

using namespace world_test;

using WorldTickTest = cWorldTest;

TEST_F(WorldTickTest, DayAndNightFollowTheCycleAcrossTheClockWrapping) {
  struct {
    const char* name;
    uint32_t start, clock;
    bool day;
  } cases[] = {
      {"start of the day", 0, 0, true},
      {"last ms of the day", 0, 149999, true},
      {"first ms of the night", 0, 150000, false},
      {"end of the night is still night", 0, 153000, false},
      {"next cycle", 0, 153001, true},
      {"ten cycles later, at night", 0, 10 * 153000 + 151000, false},
      {"the clock wrapped past 2^32, by day", 0xFFFFF000u, 0x00001000u, true},
      {"the clock wrapped past 2^32, at night", 0xFFFF0000u, 0xFFFF0000u + 150500u, false},
  };
  for (const auto& c : cases) {
    SetDayClock(150000, 3000, c.start);
    SetGameTime(c.clock);
    EXPECT_EQ(gDayClock.IsDay(), c.day) << c.name;
    EXPECT_LE(GameTime() - gDayClock.cycle_start_ms, gDayClock.cycle_ms) << c.name;
  }
}

TEST_F(WorldTickTest, ANewDayIsCountedOnceAfterEachNight) {
  SetDayClock(150000, 3000);
  struct {
    uint32_t clock;
    bool newDay;
  } steps[] = {
      {0, false},      {150001, false}, {153001, true},  {153022, false}, {200000, false},
      {306001, false},  // day again, but no tick saw the night in between
      {457500, false}, {459001, true},
  };
  for (const auto& s : steps) {
    SetGameTime(s.clock);
    EXPECT_EQ(gDayClock.NewDay(), s.newDay) << "at " << s.clock;
  }
}

TEST_F(WorldTickTest, DaylightRisesToMiddayAndFallsToMidnight) {
  struct {
    uint32_t clock;
    float level;
  } cases[] = {{0, 0.0f},     {2500, 0.5f},   {5000, 1.0f},  {7500, 0.5f}, {10000, 0.0f},
               {11000, -0.5f}, {12000, -1.0f}, {13000, -0.5f}, {14000, 0.0f}, {14001, 0.0002f}};
  SetDayClock(10000, 4000);
  for (const auto& c : cases) {
    SetGameTime(c.clock);
    EXPECT_NEAR(gDayClock.DaylightLevel(), c.level, 1e-5) << "at " << c.clock;
  }
}

TEST_F(WorldTickTest, DegenerateCyclesNeitherHangNorGiveNaN) {
  SetDayClock(10000, 0);
  SetGameTime(10000);
  EXPECT_EQ(gDayClock.DaylightLevel(), 0.0f) << "the boundary of a day without night";
  SetDayClock(0, 0);
  SetGameTime(5000);
  EXPECT_FALSE(gDayClock.IsDay());
}

TEST_F(WorldTickTest, NewDaysCountAndGrantEvolutionsEveryInterval) {
  gConfig.evolve_interval = 3;
  SetDayClock(1000, 1000);
  can_evolve = false;
  nest_move_allowed = false;
  gSpeciesTable[0].walk_speed = 2.5f;
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  critter->walk_speed = 1.0f;
  std::vector<int> grantedOn;
  for (int day = 1; day <= 7; ++day) {
    SetGameTime(day * 2000 - 500);  // night
    WorldTick();
    SetGameTime(day * 2000 + 10);  // dawn
    WorldTick();
    EXPECT_EQ(total_days, day);
    if (can_evolve) grantedOn.push_back(day);
    can_evolve = false;
    if (day == 4) {
      avatar->health = 0.0f;  // dies on the next tick: the day count starts again
    }
  }
  // The avatar dies in day 5's night: days 5, 6 and 7 count again from 1.
  EXPECT_EQ(grantedOn, (std::vector<int>{3, 7}));
  EXPECT_EQ(gWorld->counters.evolutions_offered, 2) << "each offer is counted, for the player's notice";
  EXPECT_EQ(days_alive, 3);
  EXPECT_TRUE(nest_move_allowed);
  EXPECT_FLOAT_EQ(critter->walk_speed, 2.5f) << "species values are copied in on a new day";
}

// At the end of every tick the avatar forgets neighbours that have gone far away.
TEST_F(WorldTickTest, TheAvatarPrunesItsNeighboursEveryTick) {
  cKeltoGameCritter* far = AddCritter(At(300, 300));
  far->state = kStateFighting;  // holds it in place
  avatar->neighbours = {far};
  WorldTick();
  EXPECT_FALSE(avatar->IsNeighbour(far));
}

// A respawned critter starts afresh: calm, still, flocking, at full motives.
TEST_F(WorldTickTest, RespawnPutsTheCritterBackCalmStillAndFull) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  critter->aware = true;
  critter->speed = 2.5f;
  critter->state = kStateGoingHome;
  critter->health = -3.0f, critter->energy = 7.0f, critter->hunger = 0.0f;
  gWorld->Respawn(critter);
  EXPECT_FALSE(critter->aware);
  EXPECT_EQ(critter->speed, 0.0f);
  EXPECT_EQ(critter->state, kStateFlocking);
  EXPECT_EQ(critter->health, 100.0f);
  EXPECT_EQ(critter->energy, 100.0f);
  EXPECT_EQ(critter->hunger, 100.0f);
}

// A new day copies the four values the species script may change into every critter, not the
// avatar.
TEST_F(WorldTickTest, ANewDayCopiesTheSpeciesSpeedsAttackAndDefend) {
  cKeltoGameCritter* critter = AddCritter(At(100, 100), 1);
  cSpeciesRecord& species = gSpeciesTable[1];
  species.walk_speed = 1.5f, species.run_speed = 4.5f, species.attack = 11.0f, species.defend = 12.0f;
  gWorld->RefreshCritterStats();
  EXPECT_EQ(critter->walk_speed, 1.5f);
  EXPECT_EQ(critter->run_speed, 4.5f);
  EXPECT_EQ(critter->attack, 11.0f);
  EXPECT_EQ(critter->defend, 12.0f);
  EXPECT_EQ(avatar->attack, 60.0f) << "the avatar keeps its own";
  EXPECT_EQ(avatar->defend, 40.0f);
}

TEST_F(WorldTickTest, ACritterStandingWhereItCannotBeIsRespawnedBeforeItActs) {
  FillTerrainWithLand();
  for (auto& row : gTerrainClasses) std::fill(row, row + 32, int32_t{kTerrainWater});  // z below 256
  cKeltoGameCritter* critter = AddCritter(At(100, 100));
  critter->state = kStateFighting;
  critter->health = 3.0f;
  SeedRandom(5);
  WorldTick();
  EXPECT_EQ(critter->state, kStateFlocking);
  EXPECT_EQ(critter->health, 100.0f);
  EXPECT_EQ(gWorld->counters.critter_deaths, 1);
  // The respawn is the tick's first draw: points until one is land, then target, then heading.
  SeedRandom(5);
  float x, z;
  do {
    x = NextRandom() / 32767.0f * 512.0f;
    z = NextRandom() / 32767.0f * 512.0f;
  } while (z < 256.0f);
  EXPECT_NEAR(critter->position.x, x, 1e-3);
  EXPECT_NEAR(critter->position.z, z, 1e-3);
  EXPECT_EQ(XZ(critter->target), XZ(RandomWorldPosition()));
  EXPECT_EQ(critter->heading, RandomScaled(6.28318f)) << "and it does not act in that tick";
}

TEST_F(WorldTickTest, TheAvatarRunsOnlyWithShiftEnergyAndEmptyHandsAndStopsAtItsTarget) {
  struct {
    const char* name;
    bool shift;
    float energy;
    bool carrying;
    float targetDistance, expectedSpeed;
  } cases[] = {
      {"walks", false, 50, false, 20, 1.0f},
      {"runs with Shift", true, 50, false, 20, 3.0f},
      {"energy exactly 1 walks", true, 1.0f, false, 20, 1.0f},
      {"energy just above 1 runs", true, 1.01f, false, 20, 3.0f},
      {"carrying walks", true, 50, true, 20, 1.0f},
      {"exactly 1 from the target stops", true, 50, false, 1.0f, 0.0f},
      {"1.5 from the target walks on", false, 50, false, 1.5f, 1.0f},
  };
  for (const auto& c : cases) {
    avatar->SetPosition(At(400, 400));
    avatar->heading = 0.0f;
    avatar->target = At(400, 400 + c.targetDistance);
    avatar->energy = c.energy;
    SetShiftKeyDown(c.shift);
    cKeltoGameCarcass* carcass = c.carrying ? gWorld->AddCarcass(avatar->position) : nullptr;
    if (carcass) {
      carcass->carrier = avatar;
      avatar->carried = carcass;
    }
    WorldTick();
    EXPECT_FLOAT_EQ(avatar->speed, c.expectedSpeed) << c.name;
    EXPECT_NEAR(avatar->position.z, 400.0f + 0.1f * c.expectedSpeed, 1e-4) << c.name;
    if (carcass) gWorld->RemoveCarcass(carcass);
  }
}

TEST_F(WorldTickTest, MotiveStepsCatchUpOnePerTick) {
  gConfig.motive_cycle = 500;
  gWorld->motive_clock_ms = 0;
  struct {
    uint32_t clock, motiveClock;
  } ticks[] = {{500, 0}, {501, 500}, {2501, 1000}, {2522, 1500}, {2543, 2000}, {2564, 2500}, {2585, 2500}};
  for (const auto& t : ticks) {
    SetGameTime(t.clock);
    WorldTick();
    EXPECT_EQ(gWorld->motive_clock_ms, t.motiveClock) << "at " << t.clock;
  }
}

// The motive script reads is_day as the tick found it, without a clock of its own.
TEST_F(WorldTickTest, TheMotiveScriptSeesTheTicksDay) {
  ResetGameScripts();
  RegisterBoundScriptNames();
  ParseScript("attack = is_day", GameScriptProgram(eGameScript::kAvatarMotives));
  SetDayClock(1000, 1000);
  gConfig.motive_cycle = 500;
  gWorld->motive_clock_ms = 0;
  for (const auto& [now, day] : {std::pair{1600u, 0.0f}, std::pair{2100u, 1.0f}}) {
    SetGameTime(now);
    WorldTick();
    EXPECT_EQ(gWorld->GetAvatar()->attack, day) << "at " << now;
  }
  ResetGameScripts();
}

// Within 8 of its nest the avatar is safe, decided at the end of a tick and heeded by the
// next: no noticing either way. Within 4, a visit runs the nesting script every cycle.
TEST_F(WorldTickTest, NearItsNestTheAvatarIsSafeUnnoticedAndVisiting) {
  gConfig.nesting_cycle = 500;
  struct {
    float distance;
    bool inNest, visitRuns;
  } cases[] = {{3.9f, true, true}, {4.0f, true, false}, {7.9f, true, false}, {8.0f, false, false}};
  // A visit runs only once more than nesting_cycle has passed: at 500 not yet, at 501.
  gWorld->StartNestVisit(avatar, gWorld->nests.front());
  for (const uint32_t ms : {500u, 501u}) {
    SetGameTime(ms);
    WorldTick();
    EXPECT_EQ(gWorld->nest_visits.front().last_run_ms, ms == 500 ? 0u : 500u) << "at " << ms;
  }
  cKeltoGameCritter* critter = AddCritter(At(400, 410));
  critter->state = kStateFighting;  // holds it in place
  uint32_t clock = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.distance);
    avatar->SetPosition(At(400 + c.distance, 400));
    gWorld->nest_visits.clear();
    SetGameTime(clock += 10000);
    gWorld->StartNestVisit(avatar, gWorld->nests.front());
    avatar->target = avatar->position;  // stays put rather than walking to the nest
    SetGameTime(clock + 900);
    WorldTick();
    EXPECT_EQ(avatar->in_nest, c.inNest);
    EXPECT_EQ(gWorld->nest_visits.front().last_run_ms, clock + (c.visitRuns ? 500 : 0));
    critter->neighbours.clear();
    avatar->neighbours.clear();
    WorldTick();
    EXPECT_EQ(critter->IsNeighbour(avatar), !c.inNest);
    EXPECT_EQ(avatar->IsNeighbour(critter), !c.inNest);
  }
}

TEST_F(WorldTickTest, MeetingACritterOpensTheEvolutionDialogOrAFight) {
  struct {
    const char* name;
    int species;
    bool canEvolve, inNest;
    bool dialog, fight;
  } cases[] = {
      {"species 0 with an evolution due", 0, true, false, true, false},
      {"species 0 without one", 0, false, false, false, false},
      {"species 8 with an evolution due", 8, true, false, true, false},
      {"any other species fights", 1, true, false, false, true},
      {"no meeting in the nest", 1, true, true, false, false},
      {"no offer in the nest", 0, true, true, false, false},
  };
  while (gSpeciesTable.size() < 9) AddSpecies(1.0f, 3.0f);
  for (const auto& c : cases) {
    ResetEvolution();
    gWorld->fights.clear();
    can_evolve = c.canEvolve;
    avatar->SetPosition(c.inNest ? At(400, 400) : At(100, 100));  // the nest is at (400, 400)
    avatar->target = avatar->position;
    avatar->in_nest = false;
    avatar->state = kStateFlocking;
    avatar->neighbours.clear();
    cKeltoGameCritter* critter = AddCritter(avatar->position + cVector(0, 0, 2, 0), c.species);
    critter->state = kStateFighting;  // holds it in place
    critter->target = critter->position;
    WorldTick();
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EvolutionDialogVisible(), c.dialog);
    EXPECT_EQ(gWorld->fights.size(), c.fight ? 1u : 0u);
    critter->SetPosition(At(300, 300));
  }
}
