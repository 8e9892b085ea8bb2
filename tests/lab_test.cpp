// The balance lab's bookkeeping: day figures through CSV and back, medians, the summary line
// and the plot's data blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/lab/day_figures.h"
#include "tools/lab/plot.h"
#include "tools/lab/summary.h"
#include "tools/lab/sweep.h"

namespace {
cDayFigures Day(long seed, long day, long starved, long killed, long kills, long meals) {
  cDayFigures d;
  d.seed = seed, d.day = day;
  d.midday = {30, 1, 7, 2};
  d.midnight = {5, 0, 33, 2};
  d.fights = 3, d.critterDeaths = 2, d.carcasses = 1;
  d.health = 47.25f, d.hunger = 0.35f, d.energy = 100.0f;
  d.starved = starved, d.killed = killed, d.kills = kills, d.meals = meals;
  d.speciesCounts = {18, 10, 5};
  d.speciesDeaths = {0, 2, 0};
  return d;
}

TEST(LabTest, ARowReadBackPrintsTheSameDayLineAndRowAndRowsOfAnotherShapeAreRefused) {
  const cDayFigures day = Day(7, 3, 1, 0, 2, 1);
  const std::string row = CsvRow(day);
  cDayFigures back;
  ASSERT_TRUE(ParseCsvRow(row, back));
  EXPECT_EQ(CsvRow(back), row);
  EXPECT_EQ(FormatDayLine(back), FormatDayLine(day));
  EXPECT_EQ(FormatDayLine(day),
            "day 3 | midday: flocking 30 fighting 1 sleeping 7 going home 2 | midnight: flocking 5 fighting 0 "
            "sleeping 33 going home 2 | fights 3, died and respawned 2, carcasses 1 | avatar health 47.2 hunger 0.3 "
            "energy 100.0 | avatar deaths 1 (starved 1, killed 0, other 0), kills 2, meals 1 | species 18 10 5 | "
            "species deaths 0 2 0");
  const std::string header = CsvHeader(3);
  EXPECT_EQ(std::count(header.begin(), header.end(), ','), std::count(row.begin(), row.end(), ','));
  EXPECT_EQ(header.substr(0, 9), "seed,day,");
  EXPECT_NE(header.find(",avatar_deaths,avatar_starved,"), std::string::npos);
  EXPECT_EQ(header.substr(header.size() - 16), ",species3_deaths");
  for (const std::string& bad : {std::string(""), std::string("1,2,3"), row + ",4", row + ",", "x" + row,
                                 row.substr(0, row.size() - 1) + "x"}) {
    EXPECT_FALSE(ParseCsvRow(bad, back)) << "a row of another shape: " << bad;
  }
}

// A seed whose process fails is named, and neither it nor any later seed is handed on: a
// summary over the seeds that did run would pass for the whole sweep.
TEST(LabTest, ASweepStopsAtAFailedSeedAndSaysWhich) {
  for (const int jobs : {1, 3}) {
    cSweep sweep;
    sweep.first = 1, sweep.last = 3, sweep.jobs = jobs;
    sweep.runSeed = [](uint32_t seed, std::FILE* out) {
      std::fputs((CsvRow(Day(seed, 1, 0, 0, 0, 0)) + "\n").c_str(), out);
      return seed != 2;
    };
    std::vector<long> handed;
    sweep.onSeed = [&handed](const std::vector<cDayFigures>& days) { handed.push_back(days.at(0).seed); };
    testing::internal::CaptureStderr();
    EXPECT_FALSE(RunSweep(sweep)) << jobs << " jobs";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "zoma-sim: seed 2 failed\n");
    EXPECT_EQ(handed, std::vector<long>{1}) << jobs << " jobs";
  }
}

TEST(LabTest, MediansOfOddAndEvenCounts) {
  struct {
    std::vector<long> values;
    double median;
  } cases[] = {{{}, 0.0}, {{3}, 3.0}, {{2, 1}, 1.5}, {{5, 1, 3}, 3.0}, {{4, 0, 9, 1}, 2.5}};
  for (const auto& c : cases) EXPECT_EQ(Median(c.values), c.median);
}

TEST(LabTest, TheSummaryTotalsEachSeedsDaysThenTakesMedians) {
  const std::vector<std::vector<cDayFigures>> seeds = {
      {Day(1, 1, 1, 0, 1, 0), Day(1, 2, 0, 1, 2, 1)},  // deaths 2, kills 3, meals 1
      {Day(2, 1, 0, 0, 0, 0), Day(2, 2, 0, 0, 1, 1)},  // deaths 0, kills 1, meals 1
      {Day(3, 1, 2, 1, 0, 2), Day(3, 2, 1, 0, 0, 2)},  // deaths 4, kills 0, meals 4
  };
  EXPECT_EQ(SummaryLine(seeds, 2),
            "summary: seeds 3, days 2, avatar deaths median 2 (min 0, max 4), kills median 1, meals median 1, "
            "starved median 1, killed median 1");
}

TEST(LabTest, ThePlotHasABlockPerSpeciesThenPerSeed) {
  const std::vector<std::vector<cDayFigures>> seeds = {{Day(4, 1, 0, 0, 0, 0), Day(4, 2, 0, 0, 0, 0)},
                                                       {Day(5, 1, 0, 0, 0, 0), Day(5, 2, 0, 0, 0, 0)}};
  const std::string data = PlotData(seeds);
  size_t blocks = 0;
  for (size_t at = data.find("\n\n\n"); at != std::string::npos; at = data.find("\n\n\n", at + 1)) ++blocks;
  EXPECT_EQ(blocks, 3u + 2u);
  EXPECT_EQ(data.substr(0, 24), "1 18.000 0.000\n2 18.000 ") << "species 1: mean count and deaths per day";
  const std::string script = PlotScript(seeds, "/tmp/d'x", "out.svg");
  EXPECT_NE(script.find("set terminal svg"), std::string::npos);
  EXPECT_NE(script.find("'/tmp/d''x' index 4 using 1:2"), std::string::npos) << "the last seed, quote doubled";
  EXPECT_EQ(script.find(", \n"), std::string::npos) << "no dangling separator";
}
}  // namespace
