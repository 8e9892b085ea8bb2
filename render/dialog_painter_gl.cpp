// The GL side of the in-window dialogs: paints controls with the 2D overlay helpers and draws
// the evolution dialog while it is shown.
#include "render/dialog_painter.h"

#include <GL/glut.h>

#include "dialog/advance_dialog.h"
#include "dialog/evolution.h"
#include "render/overlay_2d.h"

namespace {
void* const kDialogFont = GLUT_BITMAP_HELVETICA_12;

void SetColor(const cDialogColor& color) { glColor3f(color.r, color.g, color.b); }

class cOverlayDialogPainter : public cDialogPainter {
 public:
  void DrawButton(const cGLFDialogButton& button) override {
    const int left = static_cast<int>(button.left);
    const int top = static_cast<int>(button.top);
    const int right = static_cast<int>(button.right);
    const int bottom = static_cast<int>(button.bottom);
    SetColor(button.pressed ? button.fill_pressed_color : button.fill_color);
    FillRect2D(left, top, right, bottom);
    SetColor(button.frame_color);
    DrawFrame2D(left, top, right, bottom);
    SetColor(button.pressed ? button.text_pressed_color : button.text_color);
    DrawText2D(static_cast<int>(button.left + 2), static_cast<int>(button.top + 14), kDialogFont,
               button.label);
  }

  int LabelWidth(const std::string& label) override {
    Begin2D();
    const int width = TextWidth2D(kDialogFont, label);
    End2D();
    return width;
  }
};
}  // namespace

void DrawEvolutionDialog() {
  // Installed on first use: only a frame that draws needs the painter, and this is the one
  // place the GL layer meets the dialogs.
  static cOverlayDialogPainter painter;
  gDialogPainter = &painter;
  if (!gEvolutionDialog.visible) return;
  Begin2D();  // nests inside the scene's own 2D mode
  gEvolutionDialog.Draw();
  End2D();
}
