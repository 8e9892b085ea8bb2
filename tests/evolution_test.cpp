// The evolution dialog and the avatar's advances, clicked at the window pixels a player uses:
// the layout at (100, 200), the row rules of an opening, Ok and Cancel, the printed
// abilities, the victory message and the death penalty.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/config.h"
#include "dialog/advance_dialog.h"
#include "dialog/evolution.h"
#include "platform/message_box.h"
#include "script/game_scripts.h"
#include "script/script_parser.h"
#include "world/script_hooks.h"
#include "world/world.h"

namespace {
using cCounts = std::array<int, kAdvanceRows>;
enum eRow { kSpeed, kAttack, kDefend, kStealth, kClimb, kSwim, kWinGame };

const std::string kAbilityLines =
    "Avatar Walk Speed: 1.500000\nAvatar Run Speed: 3.250000\nAvatar Attack : 2.000000\n"
    "Avatar Defend: 4.000000\nAvatar Stealth: 0.500000\nAvatar Climb: 0.000000\n"
    "Avatar Swim: 1.000000\n----------------------\n";

// Victory boxes leave a marker in standard output to show their order against the lines.
std::vector<std::string> gBoxes;
void RecordBox(const std::string& caption, const std::string& text) {
  gBoxes.push_back(caption + "|" + text);
  std::printf("<box>\n");
}

void Click(int x, int y) {
  EvolutionDialogMouseDown(x, y);
  EvolutionDialogMouseUp(x, y);
}
void ClickPlus(int row) { Click(235, 242 + 30 * row); }
void ClickMinus(int row) { Click(220, 242 + 30 * row); }
void ClickOk() { Click(245, 470); }
void ClickCancel() { Click(145, 470); }

cCounts Counts(const int* counts) {
  cCounts copy;
  std::copy(counts, counts + kAdvanceRows, copy.begin());
  return copy;
}

class EvolutionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWorld();
    ResetSimulationGlobals();
    ResetEvolution();
    gConfig = cGameConfig();
    avatar = new cKeltoGameCritter;
    avatar->is_avatar = true;
    avatar->walk_speed = 1.5f, avatar->run_speed = 3.25f, avatar->attack = 2.0f;
    avatar->defend = 4.0f, avatar->stealth = 0.5f, avatar->climb = 0.0f, avatar->swim = 1.0f;
    gWorld->avatar = avatar;
    CaptureEvolutionBase(avatar);
    gBoxes.clear();
    previous_backend = SetMessageBoxBackend(RecordBox);
  }
  void TearDown() override {
    SetMessageBoxBackend(previous_backend);
    ResetEvolution();
    ResetWorld();
  }

  void Open(const cCounts& counts) {
    std::copy(counts.begin(), counts.end(), avatar->advance_counts);
    OpenEvolutionDialog();
  }
  // What the steps print; they hold no assertions, whose messages would be captured too.
  template <typename Steps>
  static std::string PrintedBy(Steps steps) {
    testing::internal::CaptureStdout();
    steps();
    return testing::internal::GetCapturedStdout();
  }

  cKeltoGameCritter* avatar = nullptr;
  MessageBoxBackend previous_backend = nullptr;
};
}  // namespace

// The buttons' places are checked by every click of the other tests.
TEST_F(EvolutionTest, LayoutAtOneHundredTwoHundred) {
  std::vector<std::string> labels;
  for (const cGLFDialogControl* control : gEvolutionDialog.controls) {
    labels.push_back(control->label);
    EXPECT_EQ(control->fill_color.g + control->text_pressed_color.g, 0.0f) << control->label;
    EXPECT_EQ(control->text_color.g + control->fill_pressed_color.g, 2.0f) << control->label;
  }
  std::vector<std::string> expected = {"", "Evolution Points", "Cancel", "Ok", "Speed:",
                                       "Attack:", "Defend:", "Stealth:", "Climb:", "Swim:",
                                       "Win Game:"};
  for (const char* column : {"0", "-", "+"}) expected.insert(expected.end(), 7, column);
  EXPECT_EQ(labels, expected);
  const cGLFDialogControl& background = *gEvolutionDialog.controls.front();
  EXPECT_EQ((std::array<float, 4>{background.left, background.top, background.right,
                                  background.bottom}),
            (std::array<float, 4>{100, 200, 290, 490}));
  std::vector<int> hit_order;
  for (const cGLFDialogControl* button : gEvolutionDialog.buttons) hit_order.push_back(button->id);
  EXPECT_EQ(hit_order,
            (std::vector<int>{2, 1, 10, 11, 12, 13, 14, 15, 16, 20, 21, 22, 23, 24, 25, 26}));
  EXPECT_FALSE(EvolutionDialogVisible());
}

