// Game-wide settings read once from ZOMA.ini; field names are the INI keys.
#pragma once

#include <string>

#include "world/vector.h"

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

// Reads <current directory>/ZOMA.ini into gConfig, the camera, the day clock and the species
// table, in the game's fixed key order. A missing file, section or key gives its default.
void ReadConfiguration();

// "a,b,c" -> (a, b, c); a missing part repeats the text after the last comma found.
cVector ParseTriple(const std::string& text);
