// The modal message box window and its nested event loop.
#include "platform/message_box_window.h"

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

#include "platform/message_box_layout.h"
#include "platform/widgets_gl.h"

namespace {
struct cOpenBox {
  cMessageBoxLayout layout;
  cPushControl ok;
  int window = 0;
  bool dismissed = false;
};

cOpenBox* gBox = nullptr;  // the innermost open box

void DrawBox() {
  BeginWidgetDrawing(gBox->layout.width, gBox->layout.height);
  for (std::size_t i = 0; i < gBox->layout.lines.size(); ++i) {
    DrawWidgetText(gBox->layout.textLeft, gBox->layout.baselines[i], gBox->layout.lines[i]);
  }
  DrawPushButton(gBox->ok);
  glutSwapBuffers();
}

void OnBoxKey(unsigned char key, int, int) {
  if (DismissesMessageBox(key)) gBox->dismissed = true;
}

void OnBoxMouse(int button, int state, int x, int y) {
  if (button != GLUT_LEFT_BUTTON) return;
  if (state == GLUT_DOWN) {
    gBox->ok.MouseDown(x, y);
  } else if (gBox->ok.MouseUp(x, y)) {
    gBox->dismissed = true;
  }
  glutPostRedisplay();
}

void OnBoxDrag(int x, int y) {
  gBox->ok.MouseMove(x, y);
  glutPostRedisplay();
}

// The window manager's close button: GLUT destroys the window itself after this.
void OnBoxClosed() {
  gBox->dismissed = true;
  gBox->window = 0;
}

int OpenBoxWindow(const std::string& caption, const cMessageBoxLayout& layout) {
  const int x = (glutGet(GLUT_SCREEN_WIDTH) - layout.width) / 2;
  const int y = (glutGet(GLUT_SCREEN_HEIGHT) - layout.height) / 3;
  const int window = CreatePlatformWindow(caption, x, y, layout.width, layout.height);
  glutDisplayFunc(DrawBox);
  glutKeyboardFunc(OnBoxKey);
  glutMouseFunc(OnBoxMouse);
  glutMotionFunc(OnBoxDrag);
  glutCloseFunc(OnBoxClosed);
  return window;
}

void CloseBoxWindow(int window) {
  if (window == 0) return;
  glutSetWindow(window);
  glutCloseFunc(nullptr);  // our own closing is not the window manager's
  glutDestroyWindow(window);
}

// glutMainLoopEvent returns at once when nothing is pending; the pause keeps an open box
// from spinning a core.
void RunUntilDismissed() {
  while (!gBox->dismissed) {
    glutMainLoopEvent();
    if (!gBox->dismissed) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}
}  // namespace

void ShowMessageBoxWindow(const std::string& caption, const std::string& text) {
  const int previousWindow = glutGetWindow();
  const cMessageBoxLayout layout = LayOutMessageBox(text, WidgetTextWidth);
  cOpenBox box{layout, cPushControl(layout.okButton, "OK")};
  cOpenBox* const outer = gBox;
  gBox = &box;
  box.window = OpenBoxWindow(caption, layout);
  // The window the box was opened from shows what led to it (a dialog just closed, say).
  if (previousWindow != 0) glutPostWindowRedisplay(previousWindow);
  RunUntilDismissed();
  CloseBoxWindow(box.window);
  glutMainLoopEvent();  // takes the window off the screen now, not at the next frame
  gBox = outer;
  if (previousWindow != 0) glutSetWindow(previousWindow);
}

bool MessageBoxWindowOpen() { return gBox != nullptr; }
