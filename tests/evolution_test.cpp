// The evolution dialog and the avatar's advances: the layout at (100, 200) as a player clicks
// it, the row rules of an opening, Ok and Cancel, the printed abilities, the victory message
// and the death penalty.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/config.h"
#include "dialog/advance_dialog.h"
#include "dialog/evolution.h"
#include "platform/message_box.h"
#include "script/hooks.h"
#include "world/world.h"

namespace {
using cCounts = std::array<int, kAdvanceRows>;

enum eRow { kSpeed, kAttack, kDefend, kStealth, kClimb, kSwim, kWinGame };

const char kAbilityLines[] =
    "Avatar Walk Speed: 1.500000\n"
    "Avatar Run Speed: 3.250000\n"
    "Avatar Attack : 2.000000\n"
    "Avatar Defend: 4.000000\n"
    "Avatar Stealth: 0.500000\n"
    "Avatar Climb: 0.000000\n"
    "Avatar Swim: 1.000000\n"
    "----------------------\n";

// Victory boxes leave a marker in standard output, so their order against the printed
// ability lines can be checked.
std::vector<std::pair<std::string, std::string>> gBoxes;
void RecordBox(const std::string& caption, const std::string& text) {
  gBoxes.emplace_back(caption, text);
  std::printf("<box>\n");
}

void Click(int x, int y) {
  EvolutionDialogMouseDown(x, y);
  EvolutionDialogMouseUp(x, y);
}
// Window pixels in the middle of each button, for the dialog at (100, 200).
void ClickPlus(int row) { Click(235, 242 + 30 * row); }
void ClickMinus(int row) { Click(220, 242 + 30 * row); }
void ClickOk() { Click(245, 470); }
void ClickCancel() { Click(145, 470); }

cCounts CountsOf(const cKeltoGameCritter& avatar) {
  cCounts counts;
  std::copy(avatar.advance_counts, avatar.advance_counts + kAdvanceRows, counts.begin());
  return counts;
}

class EvolutionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWorld();
    ResetSimulationGlobals();
    gConfig = cGameConfig();
    ResetEvolution();
    avatar = new cKeltoGameCritter;
    avatar->is_avatar = true;
    avatar->walk_speed = 1.5f;
    avatar->run_speed = 3.25f;
    avatar->attack = 2.0f;
    avatar->defend = 4.0f;
    avatar->stealth = 0.5f;
    avatar->climb = 0.0f;
    avatar->swim = 1.0f;
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
  // One accepted opening that raises one row.
  void Advance(int row) {
    OpenEvolutionDialog();
    ClickPlus(row);
    ClickOk();
  }
  cCounts DialogCounts() const {
    cCounts counts;
    std::copy(gEvolutionDialog.counts, gEvolutionDialog.counts + kAdvanceRows, counts.begin());
    return counts;
  }

  cKeltoGameCritter* avatar = nullptr;
  MessageBoxBackend previous_backend = nullptr;
};
}  // namespace

TEST_F(EvolutionTest, LayoutAtOneHundredTwoHundred) {
  struct {
    int index;  // in drawing order
    std::string label;
    cDialogRect rect;
    cDialogColor frame;
  } const cases[] = {
      {0, "", {100, 200, 290, 490}, {0, 1, 0}},
      {1, "Evolution Points", {101, 201, 280, 214}, {0, 0, 0}},
      {2, "Cancel", {110, 460, 180, 480}, {0, 1, 0}},
      {3, "Ok", {210, 460, 280, 480}, {0, 1, 0}},
      {4, "Speed:", {115, 232, 185, 252}, {0, 0, 0}},
      {10, "Win Game:", {115, 412, 185, 432}, {0, 0, 0}},
      {14, "0", {190, 322, 210, 342}, {0, 1, 0}},
      {18, "-", {215, 232, 225, 252}, {0, 1, 0}},
      {31, "+", {230, 412, 240, 432}, {0, 1, 0}},
  };
  std::vector<const cGLFDialogControl*> drawn(gEvolutionDialog.controls.begin(),
                                              gEvolutionDialog.controls.end());
  ASSERT_EQ(drawn.size(), 32u);
  for (const auto& c : cases) {
    const cGLFDialogControl& control = *drawn[c.index];
    SCOPED_TRACE(c.index);
    EXPECT_EQ(control.label, c.label);
    EXPECT_EQ(control.left, c.rect.left);
    EXPECT_EQ(control.top, c.rect.top);
    EXPECT_EQ(control.right, c.rect.right);
    EXPECT_EQ(control.bottom, c.rect.bottom);
    EXPECT_EQ(control.frame_color.g, c.frame.g);
  }
  for (const cGLFDialogControl* control : drawn) {
    EXPECT_EQ(control->fill_color.g, 0.0f) << "green on black";
    EXPECT_EQ(control->text_color.g, 1.0f);
    EXPECT_EQ(control->fill_pressed_color.g, 1.0f) << "black on green while pressed";
    EXPECT_EQ(control->text_pressed_color.g, 0.0f);
  }
  std::vector<int> hit_order;
  for (const cGLFDialogControl* button : gEvolutionDialog.buttons) hit_order.push_back(button->id);
  EXPECT_EQ(hit_order, (std::vector<int>{2, 1, 10, 11, 12, 13, 14, 15, 16, 20, 21, 22, 23, 24, 25,
                                         26}));
  EXPECT_FALSE(EvolutionDialogVisible()) << "built hidden";
}

