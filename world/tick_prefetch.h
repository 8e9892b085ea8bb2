// What the world tick asks memory for ahead of use. With thousands of critters their objects
// and lists no longer fit the caches, and the tick would otherwise wait on each first read of
// the next critter, its neighbour list, its neighbours and the critter a draw picks. Fetching
// ahead only reads: nothing here changes the world or draws a random number.
#pragma once

#include <cstddef>
#include <vector>

#include "world/objects.h"

// Called before critters[i] is updated: the critter three places on, the lists of the one two
// places on (its object was asked for last time), and the neighbours, remembered plants and
// surrounding terrain cells of the next one (its lists were asked for last time).
void PrefetchCrittersAhead(const std::vector<cKeltoGameCritter*>& critters, size_t i);
// The critter the flocking critter's notice draw will pick, in two steps: its place in
// `critters` (asked for when the critter before it is done), then the critter itself (when the
// flocking step starts). A calm critter draws nothing before it in the flocking step, an
// alarmed one one draw per flock mate; a wrong guess only costs the fetch.
void PrefetchNoticeSlot(const cKeltoGameCritter* critter, const std::vector<cKeltoGameCritter*>& critters);
void PrefetchNoticeDraw(const cKeltoGameCritter* critter, const std::vector<cKeltoGameCritter*>& critters);
// The plants a critter is about to measure.
void PrefetchPlants(cKeltoGamePlant* const* plants, size_t count);
