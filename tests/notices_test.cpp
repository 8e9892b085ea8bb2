// The player's notices: help toggled by H, F1 and closed by Esc; a death notice naming the
// cause for six seconds of game time; the layout of their text boxes.
#include <gtest/gtest.h>

#include "app/input.h"
#include "render/latin1_text.h"
#include "render/notices.h"

namespace {
class NoticesTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetNotices(); }
  void TearDown() override { ResetNotices(); }
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
