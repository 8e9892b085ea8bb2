// The reload listing and the live part of a reloaded ZOMA.ini: one table of game keys and one
// of species keys, each saying how a value reads in the file and whether a running world takes it.
#include "app/config_changes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/camera.h"
#include "world/day_clock.h"
#include "world/objects.h"

cSettings gSettingsAsRead;

namespace {
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}
std::string Triple(double a, double b, double c) { return Number(a) + "," + Number(b) + "," + Number(c); }
std::string Seconds(uint32_t ms) { return Number(ms / 1000.0); }

struct cGameSetting {
  const char* key;
  bool live;
  std::string (*shown)(const cSettings& s);
};

// In the file's read order.
const cGameSetting kGameSettings[] = {
    {"min_camera_dist", true, [](const cSettings& s) { return Number(s.min_camera_dist); }},
    {"max_camera_dist", true, [](const cSettings& s) { return Number(s.max_camera_dist); }},
    {"default_camera_dist", false, [](const cSettings& s) { return Number(s.default_camera_dist); }},
    {"turn_speed", true, [](const cSettings& s) { return Number(s.config.turn_speed); }},
    {"tree_cover_distance", true, [](const cSettings& s) { return Number(s.config.tree_cover_distance); }},
    {"evolve_interval", true, [](const cSettings& s) { return Number(s.config.evolve_interval); }},
    {"carcass_decay_time", true, [](const cSettings& s) { return Number(s.config.carcass_decay_time / 1000.0); }},
    {"iso_cam", false, [](const cSettings& s) { return Number(s.iso_cam); }},
    {"victory_points", true, [](const cSettings& s) { return Number(s.config.victory_points); }},
    {"num_species", false, [](const cSettings& s) { return Number(s.config.num_species); }},
    {"avatar_species", false, [](const cSettings& s) { return Number(s.config.avatar_species + 1); }},
    {"num_critters", false, [](const cSettings& s) { return Number(s.config.num_critters); }},
    {"day_length", true, [](const cSettings& s) { return Seconds(s.day_ms); }},
    {"night_length", true, [](const cSettings& s) { return Seconds(s.night_ms); }},
    {"motive_cycle", true, [](const cSettings& s) { return Number(s.config.motive_cycle); }},
    {"nesting_cycle", true, [](const cSettings& s) { return Number(s.config.nesting_cycle); }},
};

struct cSpeciesSetting {
  const char* key;
  bool live;
  // The species' value; `previous` is the species before it, for the running proportion total.
  std::string (*shown)(const cSpeciesRecord& s, const cSpeciesRecord* previous);
};

const cSpeciesSetting kSpeciesSettings[] = {
    {"color", true,
     [](const cSpeciesRecord& s, const cSpeciesRecord*) {
       return Triple(std::round(s.color.x * 255.0), std::round(s.color.y * 255.0), std::round(s.color.z * 255.0));
     }},
    {"attack", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.attack); }},
    {"defend", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.defend); }},
    {"walk_speed", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.walk_speed); }},
    {"nocturnal", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.nocturnal); }},
    {"attack_avatar", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.attack_avatar); }},
    {"run_speed", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.run_speed); }},
    {"climb", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.climb); }},
    {"swim", true, [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.swim); }},
    // Critters draw their species once, when the world is made.
    {"proportion", false,
     [](const cSpeciesRecord& s, const cSpeciesRecord* previous) {
       return Number(s.proportion_sum - (previous ? previous->proportion_sum : 0));
     }},
    {"perception", true,
     [](const cSpeciesRecord& s, const cSpeciesRecord*) {
       return Triple(s.perception.x, s.perception.y, s.perception.z);
     }},
    {"neighbor_distance", true,
     [](const cSpeciesRecord& s, const cSpeciesRecord*) { return Number(s.neighbor_distance); }},
};

void AddIfChanged(std::vector<cSettingChange>& changes, const std::string& name, bool live, const std::string& was,
                  const std::string& now) {
  if (was != now) changes.push_back(cSettingChange{name, was, now, live});
}

// The held value moved by the edit; a held value that never moved from the file's takes the new
// one exactly, and a value that is not finite cannot be shifted, so it is replaced.
void Shift(float& held, float was, float now) {
  if (was == now) return;
  const bool shiftable = std::isfinite(held) && std::isfinite(was) && std::isfinite(now);
  held = held == was || !shiftable ? now : held + (now - was);
}

// The species numbers a critter holds a copy of, under the same names.
struct cCopiedNumber {
  float cSpeciesRecord::*species;
  float cKeltoGameCritter::*critter;
};
const cCopiedNumber kCopiedNumbers[] = {
    {&cSpeciesRecord::attack, &cKeltoGameCritter::attack},
    {&cSpeciesRecord::defend, &cKeltoGameCritter::defend},
    {&cSpeciesRecord::walk_speed, &cKeltoGameCritter::walk_speed},
    {&cSpeciesRecord::run_speed, &cKeltoGameCritter::run_speed},
    {&cSpeciesRecord::climb, &cKeltoGameCritter::climb},
    {&cSpeciesRecord::swim, &cKeltoGameCritter::swim},
    {&cSpeciesRecord::neighbor_distance, &cKeltoGameCritter::neighbor_distance},
};

