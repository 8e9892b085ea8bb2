// zoma-config [DIR]: a designer's view of DIR's ZOMA.ini (default: the current directory),
// read exactly as the game reads it. Prints one "section.key = value" line per key in read
// order with the value the game holds after conversion, then the game's own lines about the
// file: why it could not be read, each mended value and each warning.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/config.h"
#include "game/game_clock.h"

namespace {
void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: zoma-config [DIR]\n"
               "Shows what the game reads from DIR/ZOMA.ini (default: the current directory).\n");
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
    PrintUsage(stdout);
    return 0;
  }
  if (argc > 2) {
    PrintUsage(stderr);
    return 2;
  }
  // The game reads ZOMA.ini from its current directory, so go there as a player would.
  if (argc == 2 && chdir(argv[1]) != 0) {
    std::fprintf(stderr, "zoma-config: cannot enter %s: %s\n", argv[1], std::strerror(errno));
    return 1;
  }
  StartGameClock();
  ReadConfigurationFile(ConfigurationPath());
  for (const std::string& line : DescribeConfiguration()) std::printf("%s\n", line.c_str());
  for (const std::string& line : gConfigDiagnostics) std::printf("%s\n", line.c_str());
  return 0;
}
