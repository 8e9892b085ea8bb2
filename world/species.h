// The species table: one record per species section of ZOMA.ini, index = species number - 1.
#pragma once

#include <vector>

#include "game/vector.h"

struct cSpeciesRecord {
  cVector color;       // red, green, blue; 1.0 = full
  cVector perception;  // x, y, z: ranges against a walking, running, hidden avatar
  float walk_speed = 0.0f;
  float run_speed = 0.0f;
  float attack = 0.0f;
  float defend = 0.0f;
  float neighbor_distance = 0.0f;
  float climb = 0.0f;
  float swim = 0.0f;
  int proportion_sum = 0;  // running total of `proportion` up to and including this species
  int index = 0;
  bool nocturnal = false;
  bool attack_avatar = false;
};

extern std::vector<cSpeciesRecord> gSpeciesTable;
