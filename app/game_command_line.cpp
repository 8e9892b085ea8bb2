// Sorting the game's command line into its own options, the timedemo's and GLUT's.
#include "app/game_command_line.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/data_folder.h"
#include "platform/standard_options.h"

namespace {
struct cOptionShape {
  const char* name;
  int values;  // how many arguments follow it
};
// X11 GLUT's own options; glutInit reads them.
const cOptionShape kGlutOptions[] = {{"-display", 1}, {"-geometry", 1}, {"-iconic", 0}, {"-indirect", 0},
                                     {"-direct", 0},  {"-gldebug", 0},  {"-sync", 0}};
const cOptionShape kDemoOptions[] = {
    {"--timedemo", 1}, {"--shot", 2}, {"--view", 1}, {"--critters", 1}, {"--plain", 0}};

template <size_t N>
const cOptionShape* Find(const cOptionShape (&table)[N], const char* name) {
  for (const cOptionShape& shape : table) {
    if (std::strcmp(shape.name, name) == 0) return &shape;
  }
  return nullptr;
}

const std::string kGameHelp =
    "usage: zoma [--data DIR] [--seed N] [--continue | --load FILE] [GLUT options]\n"
    "       zoma [--data DIR] [--seed N] --timedemo FRAMES | --shot FRAME FILE.ppm\n"
    "            [--view NAME]... [--critters N] [--plain]\n"
    "Plays ZOMA: survive and evolve as a small creature among herds and night hunters.\n"
    "\n"
    "  --data DIR          read ZOMA.ini and the scripts from DIR\n"
    "  --seed N            build the world from seed N (0 to 4294967295) instead of the clock;\n"
    "                      the game prints the seed it plays as seed: N\n"
    "  --continue          start from the newest saved game (F5 saves, F9 loads)\n"
    "  --load FILE         start from the saved game FILE\n"
    "  --timedemo FRAMES   draw FRAMES frames of a fixed game back to back and time them\n"
    "  --shot FRAME FILE   save frame FRAME of that game as a PPM picture\n"
    "  --view NAME         a fixed view for the timedemo or the shot (repeatable): follow,\n"
    "                      curved, night, world, debug, fight, evolution, nest, walk, kill,\n"
    "                      graph\n"
    "  --critters N        the timedemo's number of critters\n"
    "  --plain             draw the timedemo the plain, slower way\n"
    "  -display NAME, -geometry WxH+X+Y, -iconic, -indirect, -direct, -gldebug, -sync\n"
    "                      handed to GLUT\n"
    "  -h, --help          show this help\n"
    "  --version           show the version\n"
    "\n" +
    std::string(kDataFolderHelp) +
    "Saves go to $XDG_DATA_HOME/zoma/saves (~/.local/share/zoma/saves): quicksave.json and\n"
    "autosave-1.json to autosave-3.json. Writes nothing else; --shot writes FILE.\n"
    "\n"
    "Exit status: 0 when the game window closes, after a timedemo, --help or --version;\n"
    "1 without a display, when the data folder cannot be entered or the shot cannot be\n"
    "written; 2 for a bad command line.\n";

// Decimal digits only: strtoull would take a sign or blanks and wrap a negative number round.
std::optional<uint32_t> SeedNumber(const char* text) {
  if (*text < '0' || *text > '9') return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0' || value > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(value);
}

// True when argv[i] has the values its shape asks for; otherwise says which option lacks them.
bool HasValues(const cOptionShape& shape, int i, int argc, cGameCommandLine& line) {
  if (i + shape.values < argc) return true;
  line.exitStatus = UsageError("zoma", std::string(shape.name) + " needs " +
                                           (shape.values == 1 ? "a value" : "two values"));
  return false;
}

// Moves an option and its values from argv into `into`; returns the index of its last value.
int Take(const cOptionShape& shape, int i, const char* const* argv, std::vector<std::string>& into) {
  for (int k = 0; k <= shape.values; ++k) into.push_back(argv[i + k]);
  return i + shape.values;
}

void ParseDemo(const std::vector<std::string>& demoArguments, const char* program, cGameCommandLine& line) {
  if (demoArguments.empty()) return;
  std::vector<const char*> argv = {program};
  for (const std::string& argument : demoArguments) argv.push_back(argument.c_str());
  line.demo = ParseDemoCommandLine(static_cast<int>(argv.size()), argv.data());
  if (!line.demo.isDemo) line.exitStatus = UsageError("zoma", demoArguments.front() + " needs --timedemo or --shot");
}
}  // namespace

cGameCommandLine ParseGameCommandLine(int argc, const char* const* argv) {
  cGameCommandLine line;
  line.glutArguments.push_back(argc > 0 ? argv[0] : "zoma");
  std::vector<std::string> demoArguments;
  for (int i = 1; i < argc && !line.exitStatus; ++i) {
    const char* argument = argv[i];
    if ((line.exitStatus = AnswerStandardOption("zoma", kGameHelp.c_str(), argument))) break;
    if (std::strcmp(argument, "--data") == 0) {
      if (!HasValues({"--data", 1}, i, argc, line)) break;
      line.dataFolder = argv[++i];
    } else if (std::strcmp(argument, "--continue") == 0) {
      line.start.newest = true;
    } else if (std::strcmp(argument, "--load") == 0) {
      if (!HasValues({"--load", 1}, i, argc, line)) break;
      // The data folder is entered before the save is read; the file is named from here.
      line.start.file = std::filesystem::absolute(argv[++i]).string();
    } else if (std::strcmp(argument, "--seed") == 0) {
      if (!HasValues({"--seed", 1}, i, argc, line)) break;
      line.seed = SeedNumber(argv[++i]);
      if (!line.seed) line.exitStatus = UsageError("zoma", "--seed needs a whole number from 0 to 4294967295");
    } else if (const cOptionShape* glut = Find(kGlutOptions, argument)) {
      if (HasValues(*glut, i, argc, line)) i = Take(*glut, i, argv, line.glutArguments);
    } else if (const cOptionShape* demo = Find(kDemoOptions, argument)) {
      if (HasValues(*demo, i, argc, line)) i = Take(*demo, i, argv, demoArguments);
    } else {
      line.exitStatus = UnknownOption("zoma", argument);
    }
  }
  if (!line.exitStatus) ParseDemo(demoArguments, line.glutArguments.front().c_str(), line);
  return line;
}
