// zoma-sim: the game without a window. Builds the world from a data folder as the game does,
// then runs the game's own tick schedule on a simulated clock (21 ms a step, so every step is
// one tick) with nobody playing the avatar, and prints one line per game day. The same seed
// gives the same day lines.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/config.h"
#include "app/frame_tick.h"
#include "dialog/evolution.h"
#include "game/game_clock.h"
#include "game/random.h"
#include "platform/time_source.h"
#include "script/game_scripts.h"
#include "world/day_clock.h"
#include "world/script_hooks.h"
#include "world/world.h"

namespace {
constexpr uint32_t kStepMs = 21;
// The frame's edge scrolling reads the mouse; a pointer in the middle of the window scrolls nothing.
constexpr int kWindowWidth = 800;
constexpr int kMouseX = kWindowWidth / 2;

struct cOptions {
  std::string data = ".";
  uint32_t seed = 1;
  long days = 5;
  long critters = -1;  // -1: as ZOMA.ini says
};

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: zoma-sim [--data DIR] [--seed N] [--days D] [--critters N]\n"
               "Runs the game headless on DIR's ZOMA.ini and scripts (default: the current directory)\n"
               "for D game days (default 5) from seed N (default 1), optionally with N critters, and\n"
               "prints one line per day.\n");
}

bool ParseNumber(const char* text, unsigned long max, unsigned long& value) {
  if (*text < '0' || *text > '9') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoul(text, &end, 10);
  return errno == 0 && *end == '\0' && value <= max;
}

bool ApplyOption(const std::string& flag, const char* value, cOptions& options) {
  unsigned long number = 0;
  if (flag == "--data") {
    options.data = value;
  } else if (flag == "--seed" && ParseNumber(value, UINT32_MAX, number)) {
    options.seed = static_cast<uint32_t>(number);
  } else if (flag == "--days" && ParseNumber(value, 100000, number) && number > 0) {
    options.days = static_cast<long>(number);
  } else if (flag == "--critters" && ParseNumber(value, kMostCritters, number)) {
    options.critters = static_cast<long>(number);
  } else {
    return false;
  }
  return true;
}

// False (after a message) on anything it does not understand.
bool ParseOptions(int argc, char** argv, cOptions& options) {
  for (int i = 1; i < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "-h" || flag == "--help") {
      PrintUsage(stdout);
      std::exit(0);
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "zoma-sim: %s needs a value\n", flag.c_str());
      return false;
    }
    if (!ApplyOption(flag, argv[i + 1], options)) {
      std::fprintf(stderr, "zoma-sim: bad option %s %s\n", flag.c_str(), argv[i + 1]);
      return false;
    }
  }
  return true;
}

// Everything the game itself prints (script comments, configuration notes, the avatar's
// abilities after a lost advance) goes to standard error; the returned stream is the original
// standard output, kept for the day lines alone.
std::FILE* SeparateDayLinesFromGameOutput() {
  std::fflush(stdout);
  std::FILE* dayLines = fdopen(dup(STDOUT_FILENO), "w");
  dup2(STDERR_FILENO, STDOUT_FILENO);
  return dayLines;
}

// The game's own start-up order, on a clock that only moves when the simulator moves it.
void StartGame(const cOptions& options) {
  if (options.critters >= 0) gNumCrittersOverride = static_cast<int>(options.critters);
  SetManualTime(0);
  SeedRandom(options.seed);
  StartGameClock();
  InitGameScripts();
  gWorld->BuildWorld();
  CaptureEvolutionBase(gWorld->GetAvatar());
  BuildEvolutionDialog();
}

struct cStateCounts {
  int flocking = 0, fighting = 0, sleeping = 0, goingHome = 0;
};

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

// One game day: the critters' states at midday and at midnight, and the day's totals.
class cDayReport {
 public:
  // After every tick: takes the midday and midnight pictures as the clock passes them.
  void Observe() {
    const uint32_t intoCycle = GameTime() - gDayClock.cycle_start_ms;
    if (!middayTaken_ && intoCycle >= gDayClock.day_ms / 2 && intoCycle < gDayClock.day_ms) {
      midday_ = CountStates();
      middayTaken_ = true;
    }
    if (!midnightTaken_ && intoCycle >= gDayClock.day_ms + gDayClock.night_ms / 2) {
      midnight_ = CountStates();
      midnightTaken_ = true;
    }
  }

  void PrintAndRestart(std::FILE* out, int day) {
    const cWorldCounters& counters = gWorld->counters;
    const cKeltoGameCritter* avatar = gWorld->GetAvatar();
    std::fprintf(out, "day %d | midday: %s | midnight: %s | fights %ld, died and respawned %ld, carcasses %zu"
                " | avatar health %.1f hunger %.1f energy %.1f\n",
                day, Describe(midday_).c_str(), Describe(midnight_).c_str(),
                counters.fights_started - fightsAtStart_, counters.critter_deaths - deathsAtStart_,
                gWorld->carcasses.size(), avatar->health, avatar->hunger, avatar->energy);
    std::fflush(out);
    *this = cDayReport();
    fightsAtStart_ = counters.fights_started;
    deathsAtStart_ = counters.critter_deaths;
  }

 private:
  static std::string Describe(const cStateCounts& c) {
    char text[128];
    std::snprintf(text, sizeof text, "flocking %d fighting %d sleeping %d going home %d", c.flocking, c.fighting,
                  c.sleeping, c.goingHome);
    return text;
  }

  cStateCounts midday_, midnight_;
  bool middayTaken_ = false, midnightTaken_ = false;
  long fightsAtStart_ = 0, deathsAtStart_ = 0;
};
}  // namespace

int main(int argc, char** argv) {
  cOptions options;
  if (!ParseOptions(argc, argv, options)) {
    PrintUsage(stderr);
    return 2;
  }
  // The game reads ZOMA.ini and its scripts from the current directory.
  if (chdir(options.data.c_str()) != 0) {
    std::fprintf(stderr, "zoma-sim: cannot enter %s: %s\n", options.data.c_str(), std::strerror(errno));
    return 1;
  }
  std::FILE* dayLines = SeparateDayLinesFromGameOutput();
  StartGame(options);
  // A day that never ends (no night, or one shorter than a tick) would keep the loop going for ever.
  const uint64_t timeLimitMs = (static_cast<uint64_t>(options.days) + 1) * gDayClock.cycle_ms;
  cDayReport report;
  uint64_t now = 0;
  long ticks = 0;
  const auto wallStart = std::chrono::steady_clock::now();
  while (total_days < options.days) {
    if (now > timeLimitMs) {
      std::fprintf(stderr, "zoma-sim: no new day after %llu ms of game time; does the day have a night?\n",
                   static_cast<unsigned long long>(now));
      return 1;
    }
    now += kStepMs;
    SetManualTime(static_cast<uint32_t>(now));
    const int daysBefore = total_days;
    CancelNestBuildingIfMoving();
    if (!TickIfDue(kWindowWidth, kMouseX)) continue;
    ++ticks;
    // The first tick of a new day closes the day before it.
    if (total_days > daysBefore) report.PrintAndRestart(dayLines, total_days);
    report.Observe();
  }
  const double wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  std::fprintf(dayLines, "ticks %ld, wall time %.3f s, %.0f ticks per second\n", ticks, wallSeconds,
              wallSeconds > 0.0 ? ticks / wallSeconds : 0.0);
  std::fclose(dayLines);
  return 0;
}
