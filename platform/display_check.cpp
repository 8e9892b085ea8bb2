// Display name and failure message.
#include "platform/display_check.h"

#include <cstring>

std::string DisplayNameFor(int argc, const char* const* argv, const char* displayVariable) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-display") == 0) return argv[i + 1];
  }
  return displayVariable ? displayVariable : "";
}

std::string DisplayFailureMessage(const std::string& displayName) {
  const std::string which = displayName.empty() ? "(DISPLAY is not set)" : displayName;
  return "zoma: cannot open the display " + which + "; run it from a desktop session";
}
