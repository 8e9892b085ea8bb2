// The day/night clock's arithmetic.
#include "world/day_clock.h"

#include "game/game_clock.h"

cDayClock gDayClock;

namespace {
// Rises from 0 to 1 over the first half of a span and falls back to 0 over the second. A span
// of length 0 (no night configured) gives 0 rather than dividing by zero.
float Arch(float elapsed, float span) {
  const float half = span * 0.5f;
  if (half <= 0.0f) return 0.0f;
  return elapsed < half ? elapsed / half : 1.0f - (elapsed - half) / half;
}
}  // namespace

void cDayClock::AdvanceCycle() {
  // A zero cycle would never catch up with the clock; leave the start where it is instead.
  if (cycle_ms == 0) return;
  while (GameTime() - cycle_start_ms > cycle_ms) cycle_start_ms += cycle_ms;
}

bool cDayClock::IsDay() {
  AdvanceCycle();
  return GameTime() - cycle_start_ms < day_ms;
}

bool cDayClock::NewDay() {
  const bool dayNow = IsDay();
  const bool dawn = !is_day && dayNow;
  is_day = dayNow;
  return dawn;
}

float cDayClock::DaylightLevel() {
  AdvanceCycle();
  const float elapsed = static_cast<float>(GameTime() - cycle_start_ms);
  const float day = static_cast<float>(day_ms);
  if (elapsed < day) return Arch(elapsed, day);
  return -Arch(elapsed - day, static_cast<float>(night_ms));
}
