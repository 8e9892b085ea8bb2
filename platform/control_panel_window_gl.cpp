// The control panel's GLUT window: drawing, mouse handling and the idle hook.
#include "platform/control_panel_window.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdlib>

#include "platform/message_box_window.h"
#include "platform/widgets_gl.h"

namespace {
constexpr int kGapBesideWindow = 16;  // room for a window manager's border between the two

cControlPanel* gPanel = nullptr;
int gPanelWindow = 0;
void (*gIdle)() = nullptr;

// The panel grows as controls are added after its window exists, so the window follows its
// content here; false while it has not taken the size yet (nothing is drawn at a wrong size).
bool WindowFitsPanel() {
  if (glutGet(GLUT_WINDOW_WIDTH) == gPanel->Width() && glutGet(GLUT_WINDOW_HEIGHT) == gPanel->Height()) {
    return true;
  }
  glutReshapeWindow(gPanel->Width(), gPanel->Height());
  glutPostRedisplay();
  return false;
}

void DrawPanel() {
  if (!WindowFitsPanel()) return;
  BeginWidgetDrawing(gPanel->Width(), gPanel->Height());
  for (const cControlPanel::cControl& control : gPanel->Controls()) {
    if (control.IsCheckBox()) {
      DrawCheckBox(control.push, *control.live != 0);
    } else {
      DrawPushButton(control.push);
    }
  }
  glutSwapBuffers();
  gPanel->NoteDrawn();
}

void OnPanelMouse(int button, int state, int x, int y) {
  if (MessageBoxWindowOpen() || button != GLUT_LEFT_BUTTON) return;
  if (state == GLUT_DOWN) {
    gPanel->MouseDown(x, y);
  } else if (gPanel->MouseUp(x, y) && gPanel->MainWindow() != 0) {
    glutPostWindowRedisplay(gPanel->MainWindow());
  }
  glutPostWindowRedisplay(gPanelWindow);
}

void OnPanelDrag(int x, int y) {
  gPanel->MouseMove(x, y);
  glutPostWindowRedisplay(gPanelWindow);
}

void (*gClosing)() = nullptr;

void OnPanelClosed() {
  if (gClosing) gClosing();
  std::exit(0);
}

void RunIdle() {
  gIdle();
  if (gPanel->LiveValuesChanged()) glutPostWindowRedisplay(gPanelWindow);
}
}  // namespace

cControlPanel* create_glui(const std::string& name, int x, int y) {
  // GLUT takes a negative coordinate as "let the window manager choose", and a window
  // without one left at -1 reports -1: the panel's place must not be negative.
  if (x < 0 || y < 0) {
    x = std::max(0, glutGet(GLUT_WINDOW_X) + glutGet(GLUT_WINDOW_WIDTH) + kGapBesideWindow);
    y = std::max(0, glutGet(GLUT_WINDOW_Y));
  }
  gPanel = new cControlPanel(name);
  gPanelWindow = CreatePlatformWindow(name, x, y, gPanel->Width(), gPanel->Height());
  glutDisplayFunc(DrawPanel);
  glutMouseFunc(OnPanelMouse);
  glutMotionFunc(OnPanelDrag);
  glutCloseFunc(OnPanelClosed);
  return gPanel;
}

void SetControlPanelClosing(void (*closing)()) { gClosing = closing; }

void set_glutIdleFunc(void (*idle)()) {
  gIdle = idle;
  glutIdleFunc(RunIdle);
}
