// Shift and wheel bookkeeping from GLUT events.
#include "platform/glut_input.h"

#include <GL/freeglut.h>

#include "platform/key_state.h"
#include "platform/mouse_wheel.h"

namespace {
constexpr int kWheelAwayButton = 3;
constexpr int kWheelTowardButton = 4;
}  // namespace

void NoteShiftFromModifiers() { SetShiftKeyDown((glutGetModifiers() & GLUT_ACTIVE_SHIFT) != 0); }

bool NoteShiftKey(int key, bool down) {
  if (key != GLUT_KEY_SHIFT_L && key != GLUT_KEY_SHIFT_R) return false;
  SetShiftKeyDown(down);
  return true;
}

bool TakeWheelButton(int button, int state) {
  if (button != kWheelAwayButton && button != kWheelTowardButton) return false;
  if (state == GLUT_DOWN) AddWheelMotion(button == kWheelAwayButton ? 1 : -1);
  return true;
}

void OnMouseWheel(int, int direction, int, int) { AddWheelMotion(direction > 0 ? 1 : -1); }
