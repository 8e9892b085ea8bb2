// The in-window dialog framework: hit testing on borders, press and release semantics with
// overlapping controls, and drawing order.
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

// A drawn-only background with two clickable buttons overlapping on 20..30 x 20..30.
class DialogTest : public ::testing::Test {
 protected:
  bool Press(int x, int y) { return dialog.OnMouseDown(0, 0, x, y); }
  bool Release(int x, int y) { return dialog.OnMouseUp(x, y); }

  cRecordingDialog dialog;
  cGLFDialogButton* background = dialog.AddButton({0, 0, 100, 100}, "background", 99, false);
  cGLFDialogButton* first = dialog.AddButton({10, 10, 30, 30}, "first", 1, true);
  cGLFDialogButton* second = dialog.AddButton({20, 20, 40, 40}, "second", 2, true);
};
}  // namespace

TEST(DialogControl, HitTestExcludesEveryBorder) {
  cGLFDialogButton control;
  control.left = 10, control.right = 50, control.top = 20, control.bottom = 40;
  struct {
    float x, y;
    bool inside;
  } const cases[] = {{30, 30, true},  {10.5f, 20.5f, true}, {49.9f, 39.9f, true},
                     {10, 30, false}, {50, 30, false},      {30, 20, false},
                     {30, 40, false}, {9.9f, 30, false},    {30, 40.1f, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(control.HitTest(c.x, c.y), c.inside) << "(" << c.x << ", " << c.y << ")";
  }
}

TEST_F(DialogTest, PressOnAButtonBorderPressesNothingButStaysInTheDialog) {
  EXPECT_TRUE(Press(10, 15)) << "the border lies inside the background";
  EXPECT_EQ(first->pressed, 0);
  EXPECT_FALSE(Press(0, 50)) << "the background's own border is outside the dialog";
  EXPECT_FALSE(Press(150, 150));
  EXPECT_EQ(background->pressed, 0) << "drawn-only controls are never pressed";
}

TEST_F(DialogTest, OverlappingButtons) {
  EXPECT_TRUE(Press(25, 25));
  EXPECT_EQ(second->pressed, 0) << "only the first in hit order is pressed";
  EXPECT_TRUE(Release(25, 25));
  EXPECT_EQ(dialog.commands, std::vector<int>{1});

  Press(35, 35);
  Press(15, 15);
  Release(25, 25);
  EXPECT_EQ(dialog.commands, (std::vector<int>{1, 1, 2})) << "every pressed one runs";
  EXPECT_EQ(first->pressed + second->pressed, 0);
}

TEST_F(DialogTest, MovingOffBeforeReleaseDefersTheCommandToTheNextReleaseOverIt) {
  Press(15, 15);
  EXPECT_FALSE(Release(80, 80)) << "the background is not clickable";
  EXPECT_TRUE(dialog.commands.empty());
  EXPECT_EQ(first->pressed, 1);
  Press(80, 80);
  Release(15, 15);
  Release(15, 15);
  EXPECT_EQ(dialog.commands, std::vector<int>{1}) << "once, whatever the press before it";
}

TEST_F(DialogTest, DrawsEveryControlInListOrderWithItsPressedState) {
  struct cPainter : cDialogPainter {
    std::vector<std::string> drawn;
    void DrawButton(const cGLFDialogButton& button) override {
      drawn.push_back(button.label + (button.pressed ? "*" : ""));
    }
    int LabelWidth(const std::string&) override { return 0; }
  } painter;
  gDialogPainter = &painter;
  Press(35, 35);
  dialog.Draw();
  gDialogPainter = nullptr;
  EXPECT_EQ(painter.drawn, (std::vector<std::string>{"background", "first", "second*"}));
}
