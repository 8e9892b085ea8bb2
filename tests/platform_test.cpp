// The platform stand-ins' rules: push controls, the control panel's layout and clicks, the
// message box's layout and keys, and the display check's name and message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/pause_control.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "platform/control_panel.h"
#include "platform/display_check.h"
#include "platform/message_box_layout.h"
#include "platform/time_source.h"

namespace {
const cWidgetRect kButtonRect{10, 20, 110, 44};
constexpr int kInX = 50, kOutX = 200, kY = 30;

// Each step gives whether the control looks pressed after it.
TEST(PushControl, ActsOnlyWhenPressedAndReleasedOverItAndLooksPressedOnlyWhileHeldOverIt) {
  struct Step { char event; int x, y; bool looksPressed; };
  struct { const char* name; std::vector<Step> steps; bool acts; } cases[] = {
      {"click", {{'m', kInX, kY, false}, {'d', kInX, kY, true}, {'u', kInX, kY, false}}, true},
      {"dragged off", {{'d', kInX, kY, true}, {'u', kOutX, kY, false}}, false},
      {"dragged off and back",
       {{'d', kInX, kY, true}, {'m', kOutX, kY, false}, {'m', kInX, kY, true},
        {'u', kInX, kY, false}},
       true},
      {"pressed elsewhere",
       {{'d', kOutX, kY, false}, {'m', kInX, kY, false}, {'u', kInX, kY, false}},
       false},
      {"right edge is outside", {{'d', 110, 30, false}, {'u', 110, 30, false}}, false},
      {"left top corner is inside", {{'d', 10, 20, true}, {'u', 10, 20, false}}, true},
  };
  for (const auto& c : cases) {
    cPushControl button(kButtonRect, "OK");
    bool acted = false;
    for (const Step& s : c.steps) {
      if (s.event == 'd') button.MouseDown(s.x, s.y);
      if (s.event == 'm') button.MouseMove(s.x, s.y);
      if (s.event == 'u') acted = button.MouseUp(s.x, s.y);
      EXPECT_EQ(button.LooksPressed(), s.looksPressed) << c.name << " after " << s.event;
    }
    EXPECT_EQ(acted, c.acts) << c.name;
  }
}

int gRefills = 0, gLevelUps = 0, gLive = 0;
std::vector<int> gSetterCalls;

class ControlPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gRefills = gLevelUps = gLive = 0;
    gSetterCalls.clear();
    panel.add_button("Refill Motives", [] { ++gRefills; });
    panel.add_button("Level Up", [] { ++gLevelUps; });
    panel.add_checkbox("Pause", &gLive, [](int on) { gSetterCalls.push_back(gLive = on); });
  }
  static int X(const cWidgetRect& r) { return (r.left + r.right) / 2; }
  static int Y(const cWidgetRect& r) { return (r.top + r.bottom) / 2; }
  const cWidgetRect& Rect(int index) { return panel.Controls()[index].push.Rect(); }
  void Click(int index) {
    panel.MouseDown(X(Rect(index)), Y(Rect(index)));
    panel.MouseUp(X(Rect(index)), Y(Rect(index)));
  }

  cControlPanel panel{"Sample App Control Panel"};
};

TEST_F(ControlPanelTest, ControlsStackInsideThePanelWithoutOverlapping) {
  for (std::size_t i = 0; i < panel.Controls().size(); ++i) {
    EXPECT_GE(Rect(i).left, 0);
    EXPECT_LE(Rect(i).right, panel.Width());
    EXPECT_LE(Rect(i).bottom, panel.Height());
    if (i > 0) {
      EXPECT_GE(Rect(i).top, Rect(i - 1).bottom) << "control " << i;
    }
  }
}

TEST_F(ControlPanelTest, ButtonsRunTheirOwnCallbackOncePerClickAndOnlyWhenReleasedOnIt) {
  panel.MouseDown(X(Rect(0)), Y(Rect(0)));
  EXPECT_FALSE(panel.MouseUp(X(Rect(1)), Y(Rect(1))));
  EXPECT_EQ(gRefills + gLevelUps, 0) << "pressed on one control, released on another";
  Click(1);
  Click(1);
  EXPECT_EQ(gLevelUps, 2);
  EXPECT_EQ(gRefills, 0);
}

