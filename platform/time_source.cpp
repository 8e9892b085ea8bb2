// CLOCK_MONOTONIC in milliseconds, truncated to 32 bits like the multimedia timer it replaces.
#include "platform/time_source.h"

#include <ctime>

namespace {
bool gManual = false;
uint32_t gManualMs = 0;
}  // namespace

uint32_t TimeGetTime() {
  if (gManual) return gManualMs;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                               static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

void SetManualTime(uint32_t ms) {
  gManual = true;
  gManualMs = ms;
}

void UseRealTime() { gManual = false; }
