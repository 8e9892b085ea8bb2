// Each game record's writing beside its reading, and their installation.
#include "save/game_records.h"

#include <string>

#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/random.h"
#include "world/advances.h"
#include "world/geometry.h"
#include "world/script_hooks.h"
#include "world/world.h"

namespace {
constexpr size_t kMostHistory = 1u << 20;

json WriteSettings(const cGameConfig& config) {
  return {{"turn_speed", FloatValue(config.turn_speed, "turn_speed")},
          {"tree_cover_distance", FloatValue(config.tree_cover_distance, "tree_cover_distance")},
          {"evolve_interval", config.evolve_interval},
          {"carcass_decay_time", FloatValue(config.carcass_decay_time, "carcass_decay_time")},
          {"victory_points", config.victory_points},
          {"motive_cycle", config.motive_cycle},
          {"nesting_cycle", config.nesting_cycle},
          {"num_species", config.num_species},
          {"avatar_species", config.avatar_species},
          {"num_critters", config.num_critters}};
}

cGameConfig ReadSettings(const cSaveNode& node) {
  cGameConfig config;
  config.turn_speed = node["turn_speed"].Float();
  config.tree_cover_distance = node["tree_cover_distance"].Float();
  config.evolve_interval = static_cast<int>(node["evolve_interval"].Integer(1, INT32_MAX));
  config.carcass_decay_time = node["carcass_decay_time"].Float();
  config.victory_points = node["victory_points"].Int32();
  config.motive_cycle = node["motive_cycle"].Int32();
  config.nesting_cycle = node["nesting_cycle"].Int32();
  config.num_species = static_cast<int>(node["num_species"].Integer(1, kMostSpecies));
  config.avatar_species = static_cast<int>(node["avatar_species"].Integer(0, config.num_species - 1));
  config.num_critters = static_cast<int>(node["num_critters"].Integer(0, kMostCritters));
  return config;
}

json WriteSpecies(const cSpeciesRecord& s) {
  return {{"color", WriteVector(s.color, "a species colour")},
          {"perception", WriteVector(s.perception, "a species perception")},
          {"walk_speed", FloatValue(s.walk_speed, "walk_speed")},
          {"run_speed", FloatValue(s.run_speed, "run_speed")},
          {"attack", FloatValue(s.attack, "attack")},
          {"defend", FloatValue(s.defend, "defend")},
          {"neighbor_distance", FloatValue(s.neighbor_distance, "neighbor_distance")},
          {"climb", FloatValue(s.climb, "climb")},
          {"swim", FloatValue(s.swim, "swim")},
          {"proportion_sum", s.proportion_sum},
          {"index", s.index},
          {"nocturnal", s.nocturnal},
          {"attack_avatar", s.attack_avatar}};
}

cSpeciesRecord ReadSpecies(const cSaveNode& node) {
  cSpeciesRecord s;
  s.color = ReadVector(node["color"]);
  s.perception = ReadVector(node["perception"]);
  s.walk_speed = node["walk_speed"].Float();
  s.run_speed = node["run_speed"].Float();
  s.attack = node["attack"].Float();
  s.defend = node["defend"].Float();
  s.neighbor_distance = node["neighbor_distance"].Float();
  s.climb = node["climb"].Float();
  s.swim = node["swim"].Float();
  s.proportion_sum = node["proportion_sum"].Int32();  // only world setup draws species by it
  s.index = node["index"].Int32();
  s.nocturnal = node["nocturnal"].Bool();
  s.attack_avatar = node["attack_avatar"].Bool();
  return s;
}

std::vector<cSpeciesRecord> ReadSpeciesTable(const cSaveNode& node, int count) {
  if (node.Count(kMostSpecies) != static_cast<size_t>(count)) {
    node.Fail("holds " + std::to_string(node.Json().size()) + " species, not num_species " + std::to_string(count));
  }
  std::vector<cSpeciesRecord> table;
  for (size_t i = 0; i < node.Json().size(); ++i) table.push_back(ReadSpecies(node.At(i)));
  return table;
}

json WriteDayClock(const cDayClock& clock) {
  return {{"cycle_start_ms", clock.cycle_start_ms},
          {"is_day", clock.is_day},
          {"day_ms", clock.day_ms},
          {"night_ms", clock.night_ms}};
}

// The cycle is the day and the night together, never empty (a day that never ends).
cDayClock ReadDayClock(const cSaveNode& node) {
  cDayClock clock;
  clock.cycle_start_ms = node["cycle_start_ms"].Uint32();
  clock.is_day = node["is_day"].Bool();
  clock.day_ms = node["day_ms"].Uint32();
  clock.night_ms = node["night_ms"].Uint32();
  const uint64_t cycle = uint64_t{clock.day_ms} + clock.night_ms;
  if (cycle == 0 || cycle > UINT32_MAX) node["night_ms"].Fail("makes a day and night of " + std::to_string(cycle) + " ms");
  clock.cycle_ms = static_cast<uint32_t>(cycle);
  return clock;
}

json WriteCamera(const cCamera& c) {
  return {{"distance", FloatValue(c.distance, "camera distance")},
          {"min_distance", FloatValue(c.minDistance, "camera distance")},
          {"max_distance", FloatValue(c.maxDistance, "camera distance")},
          {"yaw", FloatValue(c.yaw, "camera yaw")},
          {"pitch", FloatValue(c.pitch, "camera pitch")},
          {"yaw_offset", FloatValue(c.yawOffset, "camera yaw")},
          {"field_of_view", FloatValue(c.fieldOfView, "field of view")},
          {"follow", c.iso_cam}};
}

cCamera ReadCamera(const cSaveNode& node) {
  cCamera c;
  c.distance = node["distance"].Float();
  c.minDistance = node["min_distance"].Float();
  c.maxDistance = node["max_distance"].Float();
  c.yaw = node["yaw"].Float();
  c.pitch = node["pitch"].Float();
  c.yawOffset = node["yaw_offset"].Float();
  c.fieldOfView = node["field_of_view"].Float();
  c.iso_cam = node["follow"].Bool();
  return c;
}

// One text per row of the grid, one digit per cell: 1 land, 2 steep, 4 water.
json WriteTerrain() {
  json rows = json::array();
  for (const auto& row : gTerrainClasses) {
    std::string text;
    for (int32_t cell : row) text += static_cast<char>('0' + cell);
    rows.push_back(text);
  }
  return rows;
}

void ReadTerrain(const cSaveNode& node, int32_t (&terrain)[kTerrainCells][kTerrainCells]) {
  if (node.Count(kTerrainCells) != kTerrainCells) node.Fail("does not hold 64 rows");
  for (int row = 0; row < kTerrainCells; ++row) {
    const std::string text = node.At(row).String();
    if (text.size() != kTerrainCells) node.At(row).Fail("does not hold 64 cells");
    for (int column = 0; column < kTerrainCells; ++column) {
      const int32_t cell = text[column] - '0';
      if (cell != kTerrainLand && cell != kTerrainSteep && cell != kTerrainWater) {
        node.At(row).Fail("has '" + std::string(1, text[column]) + "' at " + std::to_string(column) +
                          ", not a terrain class (1, 2 or 4)");
      }
      terrain[row][column] = cell;
    }
  }
}

json WriteScripts() {
  json out;
  const cGameScriptTexts& texts = GameScriptTexts();
  for (int i = 0; i < kGameScriptCount; ++i) {
    out[GameScriptSource(static_cast<eGameScript>(i)).file] = texts[i] ? json(*texts[i]) : json(nullptr);
  }
  return out;
}

cGameScriptTexts ReadScripts(const cSaveNode& node) {
  cGameScriptTexts texts;
  for (int i = 0; i < kGameScriptCount; ++i) {
    const cSaveNode text = node[GameScriptSource(static_cast<eGameScript>(i)).file];
    if (!text.IsNull()) texts[i] = text.String();
  }
  return texts;
}

json WriteEvolution() {
  json base = json::array();
  for (float slot : gEvolutionBaseFrame) base.push_back(FloatValue(slot, "an evolution base value"));
  return {{"advance_history", advance_history}, {"base_frame", base}};
}

void ReadEvolution(const cSaveNode& node, cGameRecords& records) {
  const cSaveNode history = node["advance_history"];
  const size_t count = history.Count(kMostHistory);
  for (size_t i = 0; i < count; ++i) records.advanceHistory.push_back(static_cast<int>(history.At(i).Integer(0, kRecordedRows - 1)));
  const cSaveNode base = node["base_frame"];
  if (base.Count(kScriptSlotCount) != kScriptSlotCount) base.Fail("does not hold " + std::to_string(kScriptSlotCount) + " values");
  for (size_t i = 0; i < kScriptSlotCount; ++i) records.evolutionBase[i] = base.At(i).Float();
}
}  // namespace

