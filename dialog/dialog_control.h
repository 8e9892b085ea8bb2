// Dialog controls: rectangles in window pixels (origin top-left, y down, like mouse positions)
// with a label, a command id, colours and a pressed state. The click rules are headless;
// drawing and text measuring go through the painter the GL layer installs.
#pragma once

#include <string>

struct cDialogColor {
  float r = 0.0f, g = 0.0f, b = 0.0f;
};

class cGLFDialogButton;

// Installed by the GL layer; while null (headless) controls draw nothing and labels measure 0.
class cDialogPainter {
 public:
  virtual ~cDialogPainter() = default;
  virtual void DrawButton(const cGLFDialogButton& button) = 0;
  // Advance of the label in pixels, in the dialogs' font.
  virtual int LabelWidth(const std::string& label) = 0;
};
extern cDialogPainter* gDialogPainter;

class cGLFDialogControl {
 public:
  float left = 0.0f, right = 0.0f, top = 0.0f, bottom = 0.0f;
  int pressed = 0;  // pressed over this control and not yet released over it
  int id = 0;       // the command passed to the dialog when the control is clicked
  std::string label;
  cDialogColor frame_color, fill_color, fill_pressed_color, text_color, text_pressed_color;

  virtual ~cGLFDialogControl() = default;
  virtual void Draw() = 0;
  // Fits the rectangle to the label: 4 pixels wider than its text, 20 high; keeps left and top.
  virtual void SizeToLabel();
  // Strictly inside: a point on the border is outside.
  virtual bool HitTest(float x, float y) const;
};

// The only concrete control: frames and labels are buttons that are never made clickable.
class cGLFDialogButton : public cGLFDialogControl {
 public:
  void Draw() override;
};
