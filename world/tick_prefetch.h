// What the world tick asks memory for ahead of use. With thousands of critters their objects no
// longer fit the caches, and the tick would otherwise wait on the first read of the critter a
// random draw picks, anywhere in memory. (The next critters, their lists and neighbours are not
// fetched ahead: measured, walking them to find what to fetch cost as much as it saved.)
// Fetching ahead only reads: nothing here changes the world or draws a random number.
#pragma once

#include <cstddef>
#include <vector>

#include "world/objects.h"

// The critter the flocking critter's notice draw will pick, in two steps: its place in
// `critters` (asked for when the critter before it is done), then the critter itself (when the
// flocking step starts). A calm critter draws nothing before it in the flocking step, an
// alarmed one one draw per flock mate; a wrong guess only costs the fetch.
void PrefetchNoticeSlot(const cKeltoGameCritter* critter, const std::vector<cKeltoGameCritter*>& critters);
void PrefetchNoticeDraw(const cKeltoGameCritter* critter, const std::vector<cKeltoGameCritter*>& critters);
// The plants a critter is about to measure.
void PrefetchPlants(cKeltoGamePlant* const* plants, size_t count);
