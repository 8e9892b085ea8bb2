// Which folder the game and the designer tools read ZOMA.ini and the scripts from. A folder
// named with --data is used as it is; else the current folder when it is a data folder, as the
// game has always done; else the player's own data folder under $XDG_DATA_HOME, made from the
// installed data the first time.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The help texts' paragraph on the files read and the folder they come from.
extern const char* const kDataFolderHelp;

// ZOMA.ini and the seven script files: what a data folder holds and a first run copies.
std::vector<std::string> DataFileNames();

// True when `folder` holds any of the data files (in any form: a folder named ZOMA.ini still
// means the designer meant this folder).
bool IsDataFolder(const std::string& folder);

// $XDG_DATA_HOME/zoma/data, or ~/.local/share/zoma/data when XDG_DATA_HOME is unset, empty or
// relative (the XDG rules ignore a relative one). Empty when neither it nor HOME is usable.
std::string PlayerDataFolder(const char* xdgDataHome, const char* home);

// Where the installed data lies: share/zoma beside the folder of the running program's own
// folder (so /usr/games/zoma and /usr/bin/zoma-sim both find /usr/share/zoma, and a tree
// unpacked anywhere finds its own), else the folder the build was configured to install to.
// Empty when neither holds ZOMA.ini.
std::string InstalledDataFolder();

struct cDataFolderPlaces {
  std::string current;    // the current folder
  std::string player;     // PlayerDataFolder()
  std::string installed;  // InstalledDataFolder()
};

struct cDataFolder {
  std::string folder;   // the folder to read from
  std::string note;     // the one line saying the player's folder was just made; else empty
  std::string problem;  // why the player's folder could not be made (the current one is used)
};

// Applies the rule above. Makes the player's folder only when it does not exist and the
// installed data is there; otherwise, with no data anywhere, the current folder stands and the
// game plays on its built-in defaults as it always has.
cDataFolder ChooseDataFolder(const std::optional<std::string>& named, const cDataFolderPlaces& places);

// The whole rule for a program: chooses with the real places, prints the note or the problem
// on standard error as "PROGRAM: ...", and enters the folder. False, after a line, when the
// folder cannot be entered.
bool EnterDataFolder(const char* program, const std::optional<std::string>& named);
