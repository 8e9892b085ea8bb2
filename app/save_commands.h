// The player's saves: F5 and F9 (quicksave and quickload), the autosave at each new day and when
// a window closes, and starting from a save (zoma --continue, zoma --load FILE). Each tells the
// player how it went in a notice; a load that fails leaves the game as it was.
#pragma once

#include <string>

void QuickSave();
void QuickLoad();
// Once per frame, after the tick: autosaves when a new day has begun since the last call.
void AutosaveOnNewDay();
// Before the program ends because a window was closed.
void AutosaveOnClose();

// How the game starts: a new world, the newest save, or a given file.
struct cStartFrom {
  bool newest = false;    // --continue
  std::string file;       // --load FILE
};
// After the new world is built: replaces it with the save asked for. With no save to continue,
// says so in one line and the new game goes on; a save that cannot be loaded is named in a
// notice (and on standard output) and the new game goes on.
void StartFromSave(const cStartFrom& start);
