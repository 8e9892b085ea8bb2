// The day/night cycle: each cycle is a day of day_ms followed by a night of night_ms.
#pragma once

#include <cstdint>

struct cDayClock {
  uint32_t cycle_start_ms = 0;
  uint32_t cycle_ms = 0;
  bool is_day = true;  // the value at the last new-day check
  uint32_t day_ms = 0;
  uint32_t night_ms = 0;

  // Brings cycle_start_ms forward past whole cycles, then reports whether it is day.
  bool IsDay();
  // True on the first check after a night has turned into day.
  bool NewDay();
  // +1 at midday, 0 at dawn and dusk, -1 at midnight.
  float DaylightLevel();
};

extern cDayClock gDayClock;
