// Reloading ZOMA.ini into a running world. Reading the file fills the same records start-up
// fills and restarts clocks and the camera, so the running values are put back afterwards and
// only the live changes are taken from the new read.
#include "app/config_reload.h"

#include "app/config.h"
#include "app/config_changes.h"
#include "game/camera.h"
#include "platform/data_file.h"
#include "platform/ini_file.h"
#include "world/day_clock.h"
#include "world/world.h"

namespace {
const char* const kSettingsStay = "; the settings stay as they are";

// What a configuration read overwrites and play has moved on since.
struct cRunningSettings {
  cGameConfig config = gConfig;
  cCamera camera = gCamera;
  cDayClock dayClock = gDayClock;
  std::vector<cSpeciesRecord> species = gSpeciesTable;
  uint32_t motiveClockMs = gWorld->motive_clock_ms;

  void Restore() const {
    gConfig = config;
    gCamera = camera;
    gDayClock = dayClock;
    gSpeciesTable = species;
    gWorld->motive_clock_ms = motiveClockMs;
  }
};
}  // namespace

std::vector<std::string> ReloadConfiguration() {
  const std::string path = ConfigurationPath();
  const cDataFile file = ReadDataFile(path);
  if (!file.Read()) return {"ZOMA.ini: " + path + " " + file.problem + kSettingsStay};
  const cSettings was = gSettingsAsRead;
  const cRunningSettings running;
  ApplyConfiguration(cIniFile::FromText(file.text));
  PrintConfigDiagnostics();
  const cSettings now = gSettingsAsRead;
  running.Restore();
  ApplyLiveSettings(was, now, gWorld->critters);
  return DescribeSettingChanges(DiffSettings(was, now));
}

std::string KeepRemovedConfiguration() { return std::string("ZOMA.ini was removed") + kSettingsStay; }
