// The XDG data home rule, read once for every folder the game writes for a player.
#include "platform/data_home.h"

#include <cstdlib>

std::string DataHome(const char* xdgDataHome, const char* home) {
  if (xdgDataHome && xdgDataHome[0] == '/') return xdgDataHome;
  if (home && home[0] == '/') return std::string(home) + "/.local/share";
  return {};
}

std::string DataHome() { return DataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }
