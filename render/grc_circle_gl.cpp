// Circle drawing in immediate mode.
#include <GL/gl.h>

#include "render/grc_circle.h"

void grcCircle::Draw() const {
  glBegin(filled ? GL_POLYGON : GL_LINE_LOOP);
  ForEachVertex([](float x, float y) { glVertex2f(x, y); });
  glEnd();
}

void grcCircle::DrawAt(float x, float y, float z, float scale) const {
  glPushMatrix();
  glTranslatef(x, y, z);
  glScalef(scale, scale, 1.0f);
  Draw();
  glPopMatrix();
}
