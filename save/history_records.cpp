// The population graph's days, written beside their reading.
#include "save/history_records.h"

#include <algorithm>
#include <cstdint>

#include "game/game_config.h"

namespace {
constexpr const char* kHistoryKey = "population_history";

// A day's figure: never negative, at most `most` and small enough for the graph's axis arithmetic.
long ReadFigure(const cSaveNode& node, long most) { return static_cast<long>(node.Integer(0, std::min<long>(most, INT32_MAX))); }

cDayHistory ReadDay(const cSaveNode& node, int speciesCount, const cWorldCounters* today) {
  const size_t species = static_cast<size_t>(speciesCount);
  cDayHistory day;
  day.day = node["day"].Int32();
  const cSaveNode awake = node["awake"];
  const size_t samples = awake.Count(kHistorySamplesPerDay);
  for (size_t j = 0; j < samples; ++j) {
    const cSaveNode sample = awake.At(j);
    const size_t count = sample.Count(species);
    day.awake.emplace_back();
    for (size_t s = 0; s < count; ++s) day.awake.back().push_back(static_cast<int>(ReadFigure(sample.At(s), kMostCritters)));
  }
  const cSaveNode deaths = node["deaths"];
  const size_t count = deaths.Count(species);
  for (size_t s = 0; s < count; ++s) {
    const long most = !today ? INT32_MAX : s < today->deaths_by_species.size() ? today->deaths_by_species[s] : 0;
    day.deaths.push_back(ReadFigure(deaths.At(s), most));
  }
  day.kills = ReadFigure(node["kills"], today ? today->avatar_kills : INT32_MAX);
  day.meals = ReadFigure(node["meals"], today ? today->avatar_meals : INT32_MAX);
  return day;
}
}  // namespace

void WriteHistory(const cPopulationHistory& history, json& document) {
  json days = json::array();
  for (const cDayHistory& day : history.Days()) {
    days.push_back({{"day", day.day}, {"awake", day.awake}, {"deaths", day.deaths}, {"kills", day.kills}, {"meals", day.meals}});
  }
  document[kHistoryKey] = std::move(days);
}

std::deque<cDayHistory> ReadHistory(const cSaveNode& document, int speciesCount, const cWorldCounters& counters) {
  std::deque<cDayHistory> days;
  if (!document.Json().contains(kHistoryKey)) return days;
  const cSaveNode list = document[kHistoryKey];
  const size_t count = list.Count(kHistoryDays);
  for (size_t d = 0; d < count; ++d) days.push_back(ReadDay(list.At(d), speciesCount, d + 1 == count ? &counters : nullptr));
  return days;
}
