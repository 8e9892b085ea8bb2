// Reading ZOMA.ini: the profile rules, the fixed key order and the mends of values the game
// cannot run on. Reading fills the settings record, the camera, the day clock, the world's
// motive clock and the species table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game_config.h"
#include "game/vector.h"

class cIniFile;

// When set, replaces the file's num_critters (the headless simulator's --critters); the game
// itself never sets it.
extern std::optional<int> gNumCrittersOverride;

// In read order: a line when the file could not be read ("ZOMA.ini: PATH is a folder; using the
// defaults"), one per value that had to be mended because the game would crash, hang or show
// nothing with it ("ZOMA.ini: game.evolve_interval=0 is below 1; using 1"), and one per value
// the game takes as it is although it makes no sense ("warning: ZOMA.ini: ..."). Refilled by
// every read.
extern std::vector<std::string> gConfigDiagnostics;

// <current directory>/ZOMA.ini; the directory may be of any length.
std::string ConfigurationPath();

// Reads ConfigurationPath() into gConfig, the camera, the day clock and the species table, in
// the game's fixed key order, and prints the diagnostics on standard output. A missing section
// or key gives its default silently; a file that cannot be read gives every default, with a line.
void ReadConfiguration();
// The same from the file at path, without printing (zoma-config).
void ReadConfigurationFile(const std::string& path);
// The same from a file already read, without printing (tests and fuzzing).
void ApplyConfiguration(const cIniFile& file);
// Prints gConfigDiagnostics on standard output, as ReadConfiguration does.
void PrintConfigDiagnostics();

// What the game holds after the last read, one "section.key = value" line per key in read
// order: numbers with %g, flags as 0 or 1, triples as three numbers, times in milliseconds,
// avatar_species as its 0-based index and each proportion as the running total.
std::vector<std::string> DescribeConfiguration();

// "a,b,c" -> (a, b, c); a missing part repeats the text after the last comma found.
cVector ParseTriple(const std::string& text);
