// A whole game as one JSON document: the header ("format": "zoma-save", "version", the build
// that wrote it, the seed the game started from, the game day), the game records, the world
// and the sections upper layers keep their own state in. Reading checks the whole document
// into a cSavedGame; only InstallSavedGame touches the running game.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "save/game_records.h"
#include "save/object_refs.h"
#include "save/save_json.h"
#include "save/world_records.h"
#include "world/world.h"

constexpr int kSaveVersion = 1;

// What the game was started from, beyond what it holds while it runs and the world's seed
// (WorldSeed): the text of ZOMA.ini as read at start-up (none when there was no file). The
// shell fills it at start-up; a loaded game takes the save's.
struct cPlayedData {
  std::optional<std::string> ini;
};
extern cPlayedData gPlayedData;

// State an upper layer keeps beside the world (the autopilot's memory), saved under
// "sections"."name". `read` checks the value (null when the file has none) and returns what
// installs it; it throws cSaveError and must not touch the running game.
struct cSaveSection {
  std::string name;
  std::function<json(const cObjectIndex&)> write;
  std::function<std::function<void()>(const cSaveNode&, const cObjectTable&)> read;
};
// Replaces a section of the same name.
void AddSaveSection(cSaveSection section);

struct cSavedGame {
  uint32_t seed = 0;  // the world's seed
  cPlayedData played;
  cGameRecords records;
  std::unique_ptr<cKeltoGameWorld> world;
  std::vector<std::function<void()>> sectionInstalls;
};

// The running game as the text of a save; the same game gives the same bytes. Throws cSaveError
// when the game holds a value JSON cannot carry.
std::string SaveGameText();
// A save's text checked whole. Throws cSaveError.
cSavedGame ReadSavedGame(const std::string& text);
// The names of the current folder's data files (ZOMA.ini and the seven scripts) whose text is
// not the one the save was played with; a script file left out counts as its built-in text.
std::vector<std::string> DataDifferingFromFolder(const cSavedGame& game);
// Replaces the running game with a checked save: the one place a running game is swapped.
void InstallSavedGame(cSavedGame game);
