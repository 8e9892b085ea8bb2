// The population graph: the history the world keeps for it, and the layout's rules (scales, a
// day without deaths, more species than fit, small windows).
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "render/population_graph.h"
#include "tests/world_test_support.h"
#include "world/population_history.h"

namespace {
using namespace world_test;

TEST(PopulationGraphTest, AxisTopsAreOneTwoOrFiveTimesAPowerOfTen) {
  const std::pair<long, int> cases[] = {{-3, 1}, {0, 1},  {1, 1},   {2, 2},   {3, 5},     {5, 5},
                                        {6, 10}, {10, 10}, {11, 20}, {41, 50}, {51, 100}, {999, 1000}};
  for (auto [value, top] : cases) EXPECT_EQ(NiceAxisTop(value), top) << value;
}

// Days of `species` species, each with every sample at `awake` and `deaths` deaths.
std::deque<cDayHistory> Days(int count, int species, int awake, long deaths, int samplesToday = 8) {
  std::deque<cDayHistory> days;
  for (int d = 0; d < count; ++d) {
    cDayHistory day;
    day.day = d;
    day.awake.assign(d + 1 == count ? samplesToday : 8, std::vector<int>(species, awake));
    day.deaths.assign(species, deaths);
    days.push_back(day);
  }
  return days;
}

bool Inside(const cGraphRect& inner, const cGraphRect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

bool HasText(const cPopulationGraph& g, const std::string& text) {
  for (const cGraphText& t : g.texts)
    if (t.text == text) return true;
  return false;
}

TEST(PopulationGraphTest, LinesAndBarsFollowTheFiguresOnSharedScales) {
  std::deque<cDayHistory> days = Days(3, 2, 10, 2, 3);
  days[1].awake[4][1] = 33;  // the largest awake figure sets the scale: 50
  days[2].deaths[0] = 7;     // the largest death count: 10
  const cPopulationGraph g = LayoutPopulationGraph(days, 2, 800, 600);
  ASSERT_TRUE(g.fits);
  EXPECT_FALSE(g.smallText);
  EXPECT_EQ(g.awakeTop, 50);
  EXPECT_EQ(g.deathsTop, 10);
  ASSERT_EQ(g.lines.size(), 2u);
  EXPECT_EQ(g.lines[1].points.size(), 8u + 8u + 3u) << "the day under way has its samples so far";
  const int awakeHeight = g.awakePlot.bottom - g.awakePlot.top;
  EXPECT_EQ(g.lines[0].points[0].second, g.awakePlot.bottom - 10 * awakeHeight / 50);
  EXPECT_EQ(g.lines[1].points[8 + 4].second, g.awakePlot.bottom - 33 * awakeHeight / 50);
  ASSERT_EQ(g.bars.size(), 3u * 2u);
  const int deathsHeight = g.deathsPlot.bottom - g.deathsPlot.top;
  EXPECT_EQ(g.bars[4].rect.top, g.deathsPlot.bottom - 7 * deathsHeight / 10);
  // Time runs left to right, the day under way at the right edge; lines go forward.
  EXPECT_GT(g.bars[4].rect.left, g.bars[0].rect.left);
  EXPECT_GT(g.bars[5].rect.right, g.deathsPlot.right - (g.deathsPlot.right - g.deathsPlot.left) / 6);
  for (const cGraphLine& line : g.lines)
    for (size_t i = 1; i < line.points.size(); ++i) EXPECT_GT(line.points[i].first, line.points[i - 1].first);
  for (const cGraphBar& bar : g.bars) EXPECT_TRUE(Inside(bar.rect, g.deathsPlot));
  EXPECT_TRUE(HasText(g, "50"));
  EXPECT_TRUE(HasText(g, "day 3"));
}

// A day without deaths keeps its bars, of no height, on a scale of at least 1: it reads as
// "none died", where a day not yet recorded has no bars at all.
TEST(PopulationGraphTest, ADayWithoutDeathsHasFlatBarsAndTheScaleStaysOne) {
  const cPopulationGraph g = LayoutPopulationGraph(Days(2, 3, 5, 0), 3, 800, 600);
  EXPECT_EQ(g.deathsTop, 1);
  ASSERT_EQ(g.bars.size(), 6u);
  for (const cGraphBar& bar : g.bars) {
    EXPECT_EQ(bar.rect.top, bar.rect.bottom);
    EXPECT_EQ(bar.rect.bottom, g.deathsPlot.bottom);
    EXPECT_GT(bar.rect.right, bar.rect.left);
  }
  EXPECT_TRUE(LayoutPopulationGraph({}, 3, 800, 600).bars.empty()) << "nothing recorded yet";
}

TEST(PopulationGraphTest, TheAvatarsKillsAndMealsAreWrittenUnderEachDay) {
  std::deque<cDayHistory> days = Days(2, 1, 5, 0);
  days[0].kills = 3;
  days[1].meals = 2;
  const cPopulationGraph g = LayoutPopulationGraph(days, 1, 800, 600);
  EXPECT_TRUE(HasText(g, "k3 m0"));
  EXPECT_TRUE(HasText(g, "k0 m2"));
}

// Windows from the game's own size down to one too small for plots.
TEST(PopulationGraphTest, MoreSpeciesThanFitAreCountedAndSmallWindowsStayReadable) {
  const struct {
    int species, width, height;
    bool fits, small;
    int shown;
  } cases[] = {
      {5, 800, 600, true, false, 5},     // the shipped data
      {10, 800, 600, true, false, kGraphedSpeciesMost},
      {1000, 1600, 1200, true, false, kGraphedSpeciesMost},
      {5, 480, 360, true, true, 5},
      {10, 400, 300, true, true, 4},     // the legend has rows for four beside its notes
      {5, 200, 150, false, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.species) + " species in " + std::to_string(c.width) + " x " +
                 std::to_string(c.height));
    const cPopulationGraph g = LayoutPopulationGraph(Days(6, c.species, 20, 3), c.species, c.width, c.height);
    EXPECT_EQ(g.fits, c.fits);
    EXPECT_EQ(g.smallText, c.small);
    EXPECT_EQ(static_cast<int>(g.lines.size()), c.shown);
    EXPECT_EQ(static_cast<int>(g.legend.size()), c.shown);
    EXPECT_EQ(g.hiddenSpecies, c.fits ? c.species - c.shown : 0);
    const cGraphRect window{0, 0, c.width, c.height};
    EXPECT_TRUE(Inside(g.panel, window));
    if (!c.fits) continue;
    EXPECT_TRUE(Inside(g.awakePlot, g.panel));
    EXPECT_TRUE(Inside(g.deathsPlot, g.panel));
    EXPECT_LE(g.awakePlot.bottom, g.deathsPlot.top);
    for (const cLegendEntry& entry : g.legend) {
      EXPECT_TRUE(Inside(entry.swatch, g.panel));
      EXPECT_GT(entry.swatch.left, g.awakePlot.right) << "the legend stands beside the plots";
      EXPECT_LT(entry.label.y, g.panel.bottom);
    }
    for (const cGraphText& text : g.texts) EXPECT_LT(text.y, g.panel.bottom) << text.text;
    if (c.species > c.shown) {
      EXPECT_TRUE(HasText(g, "+" + std::to_string(c.species - c.shown) + " more not shown"));
    }
  }
}

class PopulationHistoryTest : public cWorldTest {};

TEST_F(PopulationHistoryTest, EachDayIsSampledEightTimesAndCountsItsDeaths) {
  cKeltoGameCritter* grazer = AddCritter(At(10, 10), 0);
  cKeltoGameCritter* hunter = AddCritter(At(20, 10), 2);
  hunter->state = kStateSleeping;
  cPopulationHistory history;
  const uint32_t cycle = 8000;
  history.Observe(*gWorld, 0, 0, cycle);
  gWorld->Respawn(grazer);
  history.Observe(*gWorld, 0, 999, cycle);
  ASSERT_EQ(history.Days().size(), 1u);
  ASSERT_EQ(history.Days()[0].awake.size(), 1u) << "still the first eighth";
  EXPECT_EQ(history.Days()[0].awake[0], (std::vector<int>{1, 0, 0, 0}));
  EXPECT_EQ(history.Days()[0].deaths, (std::vector<long>{1, 0, 0, 0}));

  hunter->state = kStateFlocking;
  history.Observe(*gWorld, 0, 3500, cycle);  // the clock jumped past two samples
  ASSERT_EQ(history.Days()[0].awake.size(), 4u);
  EXPECT_EQ(history.Days()[0].awake[1], (std::vector<int>{1, 0, 1, 0}));
  EXPECT_EQ(history.Days()[0].awake[3], history.Days()[0].awake[1]);
  history.Observe(*gWorld, 0, 9000, cycle);  // past the cycle's end before the new day shows
  EXPECT_EQ(history.Days()[0].awake.size(), 8u);

  gWorld->counters.avatar_kills = 2;
  history.Observe(*gWorld, 1, 0, cycle);
  ASSERT_EQ(history.Days().size(), 2u);
  EXPECT_EQ(history.Days()[1].deaths, (std::vector<long>{0, 0, 0, 0})) << "each day counts its own";
  EXPECT_EQ(history.Days()[1].kills, 0);
  EXPECT_EQ(history.Days()[0].kills, 0) << "a closed day keeps its figures";
  for (int day = 2; day < 10; ++day) history.Observe(*gWorld, day, 0, cycle);
  ASSERT_EQ(history.Days().size(), kHistoryDays);
  EXPECT_EQ(history.Days().front().day, 10 - static_cast<int>(kHistoryDays));
}

// Frozen figures go on counting from where they stand.
TEST_F(PopulationHistoryTest, SetDaysKeepsTheDayUnderWayCounting) {
  cKeltoGameCritter* grazer = AddCritter(At(10, 10), 0);
  gWorld->Respawn(grazer);  // a death before the figures are set does not count
  std::deque<cDayHistory> days(1);
  days[0].day = 4;
  days[0].awake = {{1, 1, 1, 1}};
  days[0].deaths = {5, 0, 0, 0};
  days[0].meals = 1;
  cPopulationHistory history;
  history.SetDays(*gWorld, days);
  gWorld->Respawn(grazer);
  gWorld->counters.avatar_meals += 1;
  history.Observe(*gWorld, 4, 0, 8000);
  EXPECT_EQ(history.Days().back().deaths[0], 6);
  EXPECT_EQ(history.Days().back().meals, 2);
  EXPECT_EQ(history.Days().size(), 1u);
}
}  // namespace
