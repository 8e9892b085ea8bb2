// Running many seeds at once: one child process per seed (the game's state is process-wide),
// at most `jobs` at a time. Each child writes its days as CSV rows to a scratch file; the
// parent reads them back and hands every seed's days on in seed order, so the output does not
// depend on which child finished first.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "tools/lab/day_figures.h"

struct cSweep {
  uint32_t first = 1, last = 1;
  int jobs = 1;
  // In the child: run the seed, writing one CsvRow line per day to `out`. True on success.
  std::function<bool(uint32_t seed, std::FILE* out)> runSeed;
  // In the parent, in seed order.
  std::function<void(const std::vector<cDayFigures>& days)> onSeed;
  // In the parent, whenever a child ends: how many have ended.
  std::function<void(uint32_t finished)> onProgress;
};

// False (after a message) when a child could not be started or did not succeed; the seeds
// before it have been handed on.
bool RunSweep(const cSweep& sweep);
