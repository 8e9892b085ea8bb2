// One read of the window size per frame and window.
#include "platform/window_size.h"

#include <GL/freeglut.h>

namespace {
int gWindow = 0;  // the window the size was read for; 0 when none was read
int gWidth = 0;
int gHeight = 0;

void ReadSizeIfStale() {
  const int window = glutGetWindow();
  if (window == gWindow && window != 0) return;
  gWindow = window;
  gWidth = glutGet(GLUT_WINDOW_WIDTH);
  gHeight = glutGet(GLUT_WINDOW_HEIGHT);
}
}  // namespace

int DrawingWindowWidth() {
  ReadSizeIfStale();
  return gWidth;
}

int DrawingWindowHeight() {
  ReadSizeIfStale();
  return gHeight;
}

void ForgetWindowSize() { gWindow = 0; }
