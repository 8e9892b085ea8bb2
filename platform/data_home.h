// The player's XDG data home, where everything the game keeps for a player lives (the player's
// data folder, the saves).
#pragma once

#include <string>

// $XDG_DATA_HOME when it is absolute (the XDG rules ignore a relative one), else
// $HOME/.local/share when HOME is absolute; empty when neither is.
std::string DataHome(const char* xdgDataHome, const char* home);
// The same from this process's environment.
std::string DataHome();