void WriteGameRecords(json& document) {
  document["settings"] = WriteSettings(gConfig);
  document["species"] = json::array();
  for (const cSpeciesRecord& species : gSpeciesTable) document["species"].push_back(WriteSpecies(species));
  document["day_clock"] = WriteDayClock(gDayClock);
  document["camera"] = WriteCamera(gCamera);
  document["clock"] = {{"game_time_ms", GameTime()},
                       {"paused", gGameState.paused != 0},
                       {"last_tick_ms", gGameState.lastTickMs},
                       {"tick_clock_started", gGameState.tickClockStarted}};
  document["nest_building"] = {{"active", gGameState.nestBuilding}, {"start_ms", gGameState.nestBuildStartMs}};
  document["view"] = {{"free_zoom", gGameState.freeZoom},
                      {"first_frame", gGameState.firstFrame},
                      {"curved_horizon", curved_horizon}};
  document["random_state"] = RandomState();
  document["simulation"] = {{"days_alive", days_alive},
                            {"can_evolve", can_evolve},
                            {"nest_move_allowed", nest_move_allowed},
                            {"is_day", ScriptIsDay()}};
  document["evolution"] = WriteEvolution();
  document["terrain"] = WriteTerrain();
  document["scripts"] = WriteScripts();
}

cGameRecords ReadGameRecords(const cSaveNode& document) {
  cGameRecords records;
  records.config = ReadSettings(document["settings"]);
  records.species = ReadSpeciesTable(document["species"], records.config.num_species);
  records.dayClock = ReadDayClock(document["day_clock"]);
  records.camera = ReadCamera(document["camera"]);
  const cSaveNode clock = document["clock"];
  records.gameTimeMs = clock["game_time_ms"].Uint32();
  records.paused = clock["paused"].Bool();
  records.lastTickMs = clock["last_tick_ms"].Uint32();
  records.tickClockStarted = clock["tick_clock_started"].Bool();
  const cSaveNode building = document["nest_building"];
  records.nestBuilding = building["active"].Bool();
  records.nestBuildStartMs = building["start_ms"].Uint32();
  const cSaveNode view = document["view"];
  records.freeZoom = view["free_zoom"].Bool();
  records.firstFrame = view["first_frame"].Bool();
  records.curvedHorizon = view["curved_horizon"].Bool();
  records.randomState = document["random_state"].Uint32();
  const cSaveNode simulation = document["simulation"];
  records.totalDays = static_cast<int>(document["day"].Integer(0, INT32_MAX));
  records.daysAlive = static_cast<int>(simulation["days_alive"].Integer(0, records.totalDays));
  records.canEvolve = simulation["can_evolve"].Bool();
  records.nestMoveAllowed = simulation["nest_move_allowed"].Bool();
  records.scriptIsDay = simulation["is_day"].Bool();
  ReadEvolution(document["evolution"], records);
  ReadTerrain(document["terrain"], records.terrain);
  records.scripts = ReadScripts(document["scripts"]);
  return records;
}

