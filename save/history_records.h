// The population graph's days in a save, so a continued game's graph goes on from the saved
// one's rather than starting blank.
#pragma once

#include <deque>

#include "save/save_json.h"
#include "world/population_history.h"
#include "world/world_counters.h"

// The days, oldest first, under "population_history".
void WriteHistory(const cPopulationHistory& history, json& document);
// The saved days; none from a save written before the graph was saved. Every figure is at most
// 2^31 - 1, and the day under way cannot have counted more than the world's counters hold, so
// its figures cannot overflow as they count on. Throws cSaveError.
std::deque<cDayHistory> ReadHistory(const cSaveNode& document, int speciesCount, const cWorldCounters& counters);
