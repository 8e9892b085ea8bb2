// ZOMA.ini read again while the game runs: the same rules, mends and warnings as at start-up,
// the live values put into force from the next tick, and a listing of what changed (the rules
// of what a running world takes are config_changes').
#pragma once

#include <string>
#include <vector>

// Reads ConfigurationPath() again, prints the read's diagnostics as start-up does and returns
// the listing. A file that cannot be read changes nothing ("ZOMA.ini: PATH is a folder; the
// settings stay as they are"): defaults in the middle of a game would be an editor's accident.
std::vector<std::string> ReloadConfiguration();

// The file was removed: the settings stay, and the line says so.
std::string KeepRemovedConfiguration();
