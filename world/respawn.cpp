// Death and the daily copy of species values: a dead critter is put back at once, never removed.
#include "game/random.h"
#include "terrain/terrain_classes.h"
#include "world/advances.h"
#include "world/geometry.h"
#include "world/senses.h"
#include "world/species.h"
#include "world/world.h"

namespace {
// Uniform points over the whole world until one the critter may stand on.
cVector PassablePointFor(const cKeltoGameCritter& critter) {
  for (;;) {
    // r x 512 / 32767, unlike RandomWorldPosition's r x (1 / 32767) x 512: the two round
    // differently, and each is its rule's own.
    const float x = static_cast<float>(NextRandom()) * kWorldSize / 32767.0f;
    const float z = static_cast<float>(NextRandom()) * kWorldSize / 32767.0f;
    if (!CannotEnter(critter, TerrainClassAt(x, 0.0f, z))) return cVector(x, 0.0f, z, 1.0f);
  }
}
}  // namespace

void cKeltoGameWorld::Respawn(cKeltoGameCritter* critter) {
  if (critter->is_avatar) {
    days_alive = 0;
    LoseLastAdvance();
  } else {
    counters.CountCritterDeath(critter->species);
  }
  critter->SetPosition(PassablePointFor(*critter));
  critter->target = RandomWorldPosition();
  critter->SetHeading(RandomScaled(6.28318f));
  critter->speed = 0.0f;
  critter->health = critter->energy = critter->hunger = 100.0f;
  critter->aware = false;
  critter->state = kStateFlocking;
}

void cKeltoGameWorld::RefreshCritterStats() {
  for (cKeltoGameCritter* critter : critters) {
    const cSpeciesRecord& species = gSpeciesTable[static_cast<size_t>(critter->species)];
    critter->walk_speed = species.walk_speed;
    critter->run_speed = species.run_speed;
    critter->attack = species.attack;
    critter->defend = species.defend;
  }
}
