// Control geometry and the forwarding of drawing to the installed painter.
#include "dialog/dialog_control.h"

cDialogPainter* gDialogPainter = nullptr;

void cGLFDialogControl::SizeToLabel() {
  const int width = gDialogPainter ? gDialogPainter->LabelWidth(label) : 0;
  right = left + width + 4;
  bottom = top + 20;
}

bool cGLFDialogControl::HitTest(float x, float y) const {
  return left < x && x < right && top < y && y < bottom;
}

void cGLFDialogButton::Draw() {
  if (gDialogPainter) gDialogPainter->DrawButton(*this);
}
