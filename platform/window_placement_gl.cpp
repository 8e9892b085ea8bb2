// Placing the game window when no window manager is there to do it.
#include "platform/window_placement.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {
// An EWMH window manager announces itself with this property on the root window.
bool WindowManagerRunning(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                        XA_WINDOW, &type, &format, &items, &remaining, &data);
  if (data) XFree(data);
  return status == Success && items > 0;
}
}  // namespace

void PlaceCurrentWindowWhereNoManagerDoes() {
  Display* display = glXGetCurrentDisplay();
  if (display && !WindowManagerRunning(display)) glutPositionWindow(0, 0);
}