// Ranges against a walking, a running and a hidden avatar.
void ShiftPerception(float& walking, float& running, float& hidden, const cVector& was, const cVector& now) {
  Shift(walking, was.x, now.x);
  Shift(running, was.y, now.y);
  Shift(hidden, was.z, now.z);
}

void ApplySpeciesEdit(const cSpeciesRecord& was, const cSpeciesRecord& now, cSpeciesRecord& held,
                      const std::vector<cKeltoGameCritter*>& critters) {
  for (const cCopiedNumber& n : kCopiedNumbers) Shift(held.*n.species, was.*n.species, now.*n.species);
  ShiftPerception(held.perception.x, held.perception.y, held.perception.z, was.perception, now.perception);
  held.color = now.color;
  held.nocturnal = now.nocturnal;
  held.attack_avatar = now.attack_avatar;
  for (cKeltoGameCritter* critter : critters) {
    if (critter->species != held.index) continue;
    for (const cCopiedNumber& n : kCopiedNumbers) Shift(critter->*n.critter, was.*n.species, now.*n.species);
    float* range = critter->perception;
    ShiftPerception(range[0], range[1], range[2], was.perception, now.perception);
    critter->nocturnal = now.nocturnal;
    critter->attack_avatar = now.attack_avatar;
  }
}
}  // namespace

cSettings SettingsInForce() {
  cSettings s;
  s.config = gConfig;
  s.min_camera_dist = gCamera.minDistance;
  s.max_camera_dist = gCamera.maxDistance;
  s.default_camera_dist = gCamera.distance;
  s.iso_cam = gCamera.iso_cam;
  s.day_ms = gDayClock.day_ms;
  s.night_ms = gDayClock.night_ms;
  s.species = gSpeciesTable;
  return s;
}

std::vector<cSettingChange> DiffSettings(const cSettings& was, const cSettings& now) {
  std::vector<cSettingChange> changes;
  for (const cGameSetting& setting : kGameSettings)
    AddIfChanged(changes, setting.key, setting.live, setting.shown(was), setting.shown(now));
  const size_t common = std::min(was.species.size(), now.species.size());
  for (size_t i = 0; i < common; ++i) {
    const std::string section = "[species" + std::to_string(i + 1) + "] ";
    const cSpeciesRecord* wasPrevious = i > 0 ? &was.species[i - 1] : nullptr;
    const cSpeciesRecord* nowPrevious = i > 0 ? &now.species[i - 1] : nullptr;
    for (const cSpeciesSetting& setting : kSpeciesSettings)
      AddIfChanged(changes, section + setting.key, setting.live, setting.shown(was.species[i], wasPrevious),
                   setting.shown(now.species[i], nowPrevious));
  }
  return changes;
}

std::vector<std::string> DescribeSettingChanges(const std::vector<cSettingChange>& changes) {
  std::string live;
  std::vector<std::string> lines(1);
  for (const cSettingChange& change : changes) {
    const std::string what = change.name + " " + change.was + " -> " + change.now;
    if (change.live) live += (live.empty() ? "" : ", ") + what;
    else lines.push_back("ZOMA.ini: " + what + " takes effect in a new world (N)");
  }
  lines[0] = "ZOMA.ini: reloaded" + (live.empty() ? "" : " (" + live + ")");
  return lines;
}

void ApplyLiveSettings(const cSettings& was, const cSettings& now, const std::vector<cKeltoGameCritter*>& critters) {
  gCamera.minDistance = now.min_camera_dist;
  gCamera.maxDistance = now.max_camera_dist;
  const cGameConfig& from = now.config;
  gConfig.turn_speed = from.turn_speed;
  gConfig.tree_cover_distance = from.tree_cover_distance;
  gConfig.evolve_interval = from.evolve_interval;
  gConfig.carcass_decay_time = from.carcass_decay_time;
  gConfig.victory_points = from.victory_points;
  gConfig.motive_cycle = from.motive_cycle;
  gConfig.nesting_cycle = from.nesting_cycle;
  gDayClock.day_ms = now.day_ms;
  gDayClock.night_ms = now.night_ms;
  gDayClock.cycle_ms = now.day_ms + now.night_ms;
  const size_t common = std::min({was.species.size(), now.species.size(), gSpeciesTable.size()});
  for (size_t i = 0; i < common; ++i) ApplySpeciesEdit(was.species[i], now.species[i], gSpeciesTable[i], critters);
}
