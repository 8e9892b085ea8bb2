// The player's notices: help toggled by H, F1 and closed by Esc; a death notice naming the
// cause for six seconds of game time; the layout of their text boxes.
#include <gtest/gtest.h>

#include "app/input.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "platform/time_source.h"
#include "render/latin1_text.h"
#include "render/notices.h"

namespace {
class NoticesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetNotices();
    ResetGameState();
  }
  void TearDown() override {
    ResetNotices();
    ResetGameState();
  }
};

TEST_F(NoticesTest, HAndF1ToggleTheHelpAndEscCloses) {
  struct {
    const char* name;
    void (*press)();
    bool visibleAfter;
  } steps[] = {
      {"h opens", [] { OnKeyboard('h', 0, 0); }, true},
      {"H closes", [] { OnKeyboard('H', 0, 0); }, false},
      {"F1 opens", [] { OnSpecialKey(kSpecialKeyF1, 0, 0); }, true},
      {"F1 closes", [] { OnSpecialKey(kSpecialKeyF1, 0, 0); }, false},
      {"Esc keeps it closed", [] { OnKeyboard(27, 0, 0); }, false},
      {"h opens again", [] { OnKeyboard('h', 0, 0); }, true},
      {"Esc closes", [] { OnKeyboard(27, 0, 0); }, false},
  };
  for (const auto& step : steps) {
    step.press();
    EXPECT_EQ(gNotices.helpVisible, step.visibleAfter) << step.name;
  }
}

// A player reading help does not starve: the game waits while it is open. Closing it resumes
// only a game the help paused, and only if the player has not resumed it meanwhile.
TEST_F(NoticesTest, HelpPausesARunningGameAndResumesOnlyWhatItPaused) {
  SetManualTime(1000);
  StartGameClock();
  const auto press = [](char key, uint32_t nowMs) {
    SetManualTime(nowMs);
    OnKeyboard(key, 0, 0);
  };
  press('h', 3000);
  EXPECT_TRUE(gGameState.paused);
  SetManualTime(9000);
  EXPECT_EQ(GameTime(), 2000u) << "game time stands while help is open";
  press('h', 9000);
  EXPECT_FALSE(gGameState.paused) << "closing resumes what the help paused";
  SetManualTime(9500);
  EXPECT_EQ(GameTime(), 2500u) << "and goes on from where it stood";

  press('p', 9500);
  press('h', 10000);
  press(27, 12000);
  EXPECT_TRUE(gGameState.paused) << "a game paused before the help stays paused";
  press('p', 12000);

  press('h', 13000);
  press('p', 14000);  // the player resumes with the help open
  EXPECT_FALSE(gGameState.paused);
  press('h', 15000);
  EXPECT_FALSE(gGameState.paused) << "the player's resume stands";
  EXPECT_EQ(GameTime(), 2500u + 2000u) << "no time lost or gained: 12000 to 13000 and 14000 to 15000 ran";
  UseRealTime();
}

TEST_F(NoticesTest, ADeathIsToldByItsCauseForSixSecondsOfGameTime) {
  struct {
    eAvatarDeath cause;
    const char* firstLine;
  } cases[] = {{eAvatarDeath::kStarved, "You starved"},
               {eAvatarDeath::kKilled, "You were killed"},
               {eAvatarDeath::kOther, "You died"}};
  cWorldCounters counters;
  ObserveAvatarDeaths(counters, 1000);
  EXPECT_TRUE(DeathNoticeLines(1000).empty()) << "nothing before a death";
  uint32_t now = 5000;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.firstLine);
    counters.CountAvatarDeath(c.cause);
    ObserveAvatarDeaths(counters, now);
    const std::vector<std::string> lines = DeathNoticeLines(now);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], c.firstLine);
    EXPECT_NE(lines[1].find("days alive starts from 0"), std::string::npos);
    ObserveAvatarDeaths(counters, now + kDeathNoticeMs - 1);
    EXPECT_FALSE(DeathNoticeLines(now + kDeathNoticeMs - 1).empty()) << "still there";
    ObserveAvatarDeaths(counters, now + kDeathNoticeMs);
    EXPECT_TRUE(DeathNoticeLines(now + kDeathNoticeMs).empty()) << "gone";
    now += 2 * kDeathNoticeMs;
  }
}

// An evolution a new day offers is shown until it is spent; the one the game starts with is not
// (the first screen stays as it was), nor one already spent when the frame sees the offer.
TEST_F(NoticesTest, AnOfferedEvolutionIsShownUntilItIsSpent) {
  cWorldCounters counters;
  const struct {
    const char* step;
    long offers;
    bool canEvolve, shown;
  } steps[] = {
      {"start-up, with an evolution to spend", 0, true, false},
      {"a new day offers one", 1, true, true},
      {"still waiting", 1, true, true},
      {"spent", 1, false, false},
      {"no new offer", 1, true, false},
      {"offered and spent between two frames", 2, false, false},
      {"offered again", 3, true, true},
  };
  for (const auto& step : steps) {
    counters.evolutions_offered = step.offers;
    ObserveEvolutionOffers(counters, step.canEvolve);
    EXPECT_EQ(!EvolutionNoticeLines().empty(), step.shown) << step.step;
  }
}

TEST_F(NoticesTest, TextBoxesStandInTheMiddleOrAtTheRightWithEachLineOnItsOwnRow) {
  const cTextBox centred = LayoutTextBox(800, eBoxPlace::kMiddle, 40, {100, 300}, 20, true);
  EXPECT_EQ(centred.left, 240);
  EXPECT_EQ(centred.right, 560);
  EXPECT_EQ(centred.top, 40);
  EXPECT_EQ(centred.bottom, 40 + 2 * 20 + 20);
  EXPECT_EQ(centred.lineX, (std::vector<int>{350, 250}));
  EXPECT_EQ(centred.lineY, (std::vector<int>{65, 85}));
  const cTextBox left = LayoutTextBox(800, eBoxPlace::kMiddle, 40, {100, 300}, 20, false);
  EXPECT_EQ(left.lineX, (std::vector<int>{250, 250}));
  const cTextBox right = LayoutTextBox(800, eBoxPlace::kRight, 40, {100, 300}, 20, true);
  EXPECT_EQ(right.right, 790) << "10 from the edge";
  EXPECT_EQ(right.left, 470);
  EXPECT_EQ(right.lineX, (std::vector<int>{580, 480}));
  for (const std::string& line : HelpLines()) EXPECT_LT(line.size(), 100u) << "fits the 800-pixel window: " << line;
  EXPECT_EQ(WorldSeedLine(4294967295u), "World seed: 4294967295   (zoma --seed 4294967295 plays it again)");
}

// The bitmap fonts draw Latin-1: the speed's "×" must reach them as its one byte, and nothing
// else may turn into a wrong character.
TEST(Latin1Text, UpperHalfCharactersBecomeTheirByteAndOthersAQuestionMark) {
  struct {
    const char* utf8;
    std::string latin1;
  } cases[] = {
      {"Paused  (P resumes)", "Paused  (P resumes)"},
      {"×8", "\xD7" "8"},
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},  // the first and last of the upper half
      {"a\xE2\x80\x94" "b", "a?b"},        // an em dash: three bytes, one '?'
      {"\xF0\x9F\x90\x9B!", "?!"},      // four bytes
      {"\xC3", "?"},                     // cut short
      {"\x97x", "?x"},                   // a stray continuation byte
  };
  for (const auto& c : cases) EXPECT_EQ(Latin1FromUtf8(c.utf8), c.latin1) << c.utf8;
}
}  // namespace
