// Recording the population history as the world ticks.
#include "world/population_history.h"

#include <algorithm>

#include "world/species.h"
#include "world/world.h"

namespace {
std::vector<int> AwakeBySpecies(const cKeltoGameWorld& world) {
  std::vector<int> awake(gSpeciesTable.size(), 0);
  for (const cKeltoGameCritter* critter : world.critters) {
    const size_t species = static_cast<size_t>(critter->species);
    if (critter->state != kStateSleeping && species < awake.size()) ++awake[species];
  }
  return awake;
}

long CountSince(const std::vector<long>& now, const std::vector<long>& start, size_t i) {
  const long before = i < start.size() ? start[i] : 0;
  return (i < now.size() ? now[i] : 0) - before;
}
}  // namespace

void cPopulationHistory::OpenDay(const cKeltoGameWorld& world, int day) {
  days_.emplace_back();
  days_.back().day = day;
  while (days_.size() > kHistoryDays) days_.pop_front();
  dayStart_ = world.counters;
}

void cPopulationHistory::Observe(const cKeltoGameWorld& world, int day, uint32_t intoCycleMs, uint32_t cycleMs) {
  if (days_.empty() || days_.back().day != day) OpenDay(world, day);
  cDayHistory& today = days_.back();
  const uint64_t reached = cycleMs == 0 ? 0 : uint64_t{intoCycleMs} * kHistorySamplesPerDay / cycleMs;
  const size_t samples = static_cast<size_t>(std::min<uint64_t>(reached, kHistorySamplesPerDay - 1)) + 1;
  if (today.awake.size() < samples) today.awake.resize(samples, AwakeBySpecies(world));
  const cWorldCounters& now = world.counters;
  today.deaths.resize(gSpeciesTable.size());
  for (size_t s = 0; s < today.deaths.size(); ++s)
    today.deaths[s] = CountSince(now.deaths_by_species, dayStart_.deaths_by_species, s);
  today.kills = now.avatar_kills - dayStart_.avatar_kills;
  today.meals = now.avatar_meals - dayStart_.avatar_meals;
}

void cPopulationHistory::SetDays(const cKeltoGameWorld& world, std::deque<cDayHistory> days) {
  days_ = std::move(days);
  dayStart_ = world.counters;
  if (days_.empty()) return;
  const cDayHistory& today = days_.back();
  dayStart_.deaths_by_species.resize(std::max(dayStart_.deaths_by_species.size(), today.deaths.size()));
  for (size_t s = 0; s < today.deaths.size(); ++s) dayStart_.deaths_by_species[s] -= today.deaths[s];
  dayStart_.avatar_kills -= today.kills;
  dayStart_.avatar_meals -= today.meals;
}
