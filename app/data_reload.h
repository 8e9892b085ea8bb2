// The data folder watched while the game runs: ZOMA.ini and the seven scripts are taken in again
// when a designer saves them, and every other name in the folder is ignored. The watch is also
// how the frame function rests, so a paused game wakes for an edit without polling for it.
#pragma once

#include <string>
#include <vector>

#include "platform/folder_watch.h"

// Starts watching the current directory (the data folder); false when it cannot be watched,
// and the game then plays on without reloading.
bool WatchDataFolder();

// Rests up to `ms` milliseconds (0: just looks), waking early when the folder changes, then
// reloads what changed. Returns what happened, one line per file, already printed on standard
// output; empty when nothing the game reads changed.
std::vector<std::string> RestAndReloadData(int ms);

// What a set of folder changes does: each changed game file reloaded (written) or kept (removed,
// unless it is already back, when a write of it follows). Prints and returns the lines.
std::vector<std::string> ReloadChangedData(const std::vector<cFolderChange>& changes);
