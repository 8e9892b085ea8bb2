// Medians over seeds and the summary line.
#include "tools/lab/summary.h"

#include <algorithm>
#include <cstdio>

double Median(std::vector<long> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  if (values.size() % 2 == 1) return static_cast<double>(values[mid]);
  return (values[mid - 1] + values[mid]) * 0.5;
}

namespace {
// One seed's total of a figure over all its days.
template <typename Figure>
std::vector<long> PerSeed(const std::vector<std::vector<cDayFigures>>& seeds, Figure figure) {
  std::vector<long> totals;
  for (const std::vector<cDayFigures>& days : seeds) {
    long total = 0;
    for (const cDayFigures& day : days) total += figure(day);
    totals.push_back(total);
  }
  return totals;
}
}  // namespace

std::string SummaryLine(const std::vector<std::vector<cDayFigures>>& seeds, long days) {
  const std::vector<long> deaths = PerSeed(seeds, [](const cDayFigures& d) { return d.AvatarDeaths(); });
  const auto [fewest, most] = std::minmax_element(deaths.begin(), deaths.end());
  char text[512];
  std::snprintf(text, sizeof text,
                "summary: seeds %zu, days %ld, avatar deaths median %g (min %ld, max %ld), kills median %g, "
                "meals median %g, starved median %g, killed median %g",
                seeds.size(), days, Median(deaths), deaths.empty() ? 0 : *fewest, deaths.empty() ? 0 : *most,
                Median(PerSeed(seeds, [](const cDayFigures& d) { return d.kills; })),
                Median(PerSeed(seeds, [](const cDayFigures& d) { return d.meals; })),
                Median(PerSeed(seeds, [](const cDayFigures& d) { return d.starved; })),
                Median(PerSeed(seeds, [](const cDayFigures& d) { return d.killed; })));
  return text;
}
