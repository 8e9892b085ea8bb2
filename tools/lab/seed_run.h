// One seed of the balance lab: the game's own start-up on a simulated clock, then its tick
// schedule (21 ms a step, so every step is one tick) for a number of game days, the avatar
// either left alone or played by the autopilot. Runs once per process: the game's start-up
// state is process-wide, which is why a sweep forks a process per seed.
#pragma once

#include <cstdint>
#include <functional>

#include "tools/lab/day_figures.h"

struct cRunOptions {
  uint32_t seed = 1;
  long days = 5;
  long critters = -1;  // -1: as ZOMA.ini says
  bool autopilot = false;
};

// The longest day and night together that the lab runs: at 21 ms of game time a tick, a day
// of weeks (a negative day_length lasts about 49.7 days) would tick for hours without a line.
constexpr uint64_t kLongestLabDayMs = 24ull * 60 * 60 * 1000;

// Reads ZOMA.ini from the current directory and checks that its day and night together last
// at most kLongestLabDayMs; false, after a line on standard error saying why, when they do not.
bool ConfiguredDaysCanBeRun();

// Calls onDay at the first tick of each new day with the figures of the day it closes.
// Returns the number of ticks run, or -1 (after a message) when a day never ends.
long RunSeed(const cRunOptions& options, const std::function<void(const cDayFigures&)>& onDay);
