// Behaviour of the plain push controls shared by the control panel and the message box: hit
// rectangles in window pixels (origin top-left, y down, like GLUT mouse positions), the pressed
// look while the mouse button is held on a control, and acting only on release over it.
// Drawing them is widgets_gl's job.
#pragma once

#include <string>
#include <utility>

struct cWidgetRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive

  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

class cPushControl {
 public:
  cPushControl(const cWidgetRect& rect, std::string label) : rect_(rect), label_(std::move(label)) {}

  const cWidgetRect& Rect() const { return rect_; }
  const std::string& Label() const { return label_; }

  // A press starts holding the control only when it lands on it.
  void MouseDown(int x, int y);
  // While held, the pressed look follows the pointer in and out of the control.
  void MouseMove(int x, int y);
  // Ends any hold; true when the control should act (pressed on it and released over it).
  bool MouseUp(int x, int y);
  bool LooksPressed() const { return held_ && pointerOver_; }

 private:
  cWidgetRect rect_;
  std::string label_;
  bool held_ = false;
  bool pointerOver_ = false;
};
