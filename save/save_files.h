// Save files on disk: the saves folder under the XDG data folder, writing atomically (a
// temporary file in the same folder, flushed, then renamed over the old one), reading with a
// size bound, the quicksave and the three rotating autosaves. Every message is one line that
// names the file: "s.json: critters[12].state is 9, not a critter state".
#pragma once

#include <optional>
#include <string>

#include "save/saved_game.h"

// Larger than any save the game can make (10000 critters take about 10 MiB).
constexpr size_t kSaveFileLimit = 64u << 20;
constexpr int kAutosaves = 3;

// zoma/saves in the player's data home (platform/data_home); under the current folder's
// .local/share when the environment names no absolute data home, so a save still has a place.
std::string SavesFolder();
std::string QuicksavePath();

// Messages name the file as `shown` (the path itself when empty), as the player gave it.

// The running game into `path`, the folders to it created. An error message, or none.
std::optional<std::string> SaveGameTo(const std::string& path, const std::string& shown = "");
// The save at `path` checked whole, without touching the running game. Throws cSaveError with
// the message that names the file.
cSavedGame ReadSaveFile(const std::string& path, const std::string& shown = "");
// Reads, checks and installs; the running game is untouched unless the whole file is good.
// A line on standard output when the save was played with other data than the current
// folder's (the save's is played). An error message, or none.
std::optional<std::string> LoadGameFrom(const std::string& path, const std::string& shown = "");

// Writes autosave-N.json in `folder`, N being the slot holding no save or the oldest one.
std::optional<std::string> Autosave(const std::string& folder);
// The most recently written save of `folder`, if any.
std::optional<std::string> NewestSave(const std::string& folder);
