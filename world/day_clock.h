// The day/night cycle: each cycle is a day of day_ms followed by a night of night_ms, read from
// the game clock. Clock differences are unsigned, so the cycle survives the clock wrapping.
#pragma once

#include <cstdint>

struct cDayClock {
  uint32_t cycle_start_ms = 0;
  uint32_t cycle_ms = 0;
  bool is_day = true;  // the value at the last new-day check
  uint32_t day_ms = 0;
  uint32_t night_ms = 0;

  // Brings cycle_start_ms forward past whole cycles (re-reading the clock), then reports
  // whether it is day. Each cycle begins with the day.
  bool IsDay();
  // True on the first check after a night has turned into day; records the current value.
  // Several cycles skipped between two checks count as one new day at most.
  bool NewDay();
  // +1 at midday, 0 at dawn and dusk, -1 at midnight (brings the cycle forward too).
  float DaylightLevel();
  // The cycle-forward step of the three above. A zero-length cycle is never advanced.
  void AdvanceCycle();
};

extern cDayClock gDayClock;
