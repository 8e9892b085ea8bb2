// Small hand-made worlds for the simulation tests and the tick benchmark: every process-wide
// piece of state the world tick reads is reset, so tests never depend on each other's order.
#pragma once

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "app/config.h"
#include "app/world_start.h"
#include "dialog/evolution.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/random.h"
#include "platform/key_state.h"
#include "platform/time_source.h"
#include "script/game_scripts.h"
#include "terrain/terrain_classes.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/species.h"
#include "world/world.h"

namespace world_test {

// The time source reads this when game time is 0; far from 0 so that the clock can step back.
constexpr uint32_t kClockBase = 1000000;
constexpr float kPi = 3.14159265f;

inline void SetGameTime(uint32_t ms) { SetManualTime(kClockBase + ms); }

inline cVector At(float x, float z) { return cVector(x, 0.0f, z, 1.0f); }

// A point on the ground as (x, z), so that one assertion compares both.
inline std::pair<float, float> XZ(const cVector& v) { return {v.x, v.z}; }

// The member of `list` nearest to the avatar the short way round (the first of equals), or nullptr.
template <typename T>
T* NearestTo(const cKeltoGameCritter* avatar, const std::vector<T*>& list) {
  T* nearest = nullptr;
  for (T* o : list) {
    if (!nearest || WrappedDistance(*avatar, o->position) < WrappedDistance(*avatar, nearest->position)) nearest = o;
  }
  return nearest;
}

// A day of `dayMs` then a night of `nightMs`, the cycle starting in the day at `startMs`.
inline void SetDayClock(uint32_t dayMs, uint32_t nightMs, uint32_t startMs = 0) {
  gDayClock = cDayClock{startMs, dayMs + nightMs, true, dayMs, nightMs};
}

// Everything the tick reads back to a known start: an empty world, land everywhere, game time
// 0, no scripts, default configuration, a day of 100 s followed by a night of 50 s.
inline void ResetSimulation(uint32_t seed = 1) {
  ForgetWorld();
  ResetGameScripts();
  SetShiftKeyDown(false);
  gSpeciesTable.clear();
  FillTerrainWithLand();
  SetGameTime(0);
  StartGameClock();
  SeedRandom(seed);
  SetDayClock(100000, 50000);
}

inline cSpeciesRecord& AddSpecies(float walk, float run, bool aggressive = false, bool nocturnal = false) {
  cSpeciesRecord species;
  species.perception = cVector(60.0f, 80.0f, 20.0f);
  species.walk_speed = walk, species.run_speed = run;
  species.attack = species.defend = 10.0f;
  species.neighbor_distance = 20.0f;
  species.index = static_cast<int>(gSpeciesTable.size());
  species.proportion_sum = 10 * (species.index + 1);
  species.attack_avatar = aggressive, species.nocturnal = nocturnal;
  gSpeciesTable.push_back(species);
  return gSpeciesTable.back();
}

// An ordinary critter of a species of the table, facing +z, its target where it stands.
inline cKeltoGameCritter* AddCritter(const cVector& position, int species = 0) {
  const cSpeciesRecord& record = gSpeciesTable.at(static_cast<size_t>(species));
  auto* c = new cKeltoGameCritter;
  c->position = c->target = position;
  c->species = species;
  c->attack = record.attack, c->defend = record.defend, c->climb = record.climb, c->swim = record.swim;
  c->walk_speed = record.walk_speed, c->run_speed = record.run_speed;
  c->attack_avatar = record.attack_avatar, c->nocturnal = record.nocturnal;
  c->neighbor_distance = record.neighbor_distance;
  c->perception[0] = record.perception.x, c->perception[1] = record.perception.y, c->perception[2] = record.perception.z;
  gWorld->objects.push_back(c);
  gWorld->critters.push_back(c);
  return c;
}

inline cKeltoGamePlant* AddPlant(const cVector& position) {
  auto* plant = new cKeltoGamePlant;
  plant->SetPosition(position);
  gWorld->objects.push_back(plant);
  gWorld->plants.push_back(plant);
  return plant;
}

// The avatar standing still with its nest under it, as world setup leaves it.
inline cKeltoGameCritter* AddAvatar(const cVector& position, float walk = 1.0f, float run = 3.0f) {
  auto* avatar = new cKeltoGameCritter;
  avatar->is_avatar = true;
  avatar->position = avatar->target = position;
  avatar->walk_speed = walk, avatar->run_speed = run;
  avatar->attack = 60.0f, avatar->defend = 40.0f, avatar->neighbor_distance = 20.0f;
  gWorld->avatar = avatar;
  gWorld->AddNest(position);
  return avatar;
}

// A seeded world with the variety the tick has to cope with: lakes and steep ridges, a grazing
// species, an aggressive hunter, a nocturnal climbing swimmer, 500 plants on land, `critters`
// critters on cells they may stand on, and the avatar on its nest.
inline void BuildSampleWorld(uint32_t seed, int critters) {
  ResetSimulation(seed);
  // Lakes and ridges, among them a river across the whole world, edge to edge.
  for (auto [fromX, fromZ, toX, toZ, terrainClass] : {std::tuple{10, 10, 17, 21, kTerrainWater},
                                                     {40, 0, 44, 63, kTerrainWater},
                                                     {25, 30, 33, 34, kTerrainSteep},
                                                     {0, 50, 5, 58, kTerrainSteep}}) {
    for (int x = fromX; x <= toX; ++x) std::fill(gTerrainClasses[x] + fromZ, gTerrainClasses[x] + toZ + 1, terrainClass);
  }
  AddSpecies(1.0f, 3.0f);
  AddSpecies(1.5f, 4.0f, true);
  cSpeciesRecord& swimmer = AddSpecies(0.8f, 2.5f, false, true);
  swimmer.climb = 0.5f;
  swimmer.swim = 0.7f;
  gConfig.carcass_decay_time = 20000.0f;
  gConfig.turn_speed = 300.0f;
  SetDayClock(20000, 8000);
  auto landPoint = [] {
    for (;;) {
      const cVector p = RandomWorldPosition();
      if (TerrainClassAt(p.x, p.y, p.z) == kTerrainLand) return p;
    }
  };
  for (int i = 0; i < 500; ++i) AddPlant(landPoint());
  for (int i = 0; i < critters; ++i) {
    cKeltoGameCritter* critter = AddCritter(landPoint(), NextRandom() % 3);
    critter->target = RandomWorldPosition();
    critter->SetHeading(RandomScaled(6.28318f));
  }
  AddAvatar(landPoint());
}

#ifdef GTEST_TEST  // the unit tests (which include gtest first), not the benchmark
// The simulation tests' fixture: a reset world with species 0 and 1 peaceful, 2 aggressive and
// 3 nocturnal, and the avatar standing on its nest at (400, 400).
class cWorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSimulation();
    AddSpecies(1.0f, 3.0f);
    AddSpecies(1.0f, 3.0f);
    AddSpecies(1.0f, 3.0f, true);
    AddSpecies(1.0f, 3.0f, false, true);
    avatar = AddAvatar(At(400, 400));
  }
  void TearDown() override { UseRealTime(); }

  cKeltoGameCritter* avatar = nullptr;
};
#endif

}  // namespace world_test
