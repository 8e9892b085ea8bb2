// Running one seed: start-up, the tick loop and the daily figures.
#include "tools/lab/seed_run.h"

#include <cstdio>

#include "app/autopilot.h"
#include "app/config.h"
#include "app/frame_tick.h"
#include "app/world_start.h"
#include "dialog/evolution.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/random.h"
#include "platform/time_source.h"
#include "save/save_files.h"
#include "world/day_clock.h"
#include "world/species.h"
#include "world/world.h"

namespace {
constexpr uint32_t kStepMs = 21;
// The frame's edge scrolling reads the mouse; a pointer in the middle of the window scrolls nothing.
constexpr int kWindowWidth = 800;
constexpr int kMouseX = kWindowWidth / 2;

// Messages name the file as it was given.
std::string InFileFolder(const cRunOptions& options, const std::string& path) {
  return options.fileFolder.empty() || path[0] == '/' ? path : options.fileFolder + "/" + path;
}

bool RunEnded(const cRunOptions& options, long ticks, int lastDay) {
  return options.ticks >= 0 ? ticks >= options.ticks : total_days >= lastDay;
}

}  // namespace

// The game's own start-up order, on a clock that only moves when the simulator moves it. A
// loaded game replaces all of it, its clock going on from the saved time.
bool StartSeedGame(const cRunOptions& options) {
  if (options.critters >= 0) gNumCrittersOverride = static_cast<int>(options.critters);
  SetManualTime(0);
  AddAutopilotSaveSection();
  if (!options.load.empty()) {
    BuildEvolutionDialog();
    const std::optional<std::string> problem = LoadGameFrom(InFileFolder(options, options.load), options.load);
    if (problem) std::fprintf(stderr, "zoma-sim: %s\n", problem->c_str());
    // Nobody here can press P: a game saved paused plays on.
    if (gGameState.paused) ResumeGame();
    return !problem;
  }
  StartWorld(options.seed);
  return true;
}

bool StepSeedGame(uint64_t& nowMs) {
  nowMs += kStepMs;
  SetManualTime(static_cast<uint32_t>(nowMs));
  CancelNestBuildingIfMoving();
  return TickIfDue(kWindowWidth, kMouseX);
}

namespace {
cStateCounts CountStates() {
  cStateCounts counts;
  for (const cKeltoGameCritter* critter : gWorld->critters) {
    switch (critter->state) {
      case kStateFlocking: ++counts.flocking; break;
      case kStateFighting: ++counts.fighting; break;
      case kStateSleeping: ++counts.sleeping; break;
      case kStateGoingHome: ++counts.goingHome; break;
      default: break;
    }
  }
  return counts;
}

// One game day: the critters' states at midday and at midnight, and the day's totals, taken as
// differences of the world's running counters.
class cDayReport {
 public:
  explicit cDayReport(uint32_t seed) : seed_(seed) { Restart(); }

  // After every tick: takes the midday and midnight pictures as the clock passes them.
  void Observe() {
    const uint32_t intoCycle = GameTime() - gDayClock.cycle_start_ms;
    if (!middayTaken_ && intoCycle >= gDayClock.day_ms / 2 && intoCycle < gDayClock.day_ms) {
      figures_.midday = CountStates();
      middayTaken_ = true;
    }
    if (!midnightTaken_ && intoCycle >= gDayClock.day_ms + gDayClock.night_ms / 2) {
      figures_.midnight = CountStates();
      midnightTaken_ = true;
    }
  }

  cDayFigures Close(int day) {
    const cWorldCounters& now = gWorld->counters;
    const cKeltoGameCritter& avatar = *gWorld->GetAvatar();
    cDayFigures d = figures_;
    d.seed = seed_;
    d.day = day;
    d.fights = now.fights_started - start_.fights_started;
    d.critterDeaths = now.critter_deaths - start_.critter_deaths;
    d.carcasses = static_cast<long>(gWorld->carcasses.size());
    d.health = avatar.health;
    d.hunger = avatar.hunger;
    d.energy = avatar.energy;
    d.starved = now.avatar_starved - start_.avatar_starved;
    d.killed = now.avatar_killed - start_.avatar_killed;
    d.otherDeaths = now.avatar_other_deaths - start_.avatar_other_deaths;
    d.kills = now.avatar_kills - start_.avatar_kills;
    d.meals = now.avatar_meals - start_.avatar_meals;
    d.speciesCounts.assign(gSpeciesTable.size(), 0);
    d.speciesDeaths.assign(gSpeciesTable.size(), 0);
    for (const cKeltoGameCritter* critter : gWorld->critters) ++d.speciesCounts[static_cast<size_t>(critter->species)];
    // The deaths-by-species list grows on the first death of each species.
    for (size_t s = 0; s < d.speciesDeaths.size() && s < now.deaths_by_species.size(); ++s) {
      const long before = s < start_.deaths_by_species.size() ? start_.deaths_by_species[s] : 0;
      d.speciesDeaths[s] = now.deaths_by_species[s] - before;
    }
    Restart();
    return d;
  }

 private:
  void Restart() {
    figures_ = cDayFigures{};
    middayTaken_ = midnightTaken_ = false;
    start_ = gWorld->counters;
  }

  uint32_t seed_;
  cDayFigures figures_;
  bool middayTaken_ = false, midnightTaken_ = false;
  cWorldCounters start_;
};
}  // namespace

bool ConfiguredDaysCanBeRun() {
  ReadConfigurationFile(ConfigurationPath());
  // Added without wrapping: two long lengths can wrap round to a short cycle.
  const uint64_t dayMs = static_cast<uint64_t>(gDayClock.day_ms) + gDayClock.night_ms;
  if (dayMs <= kLongestLabDayMs) return true;
  std::fprintf(stderr,
               "zoma-sim: a day and night here last %llu s of game time (day_length + night_length); the lab "
               "runs days of at most %llu s (24 hours)\n",
               static_cast<unsigned long long>(dayMs / 1000), static_cast<unsigned long long>(kLongestLabDayMs / 1000));
  return false;
}

long RunSeed(const cRunOptions& options, const std::function<void(const cDayFigures&)>& onDay) {
  if (!StartSeedGame(options)) return -1;
  const int lastDay = total_days + static_cast<int>(options.days);
  // A day that never ends (no night, or one shorter than a tick) would keep the loop going for ever.
  const uint64_t timeLimitMs = (static_cast<uint64_t>(options.days) + 1) * gDayClock.cycle_ms;
  cDayReport report(WorldSeed());
  uint64_t now = 0;
  long ticks = 0;
  while (!RunEnded(options, ticks, lastDay)) {
    if (options.ticks < 0 && now > timeLimitMs) {
      std::fprintf(stderr, "zoma-sim: no new day after %llu ms of game time; does the day have a night?\n",
                   static_cast<unsigned long long>(now));
      return -1;
    }
    const int daysBefore = total_days;
    if (!StepSeedGame(now)) continue;
    ++ticks;
    // The first tick of a new day closes the day before it.
    if (total_days > daysBefore) onDay(report.Close(total_days));
    report.Observe();
    if (options.autopilot) AutopilotStep();
  }
  if (!options.save.empty()) {
    const std::optional<std::string> problem = SaveGameTo(InFileFolder(options, options.save), options.save);
    if (problem) {
      std::fprintf(stderr, "zoma-sim: %s\n", problem->c_str());
      return -1;
    }
  }
  return ticks;
}
