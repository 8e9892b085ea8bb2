// Day lines and CSV rows of the balance lab's day figures.
#include "tools/lab/day_figures.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::string Describe(const cStateCounts& c) {
  char text[128];
  std::snprintf(text, sizeof text, "flocking %ld fighting %ld sleeping %ld going home %ld", c.flocking, c.fighting,
                c.sleeping, c.goingHome);
  return text;
}

std::string JoinNumbers(const std::vector<long>& numbers) {
  std::string text;
  for (long n : numbers) text += (text.empty() ? "" : " ") + std::to_string(n);
  return text;
}

// Floats keep one decimal, as in the day lines, so a row read back prints the same line.
template <typename T>
std::string FormatValue(T value) {
  char text[32];
  if constexpr (std::is_floating_point_v<T>) {
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
  } else {
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
  }
  return text;
}
}  // namespace

std::string FormatDayLine(const cDayFigures& d) {
  char text[512];
  std::snprintf(text, sizeof text,
                "day %ld | midday: %s | midnight: %s | fights %ld, died and respawned %ld, carcasses %ld"
                " | avatar health %.1f hunger %.1f energy %.1f"
                " | avatar deaths %ld (starved %ld, killed %ld, other %ld), kills %ld, meals %ld",
                d.day, Describe(d.midday).c_str(), Describe(d.midnight).c_str(), d.fights, d.critterDeaths,
                d.carcasses, d.health, d.hunger, d.energy, d.AvatarDeaths(), d.starved, d.killed, d.otherDeaths,
                d.kills, d.meals);
  return std::string(text) + " | species " + JoinNumbers(d.speciesCounts) + " | species deaths " +
         JoinNumbers(d.speciesDeaths);
}

std::string CsvHeader(size_t speciesCount) {
  cDayFigures shape;
  shape.speciesCounts.resize(speciesCount);
  shape.speciesDeaths.resize(speciesCount);
  std::string header;
  VisitFigures(shape, [&](const std::string& name, auto&) { header += (header.empty() ? "" : ",") + name; });
  return header;
}

std::string CsvRow(const cDayFigures& d) {
  cDayFigures copy = d;
  std::string row;
  VisitFigures(copy, [&](const std::string&, auto& value) { row += (row.empty() ? "" : ",") + FormatValue(value); });
  return row;
}

bool ParseCsvRow(const std::string& row, cDayFigures& d) {
  std::vector<double> values;
  const char* p = row.c_str();
  for (;;) {
    char* end = nullptr;
    values.push_back(std::strtod(p, &end));
    if (end == p) return false;
    if (*end == '\0') break;
    if (*end != ',') return false;
    p = end + 1;
  }
  cDayFigures fixedPart;
  size_t fixedCount = 0;
  VisitFigures(fixedPart, [&](const std::string&, auto&) { ++fixedCount; });
  if (values.size() < fixedCount || (values.size() - fixedCount) % 2 != 0) return false;
  const size_t species = (values.size() - fixedCount) / 2;
  d = cDayFigures{};
  d.speciesCounts.resize(species);
  d.speciesDeaths.resize(species);
  size_t next = 0;
  VisitFigures(d, [&](const std::string&, auto& field) {
    field = static_cast<std::remove_reference_t<decltype(field)>>(values[next++]);
  });
  return true;
}
