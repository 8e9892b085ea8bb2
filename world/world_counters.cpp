// Counting deaths by species and the avatar's deaths by cause.
#include "world/world_counters.h"

#include <cstddef>

void cWorldCounters::CountAvatarDeath(eAvatarDeath cause) {
  switch (cause) {
    case eAvatarDeath::kStarved: ++avatar_starved; break;
    case eAvatarDeath::kKilled: ++avatar_killed; break;
    default: ++avatar_other_deaths; break;
  }
  last_avatar_death = cause;
}

void cWorldCounters::CountCritterDeath(int species) {
  ++critter_deaths;
  if (species < 0) return;
  const auto index = static_cast<size_t>(species);
  if (deaths_by_species.size() <= index) deaths_by_species.resize(index + 1, 0);
  ++deaths_by_species[index];
}
