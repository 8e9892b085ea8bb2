// The current GLUT window's size for drawing. Asking freeglut for it is a round trip to the X
// server each time, and a frame asks dozens of times; the size is read once a frame instead.
// GL layer.
#pragma once

// The current window's width and height in pixels, as read since the last ForgetWindowSize()
// (read afresh when another window has become current).
int DrawingWindowWidth();
int DrawingWindowHeight();
// Called at the start of every frame, so that a resize shows in the next frame.
void ForgetWindowSize();
