// Saving and loading as the player asks for it, with the notices that report it.
#include "app/save_commands.h"

#include <cstdio>
#include <optional>

#include "dialog/evolution.h"
#include "platform/time_source.h"
#include "render/notices.h"
#include "save/save_files.h"
#include "world/world.h"

namespace {
int gLastDaySeen = -1;  // the day the autosave has seen; -1 before the first frame

void Tell(const std::string& text) {
  ShowSaveNotice(text, TimeGetTime());
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

// A loaded game's day is not a new one, and an evolution dialog left open belongs to the game
// that was replaced: its Ok would hand that avatar's counts to the loaded one.
void Load(const std::string& path) {
  const std::optional<std::string> problem = LoadGameFrom(path);
  Tell(problem ? "Game not loaded: " + *problem : "Game loaded");
  if (!problem) CloseEvolutionDialog();
  gLastDaySeen = total_days;
}

void AutosaveTelling() {
  if (const std::optional<std::string> problem = Autosave(SavesFolder())) Tell("Game not saved: " + *problem);
}
}  // namespace

void QuickSave() {
  const std::optional<std::string> problem = SaveGameTo(QuicksavePath());
  Tell(problem ? "Game not saved: " + *problem : "Game saved");
}

void QuickLoad() { Load(QuicksavePath()); }

// A new world counts its days from 0 again: only a day count that moves on is a new day.
void AutosaveOnNewDay() {
  if (gLastDaySeen >= 0 && total_days > gLastDaySeen) AutosaveTelling();
  gLastDaySeen = total_days;
}

void AutosaveOnClose() { AutosaveTelling(); }

void StartFromSave(const cStartFrom& start) {
  if (!start.file.empty()) {
    Load(start.file);
    return;
  }
  if (!start.newest) return;
  const std::optional<std::string> newest = NewestSave(SavesFolder());
  if (!newest) {
    std::printf("zoma: no saved game in %s; starting a new game\n", SavesFolder().c_str());
    std::fflush(stdout);
    return;
  }
  Load(*newest);
}
