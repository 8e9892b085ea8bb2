// Which colour each object is drawn in, kept apart from GL so it is tested headless:
// a carcass by its age and whether it is carried, a critter by its species or tree cover,
// and the debug lines of the free-zoom view.
#pragma once

#include <cstdint>

#include "render/colour.h"

class cKeltoGameCarcass;
class cKeltoGameCritter;
class cKeltoGamePlant;

// Black in its last 5 seconds before decay, grey while carried, otherwise orange.
cColour CarcassColour(const cKeltoGameCarcass& carcass, uint32_t nowMs, float decayMs);
cColour SpeciesColour(int species);
// Dark grey under tree cover, otherwise the species colour.
cColour CritterBodyColour(const cKeltoGameCritter& critter);
// Debug line to a neighbour: magenta for the critter's prey, white for the others.
cColour NeighbourLineColour(const cKeltoGameCritter& critter, const cKeltoGameCritter& neighbour);
// Debug line to a remembered plant: green when it gives cover, red when too far.
cColour KnownPlantLineColour(const cKeltoGameCritter& critter, const cKeltoGamePlant& plant,
                             float coverDistance);
