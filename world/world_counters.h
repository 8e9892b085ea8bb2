// Running totals of what happened in the world: fights, deaths (by species, and the avatar's
// by cause), the avatar's kills and meals. The rules never read them; the balance lab
// (zoma-sim) reports them and the shell tells the player how the avatar died and when an
// evolution is on offer.
#pragma once

#include <vector>

enum class eAvatarDeath { kNone, kStarved, kKilled, kOther };

struct cWorldCounters {
  long fights_started = 0;  // StartFight calls that put both sides into the fighting state
  long critter_deaths = 0;  // respawns of ordinary critters (fights and terrain)
  std::vector<long> deaths_by_species;  // the same, by species index (grown on demand)
  long avatar_starved = 0;
  long avatar_killed = 0;          // died in a fight
  long avatar_other_deaths = 0;    // health gone some other way (the K key, a script)
  long avatar_kills = 0;           // fights the avatar won: each leaves a carcass
  long avatar_meals = 0;           // carcasses the avatar ate
  long evolutions_offered = 0;     // new days that made an evolution available
  eAvatarDeath last_avatar_death = eAvatarDeath::kNone;

  long AvatarDeaths() const { return avatar_starved + avatar_killed + avatar_other_deaths; }
  void CountAvatarDeath(eAvatarDeath cause);
  void CountCritterDeath(int species);
};
