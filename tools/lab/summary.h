// The balance lab's verdict over a sweep: per seed, the avatar's deaths, kills and meals over
// all its days; over the seeds, their medians.
#pragma once

#include <string>
#include <vector>

#include "tools/lab/day_figures.h"

// The middle value, or the mean of the two middle values; 0 for none.
double Median(std::vector<long> values);

// "summary: seeds N, days D, avatar deaths median X (min A, max B), kills median K, meals
// median M, starved median S, killed median F" (no newline).
std::string SummaryLine(const std::vector<std::vector<cDayFigures>>& seeds, long days);
