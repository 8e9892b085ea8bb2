// What a ZOMA.ini read again in a running game changes: the settings as the file gave them, the
// difference between two reads in the file's own units, which values a running world can take,
// and taking them. Counts, the number of species, the avatar's species, species proportions
// and the starting view only shape a new world; everything else takes effect on the next tick.
//
// An edited species number moves the species' value by as much as the edit moved it, and every
// critter of that species with it: a species whose attack evolved from 25 to 31 goes to 21
// when the file's 25 becomes 15, keeping what it gained, as if the file had said 15 all along.
// Flags and colours simply take the new value. The avatar's abilities are its own (start-up
// values and evolution), so a species edit leaves the avatar alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/game_config.h"
#include "world/species.h"

class cKeltoGameCritter;

// Every value ZOMA.ini sets, as the last read left it (after its mends).
struct cSettings {
  cGameConfig config;
  float min_camera_dist = 0.0f, max_camera_dist = 0.0f, default_camera_dist = 0.0f;
  bool iso_cam = false;
  uint32_t day_ms = 0, night_ms = 0;
  std::vector<cSpeciesRecord> species;
};

// The settings the last configuration read produced (set by every read).
extern cSettings gSettingsAsRead;
// Collects them from the settings record, camera, day clock and species table.
cSettings SettingsInForce();

struct cSettingChange {
  std::string name;  // "day_length", "[species2] attack"
  std::string was, now;  // in the file's units: seconds, colour bytes, the species' own proportion
  bool live = false;     // a running world takes it; otherwise only a new world does
};

// Every value that differs, in the file's key order, game keys first. The keys of species that
// only one read has are left out: num_species already says so.
std::vector<cSettingChange> DiffSettings(const cSettings& was, const cSettings& now);

// The lines that tell the player: "ZOMA.ini: reloaded (day_length 120 -> 90, [species2] attack
// 25 -> 15)" (just "ZOMA.ini: reloaded" when nothing live changed), then one line per other
// change: "ZOMA.ini: num_critters 40 -> 60 takes effect in a new world (N)".
std::vector<std::string> DescribeSettingChanges(const std::vector<cSettingChange>& changes);

// Puts every live value of `now` into force, species numbers shifted by their edit as above.
// `critters` are the world's ordinary critters.
void ApplyLiveSettings(const cSettings& was, const cSettings& now, const std::vector<cKeltoGameCritter*>& critters);