void InstallGameRecords(const cGameRecords& records) {
  gConfig = records.config;
  gSpeciesTable = records.species;
  gDayClock = records.dayClock;
  gCamera = records.camera;
  SetGameTime(records.gameTimeMs, records.paused);
  gGameState.lastTickMs = records.lastTickMs;
  gGameState.tickClockStarted = records.tickClockStarted;
  gGameState.nestBuilding = records.nestBuilding;
  gGameState.nestBuildStartMs = records.nestBuildStartMs;
  gGameState.freeZoom = records.freeZoom;
  gGameState.firstFrame = records.firstFrame;
  gGameState.hoveredObject = nullptr;  // it pointed into the world being replaced
  curved_horizon = records.curvedHorizon;
  SeedRandom(records.randomState);
  days_alive = records.daysAlive;
  total_days = records.totalDays;
  can_evolve = records.canEvolve;
  nest_move_allowed = records.nestMoveAllowed;
  SetScriptIsDay(records.scriptIsDay);
  advance_history = records.advanceHistory;
  gEvolutionBaseFrame = records.evolutionBase;
  std::copy(&records.terrain[0][0], &records.terrain[0][0] + kTerrainCells * kTerrainCells, &gTerrainClasses[0][0]);
  InitGameScripts(records.scripts);
}