TEST_F(EvolutionTest, RowRulesOfOneOpening) {
  struct {
    const char* name;
    cCounts opening;
    std::vector<int> steps;  // +row raises, -row lowers (row + 1, so that Speed has a sign)
    cCounts expected;
  } const cases[] = {
      {"from zero Win Game, Swim and Attack rise, then Speed is refused", {},
       {+7, +6, +2, +1}, {0, 1, 0, 0, 0, 1, 1}},
      {"once the first five exceed the opening total nothing rises, not even Win Game", {},
       {+2, +7, +6}, {0, 1, 0, 0, 0, 0, 0}},
      // Each with the first five's budget still open, so only the one-per-opening rule refuses.
      {"a second + on Swim or Win Game is refused", {}, {+6, +6, +7, +7}, {0, 0, 0, 0, 0, 1, 1}},
      {"a second + on Speed is refused", {0, 0, 0, 0, 0, 1, 1}, {+1, +1}, {1, 0, 0, 0, 0, 1, 1}},
      {"- undoes a + and frees the budget", {}, {+3, -3, +4}, {0, 0, 0, 1, 0, 0, 0}},
      {"- at the opening value does nothing", {2, 0, 0, 0, 0, 0, 1}, {-1, -7},
       {2, 0, 0, 0, 0, 0, 1}},
      {"Swim and Win Game at opening widen the budget of the first five",
       {0, 0, 0, 0, 0, 1, 1}, {+1, +2, +3, +4}, {1, 1, 1, 0, 0, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetEvolution();
    Open(c.opening);
    for (int step : c.steps) step > 0 ? ClickPlus(step - 1) : ClickMinus(-step - 1);
    EXPECT_EQ(Counts(gEvolutionDialog.counts), c.expected);
    for (int k = 0; k < kAdvanceRows; ++k) {
      EXPECT_EQ(gEvolutionDialog.value_labels[k]->label, std::to_string(c.expected[k]));
    }
    EXPECT_EQ(Counts(avatar->advance_counts), c.opening) << "nothing reaches the avatar yet";
  }
}

TEST_F(EvolutionTest, CancelLeavesEverythingAsItWasAndOkRerunsTheScriptFromStartUp) {
  advance_history = {kSpeed};
  avatar->attack = 99.0f;
  Open({1, 0, 0, 0, 0, 0, 0});
  ClickPlus(kAttack);
  ClickPlus(kWinGame);
  EXPECT_EQ(PrintedBy(ClickCancel), "");
  EXPECT_FALSE(EvolutionDialogVisible());
  EXPECT_EQ(gEvolutionDialog.result, cCritterAdvanceDialog::kCancel);
  EXPECT_EQ(Counts(avatar->advance_counts), (cCounts{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(avatar->attack, 99.0f);
  EXPECT_TRUE(can_evolve);

  OpenEvolutionDialog();
  EXPECT_EQ(PrintedBy(ClickOk), kAbilityLines) << "Ok without changes";
  EXPECT_EQ(avatar->attack, 2.0f) << "the script starts from the start-up abilities";
  EXPECT_FALSE(can_evolve);
  EXPECT_FALSE(EvolutionDialogVisible());
  EXPECT_EQ(gEvolutionDialog.result, cCritterAdvanceDialog::kOk);
  EXPECT_EQ(advance_history, std::vector<int>{kSpeed});
}

TEST_F(EvolutionTest, OkRecordsChangedRowsUpToClimbInRowOrderAndGivesTheScriptTheCounts) {
  InitGameScripts();
  ParseScript("attack = attack + stealth_points * 10 climb = climb_points * 100 + swim_points",
              GameScriptProgram(eGameScript::kEvolutionPoints));
  advance_history = {kClimb};
  Open({0, 0, 0, 0, 1, 1, 1});
  for (int row : {kWinGame, kSwim, kStealth, kSpeed}) ClickPlus(row);
  PrintedBy(ClickOk);
  ResetGameScripts();
  EXPECT_EQ(Counts(avatar->advance_counts), (cCounts{1, 0, 0, 1, 1, 2, 2}));
  EXPECT_EQ(advance_history, (std::vector<int>{kClimb, kSpeed, kStealth}));
  EXPECT_EQ(avatar->attack, 12.0f);
  EXPECT_EQ(avatar->climb, 102.0f);
}

TEST_F(EvolutionTest, VictoryFollowsTheAbilityLinesOnEveryOkWhileTheCountHolds) {
  gConfig.victory_points = 2;
  Open({2, 0, 0, 0, 0, 1, 1});
  const std::string printed = PrintedBy([] {
    ClickOk();
    for (int raise : {1, 0}) {
      OpenEvolutionDialog();
      if (raise) ClickPlus(kWinGame);
      ClickOk();
    }
  });
  EXPECT_EQ(printed, kAbilityLines + kAbilityLines + "<box>\n" + kAbilityLines + "<box>\n")
      << "none one point short, then after the lines of every Ok";
  EXPECT_EQ(gBoxes.front(),
            "You Win|Congratulations! You win!\nSpeed:2\nAttack:0\nDefend:0\nStealth:0\n"
            "Climb:0\nSwim:1\n");
}

TEST_F(EvolutionTest, DeathTakesTheLastAdvanceInTheFirstFiveAndAllSwimAndWinGame) {
  PrintedBy([] {
    for (int row : {kAttack, kClimb, kWinGame}) {
      OpenEvolutionDialog();
      ClickPlus(row);
      ClickOk();
    }
    LoseLastAdvance();
  });
  EXPECT_EQ(Counts(avatar->advance_counts), (cCounts{0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(advance_history, std::vector<int>{kAttack});
}

TEST_F(EvolutionTest, DeathWithNoHistoryZeroesEveryCountAndRerunsTheScript) {
  for (int victory_points : {5, 0}) {
    gConfig.victory_points = victory_points;
    std::copy_n(cCounts{0, 0, 0, 0, 0, 3, 4}.begin(), kAdvanceRows, avatar->advance_counts);
    avatar->swim = 7.0f;
    EXPECT_EQ(PrintedBy(LoseLastAdvance), kAbilityLines + (victory_points <= 0 ? "<box>\n" : ""))
        << "a death announces victory only without victory points";
    EXPECT_EQ(Counts(avatar->advance_counts), cCounts{});
  }
}

TEST_F(EvolutionTest, OpeningIsGuardedAndAHiddenDialogTakesNoClicks) {
  EXPECT_FALSE(EvolutionDialogMouseDown(245, 470)) << "hidden: the press goes to the world";
  EvolutionDialogMouseUp(245, 470);
  EXPECT_TRUE(can_evolve) << "a hidden Ok runs nothing";
  Open({});
  ClickPlus(kSpeed);
  OpenEvolutionDialog();
  EXPECT_EQ(gEvolutionDialog.counts[kSpeed], 1) << "opening again keeps the opening in progress";
  EXPECT_TRUE(EvolutionDialogMouseDown(150, 300)) << "a press on a row name is the dialog's";
  EXPECT_FALSE(EvolutionDialogMouseDown(300, 300));
}
