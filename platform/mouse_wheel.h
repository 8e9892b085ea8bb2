// Mouse-wheel motion collected between frames (freeglut's wheel callback adds to it).
#pragma once

// Adds one wheel event: +1 away from the user, -1 toward.
void AddWheelMotion(int direction);
// The motion since the last call, and resets it.
int TakeWheelMotion();