TEST_F(ControlPanelTest, CheckBoxHandsTheOppositeValueToItsSetterAndFollowsOtherChanges) {
  EXPECT_FALSE(panel.LiveValuesChanged());
  gLive = 1;  // e.g. the P key
  EXPECT_TRUE(panel.LiveValuesChanged());
  panel.NoteDrawn();
  EXPECT_FALSE(panel.LiveValuesChanged());
  Click(2);
  Click(2);
  EXPECT_EQ(gSetterCalls, (std::vector<int>{0, 1}));
}

// The game's own wiring: the "Pause" box bound to the pause flag through the game clock.
TEST(ControlPanelPause, TickingPauseFreezesGameTimeWithoutAJumpAfterwards) {
  ResetGameState();
  SetManualTime(1000);
  StartGameClock();
  cControlPanel panel("Sample App Control Panel");
  panel.add_checkbox("Pause", &gGameState.paused, SetPausedFromPanel);
  const cWidgetRect& box = panel.Controls()[0].push.Rect();
  SetManualTime(3000);
  panel.MouseDown(box.left + 2, box.top + 2);
  panel.MouseUp(box.left + 2, box.top + 2);
  EXPECT_EQ(gGameState.paused, 1);
  SetManualTime(9000);
  EXPECT_EQ(GameTime(), 2000u);
  panel.MouseDown(box.left + 2, box.top + 2);
  panel.MouseUp(box.left + 2, box.top + 2);
  EXPECT_EQ(gGameState.paused, 0);
  SetManualTime(9100);
  EXPECT_EQ(GameTime(), 2100u);
  UseRealTime();
}

int TenPixelsPerCharacter(const std::string& line) { return 10 * static_cast<int>(line.size()); }

TEST(MessageBoxLayout, FitsTheWidestLineKeepsAMinimumWidthAndCentresOkBelowTheText) {
  const cMessageBoxLayout layout = LayOutMessageBox(
      "Congratulations! You win!\n" + std::string(60, 'x') + "\nSwim:0\n", TenPixelsPerCharacter);
  ASSERT_EQ(layout.lines.size(), 3u) << "a final line break adds no empty line";
  EXPECT_GE(layout.width, layout.textLeft * 2 + 600);
  EXPECT_GT(layout.okButton.top, layout.baselines.back());
  EXPECT_LE(layout.okButton.bottom, layout.height);
  EXPECT_EQ(layout.okButton.left, layout.width - layout.okButton.right) << "OK is centred";
  for (std::size_t i = 1; i < layout.baselines.size(); ++i) {
    EXPECT_GT(layout.baselines[i], layout.baselines[i - 1]);
  }
  const cMessageBoxLayout shortText = LayOutMessageBox("ZOMA\n\nline", TenPixelsPerCharacter);
  EXPECT_EQ(shortText.lines, (std::vector<std::string>{"ZOMA", "", "line"})) << "empty inner lines are kept";
  EXPECT_GT(shortText.width, shortText.okButton.Width() * 2) << "a short text still gets a proper box";
}

TEST(MessageBoxLayout, EnterEscapeAndSpaceDismiss) {
  struct { unsigned char key; bool dismisses; } cases[] = {
      {'\r', true}, {27, true}, {' ', true}, {'a', false}, {'\t', false}, {0, false}};
  for (const auto& c : cases) EXPECT_EQ(DismissesMessageBox(c.key), c.dismisses) << int(c.key);
}

TEST(DisplayCheck, ArgumentWinsOverTheVariableAndTheMessageNamesTheDisplay) {
  struct { std::vector<const char*> argv; const char* variable; const char* expected; } cases[] = {
      {{"zoma"}, ":1", ":1"},
      {{"zoma"}, nullptr, ""},
      {{"zoma", "-display", ":7"}, ":1", ":7"},
      {{"zoma", "-display", ":7"}, nullptr, ":7"},
      {{"zoma", "-display"}, ":1", ":1"},  // no name follows: GLUT falls back to $DISPLAY too
      {{"zoma", "-geometry", "-display"}, nullptr, ""},
  };
  for (const auto& c : cases) {
    const int argc = static_cast<int>(c.argv.size());
    EXPECT_EQ(DisplayNameFor(argc, c.argv.data(), c.variable), c.expected);
  }
  EXPECT_EQ(DisplayFailureMessage(""),
            "zoma: cannot open the display (DISPLAY is not set); run it from a desktop session");
  EXPECT_EQ(DisplayFailureMessage(":9"),
            "zoma: cannot open the display :9; run it from a desktop session");
}
}  // namespace
