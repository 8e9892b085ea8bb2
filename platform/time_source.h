// Monotonic millisecond time source (unsigned 32-bit, wraps after ~49 days) under the game
// clock and the start-up random seed. Tests and the headless simulator drive it by hand.
#pragma once

#include <cstdint>

uint32_t TimeGetTime();

// From now on TimeGetTime() returns `ms` until changed again or UseRealTime() is called.
void SetManualTime(uint32_t ms);
void UseRealTime();