TEST_F(EvolutionTest, RowRulesOfOneOpening) {
  struct Step {
    char sign;
    int row;
  };
  struct {
    const char* name;
    cCounts opening;
    std::vector<Step> steps;
    cCounts expected;
  } const cases[] = {
      {"from zero Win Game, Swim and Attack rise, then Speed is refused",
       {},
       {{'+', kWinGame}, {'+', kSwim}, {'+', kAttack}, {'+', kSpeed}},
       {0, 1, 0, 0, 0, 1, 1}},
      {"once the first five exceed the opening total no row rises, not even Win Game",
       {},
       {{'+', kAttack}, {'+', kWinGame}, {'+', kSwim}},
       {0, 1, 0, 0, 0, 0, 0}},
      {"a second plus on the same row is refused", {}, {{'+', kDefend}, {'+', kDefend}},
       {0, 0, 1, 0, 0, 0, 0}},
      {"minus undoes a plus and frees the budget for another row",
       {},
       {{'+', kDefend}, {'-', kDefend}, {'+', kStealth}},
       {0, 0, 0, 1, 0, 0, 0}},
      {"minus at the opening value does nothing", {2, 0, 0, 0, 0, 0, 1}, {{'-', kSpeed}, {'-', kWinGame}},
       {2, 0, 0, 0, 0, 0, 1}},
      {"Swim and Win Game points at opening count toward the budget of the first five",
       {0, 0, 0, 0, 0, 1, 1},
       {{'+', kSpeed}, {'+', kAttack}, {'+', kDefend}, {'+', kStealth}},
       {1, 1, 1, 0, 0, 1, 1}},
      {"each row gains at most one above its opening value",
       {3, 0, 0, 0, 0, 0, 0},
       {{'+', kSpeed}, {'+', kSpeed}, {'+', kClimb}},
       {4, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetEvolution();
    Open(c.opening);
    for (const Step& step : c.steps) step.sign == '+' ? ClickPlus(step.row) : ClickMinus(step.row);
    EXPECT_EQ(DialogCounts(), c.expected);
    for (int k = 0; k < kAdvanceRows; ++k) {
      EXPECT_EQ(gEvolutionDialog.value_labels[k]->label, std::to_string(c.expected[k])) << k;
    }
    EXPECT_EQ(CountsOf(*avatar), c.opening) << "nothing reaches the avatar before Ok";
  }
}

TEST_F(EvolutionTest, CancelLeavesEverythingAsItWas) {
  advance_history = {kSpeed};
  testing::internal::CaptureStdout();
  Open({1, 0, 0, 0, 0, 0, 0});
  ClickPlus(kAttack);
  ClickMinus(kAttack);
  ClickPlus(kWinGame);
  ClickCancel();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_FALSE(EvolutionDialogVisible());
  EXPECT_EQ(gEvolutionDialog.result, cCritterAdvanceDialog::kCancel);
  EXPECT_EQ(CountsOf(*avatar), (cCounts{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(advance_history, std::vector<int>{kSpeed});
  EXPECT_TRUE(can_evolve);
  OpenEvolutionDialog();
  EXPECT_EQ(DialogCounts(), (cCounts{1, 0, 0, 0, 0, 0, 0})) << "the next opening starts afresh";
}

TEST_F(EvolutionTest, OkWithoutChangesRerunsTheScriptPrintsAndClearsCanEvolve) {
  avatar->attack = 99.0f;  // drifted since start-up; the script starts from the start-up values
  Open({});
  testing::internal::CaptureStdout();
  ClickOk();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), kAbilityLines);
  EXPECT_EQ(avatar->attack, 2.0f);
  EXPECT_FALSE(can_evolve);
  EXPECT_FALSE(EvolutionDialogVisible());
  EXPECT_EQ(gEvolutionDialog.result, cCritterAdvanceDialog::kOk);
  EXPECT_TRUE(advance_history.empty());
  EXPECT_TRUE(gBoxes.empty());
}

TEST_F(EvolutionTest, OkRecordsChangedRowsUpToClimbInRowOrder) {
  advance_history = {kClimb};
  Open({0, 0, 0, 0, 1, 1, 1});
  for (int row : {kWinGame, kSwim, kStealth, kSpeed}) ClickPlus(row);
  testing::internal::CaptureStdout();
  ClickOk();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(CountsOf(*avatar), (cCounts{1, 0, 0, 1, 1, 2, 2}));
  EXPECT_EQ(advance_history, (std::vector<int>{kClimb, kSpeed, kStealth}));
}

TEST_F(EvolutionTest, VictoryIsAnnouncedAfterTheAbilityLinesWhileTheCountHolds) {
  gConfig.victory_points = 1;
  Open({2, 0, 0, 0, 0, 1, 0});
  ClickPlus(kWinGame);
  testing::internal::CaptureStdout();
  ClickOk();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(kAbilityLines) + "<box>\n");
  ASSERT_EQ(gBoxes.size(), 1u);
  EXPECT_EQ(gBoxes[0].first, "You Win");
  EXPECT_EQ(gBoxes[0].second,
            "Congratulations! You win!\nSpeed:2\nAttack:0\nDefend:0\nStealth:0\nClimb:0\nSwim:1\n");
  testing::internal::CaptureStdout();
  OpenEvolutionDialog();
  ClickOk();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(gBoxes.size(), 2u) << "shown again on every later acceptance";
}

TEST_F(EvolutionTest, NoVictoryBelowTheVictoryPoints) {
  gConfig.victory_points = 2;
  Open({0, 0, 0, 0, 0, 0, 0});
  ClickPlus(kWinGame);
  testing::internal::CaptureStdout();
  ClickOk();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(avatar->advance_counts[kWinGame], 1);
  EXPECT_TRUE(gBoxes.empty());
}

TEST_F(EvolutionTest, DeathTakesTheLastRecordedAdvanceAndAllSwimAndWinGamePoints) {
  testing::internal::CaptureStdout();
  Advance(kAttack);
  Advance(kClimb);
  Advance(kWinGame);
  EXPECT_EQ(CountsOf(*avatar), (cCounts{0, 1, 0, 0, 1, 0, 1}));
  LoseLastAdvance();
  EXPECT_EQ(CountsOf(*avatar), (cCounts{0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(advance_history, std::vector<int>{kAttack});
  LoseLastAdvance();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(CountsOf(*avatar), cCounts{});
  EXPECT_TRUE(advance_history.empty());
}

TEST_F(EvolutionTest, DeathWithNoHistoryZeroesEveryCountAndRerunsTheScript) {
  std::copy_n(cCounts{0, 0, 0, 0, 0, 3, 4}.begin(), kAdvanceRows, avatar->advance_counts);
  avatar->swim = 7.0f;
  testing::internal::CaptureStdout();
  LoseLastAdvance();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), kAbilityLines);
  EXPECT_EQ(CountsOf(*avatar), cCounts{});
  EXPECT_TRUE(gBoxes.empty());
}

TEST_F(EvolutionTest, DeathAnnouncesVictoryOnlyWithoutVictoryPoints) {
  gConfig.victory_points = 0;
  testing::internal::CaptureStdout();
  LoseLastAdvance();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(kAbilityLines) + "<box>\n");
}

TEST_F(EvolutionTest, OpeningIsGuardedAndAHiddenDialogTakesNoClicks) {
  EXPECT_FALSE(EvolutionDialogMouseDown(245, 470)) << "hidden: the press goes to the world";
  EvolutionDialogMouseUp(245, 470);
  EXPECT_TRUE(can_evolve) << "a hidden Ok runs nothing";
  Open({});
  ClickPlus(kSpeed);
  avatar->advance_counts[kSpeed] = 5;
  OpenEvolutionDialog();
  EXPECT_EQ(gEvolutionDialog.counts[kSpeed], 1) << "opening again keeps the opening in progress";
  EXPECT_TRUE(EvolutionDialogMouseDown(150, 300)) << "a press on a row name is the dialog's";
  EXPECT_FALSE(EvolutionDialogMouseDown(300, 300));
}

TEST_F(EvolutionTest, PressedButtonsDrawPressed) {
  struct cPainter : cDialogPainter {
    std::vector<std::string> pressed;
    void DrawButton(const cGLFDialogButton& button) override {
      if (button.pressed) pressed.push_back(button.label);
    }
    int LabelWidth(const std::string&) override { return 0; }
  } painter;
  gDialogPainter = &painter;
  Open({});
  EvolutionDialogMouseDown(235, 242);
  gEvolutionDialog.Draw();
  gDialogPainter = nullptr;
  EXPECT_EQ(painter.pressed, std::vector<std::string>{"+"});
}
