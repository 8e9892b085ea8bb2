// Asks the X server whether the game's display can be opened, before GLUT tries.
#include "platform/display_check.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {
// Kept open for the run: a server with no other client (a bare Xvfb) resets when its last
// client leaves, and would refuse GLUT's connection a moment later.
Display* gCheckedDisplay = nullptr;

void CloseCheckedDisplay() { XCloseDisplay(gCheckedDisplay); }
}  // namespace

void RequireDisplay(int argc, const char* const* argv) {
  const std::string name = DisplayNameFor(argc, argv, std::getenv("DISPLAY"));
  gCheckedDisplay = name.empty() ? nullptr : XOpenDisplay(name.c_str());
  if (gCheckedDisplay == nullptr) {
    std::fprintf(stderr, "%s\n", DisplayFailureMessage(name).c_str());
    std::exit(1);
  }
  std::atexit(CloseCheckedDisplay);
}
