// The data folder rule, and making the player's data folder on the first run.
#include "app/data_folder.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/data_home.h"
#include "platform/folder_copy.h"
#include "script/game_scripts.h"

namespace {
bool Exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

bool HoldsZomaIni(const std::string& folder) { return !folder.empty() && Exists(folder + "/ZOMA.ini"); }

std::string ParentOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string RunningProgramPath() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

std::string CurrentFolder() {
  char* folder = getcwd(nullptr, 0);
  const std::string result = folder ? folder : ".";
  std::free(folder);
  return result;
}
}  // namespace

const char* const kDataFolderHelp =
    "Files: ZOMA.ini and the behaviour scripts avatar_motives.txt, combat.txt, nesting.txt,\n"
    "evolutionPoints.txt, move_nest.txt, carry_carcass.txt and species_evolve.txt are read\n"
    "from the data folder: the one named with --data; else the current folder when it holds\n"
    "any of them; else $XDG_DATA_HOME/zoma/data (~/.local/share/zoma/data), which the first\n"
    "run makes as a copy of the installed data (/usr/share/zoma from the package), saying so\n"
    "in one line on standard error. A file the folder does not hold gives built-in defaults.\n";

std::vector<std::string> DataFileNames() {
  std::vector<std::string> names = {"ZOMA.ini"};
  for (int i = 0; i < kGameScriptCount; ++i) names.push_back(GameScriptSource(static_cast<eGameScript>(i)).file);
  return names;
}

bool IsDataFolder(const std::string& folder) {
  for (const std::string& name : DataFileNames()) {
    if (Exists(folder + "/" + name)) return true;
  }
  return false;
}

std::string PlayerDataFolder(const char* xdgDataHome, const char* home) {
  const std::string dataHome = DataHome(xdgDataHome, home);
  return dataHome.empty() ? dataHome : dataHome + "/zoma/data";
}

std::string InstalledDataFolder() {
  const std::string program = RunningProgramPath();
  if (!program.empty()) {
    const std::string beside = ParentOf(ParentOf(program)) + "/share/zoma";
    if (HoldsZomaIni(beside)) return beside;
  }
  return HoldsZomaIni(ZOMA_INSTALLED_DATA_DIR) ? ZOMA_INSTALLED_DATA_DIR : std::string();
}

cDataFolder ChooseDataFolder(const std::optional<std::string>& named, const cDataFolderPlaces& places) {
  cDataFolder result;
  result.folder = places.current;
  if (named) {
    result.folder = *named;
    return result;
  }
  if (IsDataFolder(places.current) || places.player.empty()) return result;
  if (Exists(places.player)) {
    result.folder = places.player;
    return result;
  }
  if (places.installed.empty()) return result;
  result.problem = CopyIntoNewFolder(places.installed, DataFileNames(), places.player);
  if (!result.problem.empty()) return result;
  result.folder = places.player;
  result.note = "made your data folder " + places.player + " from " + places.installed +
                "; edit ZOMA.ini and the scripts there to change the game";
  return result;
}

bool EnterDataFolder(const char* program, const std::optional<std::string>& named) {
  cDataFolderPlaces places;
  places.current = CurrentFolder();
  places.player = PlayerDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  places.installed = InstalledDataFolder();
  const cDataFolder chosen = ChooseDataFolder(named, places);
  if (!chosen.note.empty()) std::fprintf(stderr, "%s: %s\n", program, chosen.note.c_str());
  if (!chosen.problem.empty()) std::fprintf(stderr, "%s: %s; using the current folder\n", program, chosen.problem.c_str());
  if (chdir(chosen.folder.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot enter %s: %s\n", program, chosen.folder.c_str(), std::strerror(errno));
    return false;
  }
  return true;
}
