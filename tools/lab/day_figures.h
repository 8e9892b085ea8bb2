// One game day of one seed as the balance lab reports it: the critters' states at midday and
// midnight, the day's fights and deaths, the avatar's state at the day's end and what befell
// it during the day, and each species' count and deaths. The day line, the CSV row and its
// reading back all walk the same field list, so they cannot drift apart.
#pragma once

#include <string>
#include <type_traits>
#include <vector>

struct cStateCounts {
  long flocking = 0, fighting = 0, sleeping = 0, goingHome = 0;
};

struct cDayFigures {
  long seed = 0;
  long day = 0;
  cStateCounts midday, midnight;
  long fights = 0;
  long critterDeaths = 0;
  long carcasses = 0;
  float health = 0.0f, hunger = 0.0f, energy = 0.0f;  // the avatar's, at the day's end
  long starved = 0, killed = 0, otherDeaths = 0;      // the avatar's deaths during the day
  long kills = 0, meals = 0;
  std::vector<long> speciesCounts;  // by species index
  std::vector<long> speciesDeaths;

  long AvatarDeaths() const { return starved + killed + otherDeaths; }
};

// Calls visit(name, field) for every figure, in CSV column order. Species columns are named
// species1, species2, ... and species1_deaths, ... after the species numbers of ZOMA.ini.
template <typename Visit>
void VisitFigures(cDayFigures& d, Visit&& visit) {
  visit("seed", d.seed);
  visit("day", d.day);
  for (auto [when, counts] : {std::pair<const char*, cStateCounts*>{"midday", &d.midday}, {"midnight", &d.midnight}}) {
    const std::string prefix = when;
    visit(prefix + "_flocking", counts->flocking);
    visit(prefix + "_fighting", counts->fighting);
    visit(prefix + "_sleeping", counts->sleeping);
    visit(prefix + "_going_home", counts->goingHome);
  }
  visit("fights", d.fights);
  visit("critter_deaths", d.critterDeaths);
  visit("carcasses", d.carcasses);
  visit("avatar_health", d.health);
  visit("avatar_hunger", d.hunger);
  visit("avatar_energy", d.energy);
  long deaths = d.AvatarDeaths();  // a column of its own; reading it back changes nothing
  visit("avatar_deaths", deaths);
  visit("avatar_starved", d.starved);
  visit("avatar_killed", d.killed);
  visit("avatar_other_deaths", d.otherDeaths);
  visit("avatar_kills", d.kills);
  visit("avatar_meals", d.meals);
  for (size_t i = 0; i < d.speciesCounts.size(); ++i) visit("species" + std::to_string(i + 1), d.speciesCounts[i]);
  for (size_t i = 0; i < d.speciesDeaths.size(); ++i) {
    visit("species" + std::to_string(i + 1) + "_deaths", d.speciesDeaths[i]);
  }
}

// "day N | midday: ... | avatar deaths ..." (without the seed, and without a newline).
std::string FormatDayLine(const cDayFigures& d);
// The CSV header for figures with this many species, and one row (no newlines).
std::string CsvHeader(size_t speciesCount);
std::string CsvRow(const cDayFigures& d);
// Reads a row written by CsvRow back. False when the row does not have the shape of one.
bool ParseCsvRow(const std::string& row, cDayFigures& d);
