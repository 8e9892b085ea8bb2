// zoma-config [DIR]: a designer's view of a data folder's ZOMA.ini, read exactly as the game
// reads it. Prints one "section.key = value" line per key in read order with the value the game
// holds after conversion, then the game's own lines about the file: why it could not be read,
// each mended value and each warning.
#include <cstdio>
#include <optional>
#include <string>

#include "app/config.h"
#include "app/data_folder.h"
#include "game/game_clock.h"
#include "platform/standard_options.h"

namespace {
const std::string kHelp =
    "usage: zoma-config [DIR | --data DIR]\n"
    "Shows what the game reads from the data folder's ZOMA.ini: one line per key, in the order\n"
    "the game reads them, with the value the game holds after conversion (times in\n"
    "milliseconds, colours from 0 to 1), then a line for every value the game had to mend.\n"
    "\n"
    "  DIR, --data DIR  the data folder (see Files)\n"
    "  -h, --help       show this help\n"
    "  --version        show the version\n"
    "\n" +
    std::string(kDataFolderHelp) +
    "Writes nothing else.\n"
    "\n"
    "Exit status: 0 when shown (a missing or unreadable ZOMA.ini shows the defaults); 1 when\n"
    "the data folder cannot be entered; 2 for a bad command line.\n";

// The folder named on the command line, if any; the exit status when the command line ends
// the program.
std::optional<int> ParseOptions(int argc, char** argv, std::optional<std::string>& folder) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (const std::optional<int> status = AnswerStandardOption("zoma-config", kHelp.c_str(), argument)) return status;
    const bool named = argument == "--data";
    if (!named && argument[0] == '-') return UnknownOption("zoma-config", argument);
    if (named && ++i >= argc) return UsageError("zoma-config", "--data needs a folder");
    if (folder) return UsageError("zoma-config", "takes one folder");
    folder = argv[i];
  }
  return std::nullopt;
}
}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> folder;
  if (const std::optional<int> status = ParseOptions(argc, argv, folder)) return *status;
  // The game reads ZOMA.ini from its current directory, so go there as a player would.
  if (!EnterDataFolder("zoma-config", folder)) return 1;
  StartGameClock();
  ReadConfigurationFile(ConfigurationPath());
  for (const std::string& line : DescribeConfiguration()) std::printf("%s\n", line.c_str());
  for (const std::string& line : gConfigDiagnostics) std::printf("%s\n", line.c_str());
  return 0;
}
