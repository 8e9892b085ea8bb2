// Everything of a save beside the world: the settings it was played with, the evolved species,
// the clocks, the random source, the simulation's globals, the evolution record, the camera and
// view flags, the terrain and the scripts' texts. Read into a cGameRecords first, so a file is
// checked whole before any of it reaches the running game.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/camera.h"
#include "game/game_config.h"
#include "save/save_json.h"
#include "script/game_scripts.h"
#include "script/script_symbols.h"
#include "terrain/terrain_classes.h"
#include "world/day_clock.h"
#include "world/species.h"

struct cGameRecords {
  cGameConfig config;
  std::vector<cSpeciesRecord> species;
  cDayClock dayClock;
  cCamera camera;
  uint32_t gameTimeMs = 0;
  bool paused = false;
  uint32_t lastTickMs = 0;
  bool tickClockStarted = false;
  bool nestBuilding = false;
  uint32_t nestBuildStartMs = 0;
  bool freeZoom = false;
  bool firstFrame = false;
  bool curvedHorizon = false;
  uint32_t randomState = 0;
  int daysAlive = 0;
  int totalDays = 0;
  bool canEvolve = false;
  bool nestMoveAllowed = false;
  bool scriptIsDay = true;
  std::vector<int> advanceHistory;
  std::array<float, kScriptSlotCount> evolutionBase{};
  int32_t terrain[kTerrainCells][kTerrainCells] = {};
  cGameScriptTexts scripts;
};

// The running game's records into `document` (beside what it already holds).
void WriteGameRecords(json& document);
// Throws cSaveError.
cGameRecords ReadGameRecords(const cSaveNode& document);
// Replaces the running game's records (the world is installed separately).
void InstallGameRecords(const cGameRecords& records);
