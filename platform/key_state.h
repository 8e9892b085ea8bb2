// Keyboard state the simulation samples directly: whether Shift is held (running, and carcass
// pick-up). The GLUT glue writes it from key and mouse callbacks; tests set it by hand.
#pragma once

bool ShiftKeyDown();
void SetShiftKeyDown(bool down);
