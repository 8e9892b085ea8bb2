// Hit testing, press and release semantics and drawing order of in-window dialogs.
#include "dialog/dialog.h"

#include <algorithm>

bool cGLFDialog::OnMouseDown(int, int, int x, int y) {
  for (cGLFDialogControl* button : buttons) {
    if (button->HitTest(x, y)) {
      button->pressed = 1;
      return true;
    }
  }
  // A press on a frame or label is still the dialog's, so it never reaches the world below.
  return std::any_of(controls.begin(), controls.end(),
                     [x, y](const cGLFDialogControl* control) { return control->HitTest(x, y); });
}

bool cGLFDialog::OnMouseUp(int x, int y) {
  bool hit = false;
  for (cGLFDialogControl* button : buttons) {
    if (!button->HitTest(x, y)) continue;
    hit = true;
    // A release elsewhere leaves the button pressed, so a later release over it still counts.
    if (button->pressed == 1) OnCommand(button->id);
    button->pressed = 0;
  }
  return hit;
}

void cGLFDialog::Draw() {
  for (cGLFDialogControl* control : controls) control->Draw();
}

void cGLFDialog::Show() { visible = true; }

cGLFDialogButton* cGLFDialog::AddButton(const cDialogRect& rect, const std::string& label, int id,
                                        bool clickable) {
  auto button = std::make_unique<cGLFDialogButton>();
  button->left = rect.left;
  button->top = rect.top;
  button->right = rect.right;
  button->bottom = rect.bottom;
  button->label = label;
  button->id = id;
  cGLFDialogButton* added = button.get();
  owned_controls_.push_back(std::move(button));
  controls.push_back(added);
  if (clickable) buttons.push_back(added);
  return added;
}

void cGLFDialog::ClearControls() {
  buttons.clear();
  controls.clear();
  owned_controls_.clear();
}
