// A loaded game goes on exactly as the saved one would have: for games saved mid-fight,
// mid-meal, while carrying, while building a nest, at night and just before a new day, with
// and without the autopilot, running N+M ticks saves the same bytes as running N, saving,
// loading and running M; and a loaded save saved again at once is the same file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "app/frame_tick.h"
#include "app/object_click.h"
#include "platform/key_state.h"
#include "save/save_files.h"
#include "tests/save_test_support.h"
#include "tests/scratch_folder.h"
#include "tests/tool_run.h"
#include "world/day_clock.h"

namespace {
constexpr long kTicksPerDay = (120000 + 45000) / 21;  // the shipped day and night

bool FightGoingOn() {
  for (const cFight& fight : gWorld->fights) {
    if (!fight.done) return true;
  }
  return false;
}

bool AvatarEating() {
  for (const cMeal& meal : gWorld->meals) {
    if (!meal.done && meal.eater == gWorld->GetAvatar()) return true;
  }
  return false;
}

struct cContinuationCase {
  const char* name;
  uint32_t seed;
  bool autopilot;
  // Plays the game up to the moment of the save; false when that moment never came.
  std::function<bool(cShippedGame&)> playUntilSave;
  long ticksAfter;
};

// The avatar picks up a carcass as the player does, with Shift held: one lies at its feet as
// after a kill.
bool PickUpCarcass(cShippedGame& game) {
  game.Ticks(30);
  cKeltoGameCarcass* carcass = gWorld->AddCarcass(gWorld->GetAvatar()->position);
  SetShiftKeyDown(true);
  ClickOnWorld(carcass, carcass->position);
  SetShiftKeyDown(false);
  game.Ticks(40);
  return gWorld->GetAvatar()->carried == carcass;
}

const cContinuationCase kContinuationCases[] = {
    {"mid-fight", 1, true, [](cShippedGame& g) { return g.TickUntil(FightGoingOn, 3 * kTicksPerDay); }, 400},
    {"mid-meal", 2, true, [](cShippedGame& g) { return g.TickUntil(AvatarEating, 4 * kTicksPerDay); }, 400},
    {"carrying", 3, false, PickUpCarcass, 300},
    {"building a nest", 4, false,
     [](cShippedGame& g) {
       g.Ticks(20);
       BuildNest();
       g.Ticks(150);
       return gGameState.nestBuilding;
     },
     600},
    {"at night", 5, false, [](cShippedGame& g) { return g.TickUntil([] { return !gDayClock.is_day; }, kTicksPerDay); },
     300},
    {"just before a new day, autopilot", 6, true,
     [](cShippedGame& g) {
       return g.TickUntil([] { return !gDayClock.is_day; }, kTicksPerDay) && g.TickUntil([] { return true; }, 1500);
     },
     1000},
    {"an ordinary moment, autopilot", 7, true, [](cShippedGame& g) {
       g.Ticks(1234);
       return true;
     },
     777},
};

void PrintTo(const cContinuationCase& c, std::ostream* out) { *out << c.name; }

class SaveContinuation : public ::testing::TestWithParam<cContinuationCase> {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zoma_save_XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string folder_;
};

TEST_P(SaveContinuation, LoadedGameGoesOnAsTheSavedOne) {
  const cContinuationCase& c = GetParam();
  const std::string savePath = folder_ + "/moment.json";
  cShippedGame game;

  ASSERT_TRUE(game.Start(c.seed, c.autopilot));
  ASSERT_TRUE(c.playUntilSave(game)) << c.name << ": the moment never came";
  ASSERT_EQ(SaveGameTo(savePath), std::nullopt);
  game.Ticks(c.ticksAfter);
  const std::string uninterrupted = SaveGameText();

  ASSERT_TRUE(game.Start(c.seed + 1000, c.autopilot, savePath));  // another game first, then the save
  EXPECT_EQ(SaveGameText(), ReadText(savePath)) << "saved again at once: " << FirstDifference(SaveGameText(), ReadText(savePath));
  game.Ticks(c.ticksAfter);
  const std::string continued = SaveGameText();
  EXPECT_TRUE(uninterrupted == continued) << c.name << ": " << FirstDifference(uninterrupted, continued);
}

INSTANTIATE_TEST_SUITE_P(States, SaveContinuation, ::testing::ValuesIn(kContinuationCases));

// The same through zoma-sim's --ticks, --save and --load, and the day lines after a load are
// the uninterrupted run's.
TEST(SaveContinuationTool, SimulatorContinuesASave) {
  const cScratchFolder folder;
  const std::string sim = "zoma-sim --data " ZOMA_SOURCE_DIR "/data --seed 9 --autopilot ";

  ASSERT_EQ(RunShell(sim + "--ticks 3000 --save whole.json").status, 0);
  ASSERT_EQ(RunShell(sim + "--ticks 1800 --save part.json").status, 0);
  const cToolResult resumed = RunShell(sim + "--load part.json --ticks 1200 --save resumed.json");
  ASSERT_EQ(resumed.status, 0) << resumed.err;
  EXPECT_TRUE(ReadText("whole.json") == ReadText("resumed.json"))
      << FirstDifference(ReadText("whole.json"), ReadText("resumed.json"));
  EXPECT_EQ(RunShell(sim + "--ticks 0 --save none.json").status, 0);

  // Played with other data than the folder's: said in one line, and the save's data plays.
  const cToolResult edited = RunShell("cp -r " ZOMA_SOURCE_DIR "/data edited && echo 'damage = 1' >edited/combat.txt && "
                                      "zoma-sim --data edited --seed 9 --autopilot --load part.json --ticks 1200 --save other.json");
  ASSERT_EQ(edited.status, 0) << edited.err;
  EXPECT_NE(edited.err.find("part.json: played with other data than this folder's (combat.txt); playing the save's\n"),
            std::string::npos)
      << edited.err;
  EXPECT_TRUE(ReadText("other.json") == ReadText("whole.json"));

  const cToolResult days = RunShell(sim + "--days 3");
  ASSERT_EQ(RunShell(sim + "--days 1 --save day1.json").status, 0);
  const cToolResult after = RunShell(sim + "--load day1.json --days 2");
  ASSERT_EQ(after.status, 0) << after.err;
  const std::vector<std::string> all = Lines(days.out), resumedDays = Lines(after.out);
  ASSERT_EQ(all.size(), 4u);
  ASSERT_EQ(resumedDays.size(), 3u);
  EXPECT_EQ(resumedDays[0], all[1]);
  EXPECT_EQ(resumedDays[1], all[2]);
}
}  // namespace
