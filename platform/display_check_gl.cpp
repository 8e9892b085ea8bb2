// Asks the X server whether the game's display can be opened, before GLUT tries.
#include "platform/display_check.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

void RequireDisplay(int argc, const char* const* argv) {
  const std::string name = DisplayNameFor(argc, argv, std::getenv("DISPLAY"));
  Display* display = name.empty() ? nullptr : XOpenDisplay(name.c_str());
  if (display == nullptr) {
    std::fprintf(stderr, "%s\n", DisplayFailureMessage(name).c_str());
    std::exit(1);
  }
  // Left open: a server with no other client (a bare Xvfb) resets when its last client leaves,
  // and would refuse GLUT's connection a moment later.
}
