// The in-window dialog framework: hit testing on borders, press and release semantics with
// overlapping controls, drawing order and label sizing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/dialog.h"

namespace {
class cRecordingDialog : public cGLFDialog {
 public:
  std::vector<int> commands;
  using cGLFDialog::AddButton;

 protected:
  void OnCommand(int id) override { commands.push_back(id); }
};

class cRecordingPainter : public cDialogPainter {
 public:
  std::vector<std::string> drawn;  // label, then "*" when drawn pressed
  int label_width = 0;

  void DrawButton(const cGLFDialogButton& button) override {
    drawn.push_back(button.label + (button.pressed ? "*" : ""));
  }
  int LabelWidth(const std::string&) override { return label_width; }
};

// A drawn-only background with two clickable buttons overlapping on 20..30 x 20..30.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    background = dialog.AddButton({0, 0, 100, 100}, "background", 99, false);
    first = dialog.AddButton({10, 10, 30, 30}, "first", 1, true);
    second = dialog.AddButton({20, 20, 40, 40}, "second", 2, true);
  }
  void TearDown() override { gDialogPainter = nullptr; }

  bool Press(int x, int y) { return dialog.OnMouseDown(0, 0, x, y); }
  bool Release(int x, int y) { return dialog.OnMouseUp(x, y); }

  cRecordingDialog dialog;
  cGLFDialogButton* background = nullptr;
  cGLFDialogButton* first = nullptr;
  cGLFDialogButton* second = nullptr;
};
}  // namespace

TEST(DialogControl, HitTestExcludesEveryBorder) {
  cGLFDialogButton control;
  control.left = 10;
  control.right = 50;
  control.top = 20;
  control.bottom = 40;
  struct {
    float x, y;
    bool inside;
  } const cases[] = {
      {30, 30, true},     {10.5f, 20.5f, true}, {49.9f, 39.9f, true}, {10, 30, false},
      {50, 30, false},    {30, 20, false},      {30, 40, false},      {10, 20, false},
      {9.9f, 30, false},  {30, 40.1f, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(control.HitTest(c.x, c.y), c.inside) << "(" << c.x << ", " << c.y << ")";
  }
}

TEST(DialogControl, SizeToLabelKeepsCornerAndFitsText) {
  cRecordingPainter painter;
  painter.label_width = 37;
  struct {
    cDialogPainter* painter;
    float right;
  } const cases[] = {{&painter, 5 + 37 + 4}, {nullptr, 5 + 4}};
  for (const auto& c : cases) {
    gDialogPainter = c.painter;
    cGLFDialogButton control;
    control.left = 5;
    control.top = 7;
    control.right = control.bottom = 1000;
    control.SizeToLabel();
    EXPECT_EQ(control.left, 5);
    EXPECT_EQ(control.top, 7);
    EXPECT_EQ(control.right, c.right);
    EXPECT_EQ(control.bottom, 27);
  }
  gDialogPainter = nullptr;
}

TEST_F(DialogTest, PressOnButtonBorderPressesNothingButIsConsumedInsideTheDialog) {
  EXPECT_TRUE(Press(10, 15)) << "the border lies inside the background";
  EXPECT_EQ(first->pressed, 0);
  EXPECT_FALSE(Press(0, 50)) << "the background's own border is outside the dialog";
  EXPECT_FALSE(Press(150, 150));
  EXPECT_EQ(background->pressed, 0) << "drawn-only controls are never pressed";
}

TEST_F(DialogTest, PressOnOverlapMarksOnlyTheFirstInHitOrder) {
  EXPECT_TRUE(Press(25, 25));
  EXPECT_EQ(first->pressed, 1);
  EXPECT_EQ(second->pressed, 0);
  EXPECT_TRUE(Release(25, 25));
  EXPECT_EQ(dialog.commands, std::vector<int>{1});
  EXPECT_EQ(first->pressed, 0);
}

TEST_F(DialogTest, ReleaseOverBothRunsEveryPressedOneAndClearsBoth) {
  Press(35, 35);
  EXPECT_FALSE(Release(5, 5)) << "a release on the background hits no clickable control";
  EXPECT_EQ(second->pressed, 1) << "a release elsewhere leaves the button pressed";
  Press(15, 15);
  EXPECT_TRUE(Release(25, 25));
  EXPECT_EQ(dialog.commands, (std::vector<int>{1, 2}));
  EXPECT_EQ(first->pressed, 0);
  EXPECT_EQ(second->pressed, 0);
}

TEST_F(DialogTest, MovingOffBeforeReleaseDefersTheCommandToTheNextReleaseOverIt) {
  Press(15, 15);
  Release(80, 80);
  EXPECT_TRUE(dialog.commands.empty());
  EXPECT_EQ(first->pressed, 1);
  EXPECT_TRUE(Press(80, 80));
  Release(15, 15);
  EXPECT_EQ(dialog.commands, std::vector<int>{1}) << "the press elsewhere does not matter";
  Release(15, 15);
  EXPECT_EQ(dialog.commands, std::vector<int>{1}) << "a release without a press runs nothing";
}

TEST_F(DialogTest, DrawsEveryControlInListOrderWithItsPressedState) {
  cRecordingPainter painter;
  gDialogPainter = &painter;
  Press(35, 35);
  dialog.Draw();
  EXPECT_EQ(painter.drawn, (std::vector<std::string>{"background", "first", "second*"}));
}
