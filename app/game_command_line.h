// The game's command line: its own options (--help, --version, --data DIR, --seed N,
// --continue, --load FILE), the timedemo's,
// and GLUT's, which go to glutInit unchanged. Anything else is an unknown option, so a typing
// mistake is named instead of silently ignored. GLUT's options are the seven of the X11 GLUT
// (-display NAME, -geometry WxH+X+Y, -iconic, -indirect, -direct, -gldebug, -sync): only
// those count as looking like one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/demo_options.h"
#include "app/save_commands.h"

struct cGameCommandLine {
  // Set when the program ends at once: 0 after --help or --version, 2 after the line about a
  // bad command line.
  std::optional<int> exitStatus;
  std::optional<std::string> dataFolder;  // --data DIR
  std::optional<uint32_t> seed;            // --seed N: the world's seed instead of the clock's
  std::vector<std::string> glutArguments;  // the program's name, then GLUT's options in order
  cDemoCommandLine demo;                   // isDemo with --timedemo or --shot
  cStartFrom start;                        // --continue or --load FILE (made absolute)
};

// Prints the help, the version or the one line about a bad option as it reads them.
cGameCommandLine ParseGameCommandLine(int argc, const char* const* argv);
