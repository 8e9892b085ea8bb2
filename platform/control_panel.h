// The control panel's content and behaviour, the small part of GLUI the game uses: a column of
// push buttons and check boxes bound to int live variables, with their click rules and layout.
// The panel's window (creation, drawing, GLUT callbacks) is control_panel_window's job.
#pragma once

#include <string>
#include <vector>

#include "platform/widgets.h"

class cControlPanel {
 public:
  using ButtonCallback = void (*)();
  // Stores the check box's new state in its live variable (and does whatever goes with that).
  using CheckBoxSetter = void (*)(int checked);

  struct cControl {
    cPushControl push;
    ButtonCallback callback = nullptr;  // buttons
    int* live = nullptr;                // check boxes: the variable the check mark shows
    CheckBoxSetter setLive = nullptr;
    int drawnValue = 0;                 // check boxes: the value the check mark last showed

    bool IsCheckBox() const { return live != nullptr; }
  };

  explicit cControlPanel(std::string title) : title_(std::move(title)) {}

  // GLUI-style building calls; controls stack top to bottom in the order added.
  void set_main_gfx_window(int window) { mainWindow_ = window; }
  void add_button(const std::string& name, ButtonCallback callback);
  // The check mark always shows *live_var; a click hands the opposite value to `set_live`.
  void add_checkbox(const std::string& name, int* live_var, CheckBoxSetter set_live);

  // Mouse events in panel pixels. MouseUp runs the action of the control released over, if
  // the press began on it; it returns true when an action ran.
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  bool MouseUp(int x, int y);

  // A live variable changed behind the panel's back (the P key): the check marks need redrawing.
  bool LiveValuesChanged() const;
  void NoteDrawn();

  const std::string& Title() const { return title_; }
  int MainWindow() const { return mainWindow_; }
  const std::vector<cControl>& Controls() const { return controls_; }
  int Width() const;
  int Height() const;

 private:
  cWidgetRect NextRect(int height) const;

  std::string title_;
  int mainWindow_ = 0;
  std::vector<cControl> controls_;
};
