// The last few days of the world's population, kept for the population graph: for each day,
// the critters of each species awake at each eighth of the day cycle, and the deaths of each
// species and the avatar's kills and meals during the day (from the world's counters). Kept
// beside the world and rebuilt with it; the rules never read it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "world/world_counters.h"

class cKeltoGameWorld;

constexpr int kHistorySamplesPerDay = 8;
constexpr size_t kHistoryDays = 6;  // the day under way and the five before it

struct cDayHistory {
  int day = 0;                          // total_days while it lasted
  std::vector<std::vector<int>> awake;  // [sample][species], samples so far (at most 8)
  std::vector<long> deaths;             // by species, during the day so far
  long kills = 0;                       // the avatar's, during the day so far
  long meals = 0;
};

class cPopulationHistory {
 public:
  // After every tick. `day` is total_days; `intoCycleMs` the time since the day cycle began,
  // `cycleMs` its length. A new day opens a new record (the oldest beyond kHistoryDays goes);
  // each eighth of the cycle reached takes a sample, and a sample the clock jumped past takes
  // the counts of the first tick after it.
  void Observe(const cKeltoGameWorld& world, int day, uint32_t intoCycleMs, uint32_t cycleMs);

  // Oldest first; the last is the day under way.
  const std::deque<cDayHistory>& Days() const { return days_; }
  // Replaces what was observed (frozen figures for pictures and tests); the last day goes on
  // counting from its figures as the world's counters move on.
  void SetDays(const cKeltoGameWorld& world, std::deque<cDayHistory> days);

 private:
  void OpenDay(const cKeltoGameWorld& world, int day);

  std::deque<cDayHistory> days_;
  cWorldCounters dayStart_;  // the counters when the day under way began
};
