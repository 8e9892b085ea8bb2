// The game-wide settings record, named after its INI keys. Filled once at start-up by the
// configuration reader (app/config) and read by the simulation and the evolution rules.
#pragma once

#include <cstdint>

// The largest species and critter counts the game takes; larger ones are mended to these.
constexpr int32_t kMostSpecies = 1000;
constexpr int32_t kMostCritters = 10000;

struct cGameConfig {
  float turn_speed = 2000.0f;          // ms between fight turns
  float tree_cover_distance = 12.0f;   // world units
  int evolve_interval = 3;             // days
  float carcass_decay_time = 0.0f;     // ms
  int victory_points = 5;
  int motive_cycle = 500;              // ms
  int nesting_cycle = 500;             // ms
  int num_species = 1;
  int avatar_species = 0;              // 0-based
  int num_critters = 10;
};

extern cGameConfig gConfig;
