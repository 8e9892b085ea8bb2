// Shift key state.
#include "platform/key_state.h"

namespace {
bool gShiftDown = false;
}

bool ShiftKeyDown() { return gShiftDown; }
void SetShiftKeyDown(bool down) { gShiftDown = down; }
