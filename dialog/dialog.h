// A dialog drawn inside the game window: the controls it owns, which of them take clicks, and
// the press/release rules that turn clicks into commands for the derived dialog.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "dialog/dialog_control.h"

struct cDialogRect {
  float left, top, right, bottom;
};

class cGLFDialog {
 public:
  int result = 0;        // the id of the command that last closed the dialog
  bool visible = false;  // shown and receiving mouse events
  std::list<cGLFDialogControl*> buttons;   // the clickable controls, in hit-test order
  std::list<cGLFDialogControl*> controls;  // every control, in drawing order

  cGLFDialog() = default;
  cGLFDialog(const cGLFDialog&) = delete;
  cGLFDialog& operator=(const cGLFDialog&) = delete;
  virtual ~cGLFDialog() = default;

  // A press (button and state are not looked at): presses the first clickable control hit.
  // True when the press landed on any control of the dialog, so it goes no further.
  virtual bool OnMouseDown(int button, int state, int x, int y);
  // Draws every control in list order; the caller is in 2D mode.
  virtual void Draw();
  virtual void Show();
  // A release: every clickable control under it runs its command if it was pressed, and is
  // released. True when any clickable control was hit.
  virtual bool OnMouseUp(int x, int y);

 protected:
  virtual void OnCommand(int id) = 0;

  // Creates a button the dialog owns and appends it to the drawn list and, when clickable,
  // to the clickable list.
  cGLFDialogButton* AddButton(const cDialogRect& rect, const std::string& label, int id,
                              bool clickable);
  // Empties both lists and frees the controls.
  void ClearControls();

 private:
  std::vector<std::unique_ptr<cGLFDialogControl>> owned_controls_;
};
