// Placeholder until the world tick lands.
#include "world/world_tick.h"

#include "world/world.h"

void WorldTick() {}
void cKeltoGameWorld::Respawn(cKeltoGameCritter*) {}
void cKeltoGameWorld::RefreshCritterStats() {}
