// Control-panel layout and click rules.
#include "platform/control_panel.h"

namespace {
constexpr int kMargin = 10;
constexpr int kSpacing = 6;
constexpr int kControlWidth = 116;
constexpr int kButtonHeight = 24;
constexpr int kCheckBoxHeight = 18;
}  // namespace

cWidgetRect cControlPanel::NextRect(int height) const {
  const int top = controls_.empty() ? kMargin : controls_.back().push.Rect().bottom + kSpacing;
  return {kMargin, top, kMargin + kControlWidth, top + height};
}

void cControlPanel::add_button(const std::string& name, ButtonCallback callback) {
  cControl control{cPushControl(NextRect(kButtonHeight), name)};
  control.callback = callback;
  controls_.push_back(control);
}

void cControlPanel::add_checkbox(const std::string& name, int* live_var, CheckBoxSetter set_live) {
  cControl control{cPushControl(NextRect(kCheckBoxHeight), name)};
  control.live = live_var;
  control.setLive = set_live;
  control.drawnValue = *live_var;
  controls_.push_back(control);
}

void cControlPanel::MouseDown(int x, int y) {
  for (cControl& control : controls_) control.push.MouseDown(x, y);
}

void cControlPanel::MouseMove(int x, int y) {
  for (cControl& control : controls_) control.push.MouseMove(x, y);
}

bool cControlPanel::MouseUp(int x, int y) {
  bool acted = false;
  for (cControl& control : controls_) {
    if (!control.push.MouseUp(x, y)) continue;
    acted = true;
    if (control.IsCheckBox()) {
      control.setLive(*control.live ? 0 : 1);
    } else {
      control.callback();
    }
  }
  return acted;
}

bool cControlPanel::LiveValuesChanged() const {
  for (const cControl& control : controls_) {
    if (control.IsCheckBox() && *control.live != control.drawnValue) return true;
  }
  return false;
}

void cControlPanel::NoteDrawn() {
  for (cControl& control : controls_) {
    if (control.IsCheckBox()) control.drawnValue = *control.live;
  }
}

int cControlPanel::Width() const { return kControlWidth + 2 * kMargin; }

int cControlPanel::Height() const {
  return (controls_.empty() ? 0 : controls_.back().push.Rect().bottom) + kMargin;
}
