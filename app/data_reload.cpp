// Dispatching the data folder's changes to the script and configuration reloads.
#include "app/data_reload.h"

#include <sys/stat.h>

#include <cstdio>
#include <optional>

#include "app/config_reload.h"
#include "script/script_reload.h"

namespace {
cFolderWatch gDataWatch;
// A removed name that exists again is being replaced: its own write event follows, and reading
// it now could catch it half-written.
bool Exists(const std::string& name) {
  struct stat status {};
  return lstat(name.c_str(), &status) == 0;
}

std::vector<std::string> LinesFor(const cFolderChange& change) {
  const bool configuration = change.name == "ZOMA.ini";
  const std::optional<eGameScript> script = GameScriptOfFile(change.name);
  if (!configuration && !script) return {};
  if (change.written && configuration) return ReloadConfiguration();
  if (change.written) return {ReloadGameScript(*script)};
  if (change.removed && !Exists(change.name))
    return {configuration ? KeepRemovedConfiguration() : KeepRemovedGameScript(*script)};
  return {};
}
}  // namespace

bool WatchDataFolder() {
  return gDataWatch.Watch(".");
}

std::vector<std::string> RestAndReloadData(int ms) { return ReloadChangedData(gDataWatch.Wait(ms)); }

std::vector<std::string> ReloadChangedData(const std::vector<cFolderChange>& changes) {
  std::vector<std::string> told;
  for (const cFolderChange& change : changes) {
    for (const std::string& line : LinesFor(change)) {
      std::printf("%s\n", line.c_str());
      told.push_back(line);
    }
  }
  std::fflush(stdout);  // seen at once even when standard output is a file
  return told;
}
