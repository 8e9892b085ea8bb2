// Press-and-release tracking of push controls.
#include "platform/widgets.h"

void cPushControl::MouseDown(int x, int y) {
  held_ = rect_.Contains(x, y);
  pointerOver_ = held_;
}

void cPushControl::MouseMove(int x, int y) { pointerOver_ = rect_.Contains(x, y); }

bool cPushControl::MouseUp(int x, int y) {
  const bool act = held_ && rect_.Contains(x, y);
  held_ = false;
  pointerOver_ = false;
  return act;
}
