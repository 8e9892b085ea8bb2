// zoma-sim's day lines against references written by the game before its tick was made
// faster: any change to a rule, a list order or a random draw shows up as a different line.
// The closing line (wall time) is left out. The references are never rewritten to make this
// pass; a day line that must change is a change of the game, decided on its own.
// Crowds of 1000 and 10000 run on "short days" (the shipped data with 4-second days and
// 2-second nights) so that their days, and the switches between sleeping and waking, come
// quickly; the references were made with the same two lines changed as ShortDays does here.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/scratch_folder.h"
#include "tests/tool_run.h"

namespace {
enum class eData { kShipped, kShortDays };

struct cReferenceRun {
  const char* reference;  // tests/golden/sim/NAME.txt
  eData data;
  const char* options;
};

const cReferenceRun kRuns[] = {
    {"shipped-40-seed1", eData::kShipped, "--seed 1 --days 3"},
    {"shipped-40-seed42", eData::kShipped, "--seed 42 --days 2"},
    {"shipped-40-seed7-autopilot", eData::kShipped, "--seed 7 --days 3 --autopilot"},
    {"shipped-1000-seed1", eData::kShipped, "--seed 1 --days 1 --critters 1000"},
    {"short-1000-seed2", eData::kShortDays, "--seed 2 --days 3 --critters 1000"},
    {"short-1000-seed3-autopilot", eData::kShortDays, "--seed 3 --days 3 --critters 1000 --autopilot"},
    {"short-10000-seed1", eData::kShortDays, "--seed 1 --days 2 --critters 10000"},
    {"short-10000-seed5-autopilot", eData::kShortDays, "--seed 5 --days 2 --critters 10000 --autopilot"},
};

void ReplaceLine(std::string& text, const std::string& line, const std::string& with) {
  const size_t at = text.find(line + "\n");
  ASSERT_NE(at, std::string::npos) << "ZOMA.ini no longer has " << line;
  text.replace(at, line.size(), with);
}

void ShortDays(const std::string& folder) {
  std::string ini = ReadText(folder + "/ZOMA.ini");
  ReplaceLine(ini, "day_length=120", "day_length=4");
  ReplaceLine(ini, "night_length=45", "night_length=2");
  cScratchFolder::Write(folder + "/ZOMA.ini", ini);
}

// Everything but the last line, which gives the wall time.
std::string DayLines(const std::string& out) {
  const size_t last = out.rfind('\n', out.empty() ? 0 : out.size() - 2);
  return last == std::string::npos ? std::string() : out.substr(0, last + 1);
}

class SimReferenceTest : public testing::TestWithParam<cReferenceRun> {
 protected:
  cScratchFolder folder_;
};

TEST_P(SimReferenceTest, DayLinesAreByteIdenticalToTheReference) {
  const cReferenceRun& run = GetParam();
  SCOPED_TRACE(run.reference);
  std::filesystem::copy(ZOMA_SOURCE_DIR "/data", "data");
  if (run.data == eData::kShortDays) ShortDays("data");
  const cToolResult result = RunShell(std::string("zoma-sim --data data ") + run.options);
  ASSERT_EQ(result.status, 0) << result.err;
  ASSERT_TRUE(result.out.rfind("ticks ") != std::string::npos) << result.out;
  const std::string reference = ReadText(std::string(ZOMA_SOURCE_DIR "/tests/golden/sim/") + run.reference + ".txt");
  ASSERT_FALSE(reference.empty());
  EXPECT_EQ(DayLines(result.out), reference);
}

INSTANTIATE_TEST_SUITE_P(Runs, SimReferenceTest, testing::ValuesIn(kRuns));
}  // namespace
