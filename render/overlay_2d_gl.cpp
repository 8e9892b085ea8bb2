// Pixel-space drawing over the scene: the nestable 2D mode, bitmap text and its width,
// lines, frames and filled rectangles. Callers give y downward from the top; OpenGL counts
// from the bottom, so every helper flips with the window height read at the call.
#include <GL/glut.h>

#include "render/driver_report.h"
#include "render/overlay_2d.h"

namespace {
int overlay_depth = 0;

// Every attribute group, as the game has always pushed it.
constexpr GLbitfield kAllAttributeGroups = 0xFFFFF;

int WindowHeight() { return glutGet(GLUT_WINDOW_HEIGHT); }

void PushIdentity(GLenum matrix) {
  glMatrixMode(matrix);
  glPushMatrix();
  glLoadIdentity();
}

void DisableTexturing(int unit) {
  ActiveTexture(unit);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_TEXTURE_1D);
  glDisable(GL_TEXTURE_CUBE_MAP);
}
}  // namespace

void Begin2D() {
  if (overlay_depth++ > 0) return;
  PushIdentity(GL_MODELVIEW);
  PushIdentity(GL_PROJECTION);
  glOrtho(0, glutGet(GLUT_WINDOW_WIDTH), 0, WindowHeight(), -1, 1);
  glPushAttrib(kAllAttributeGroups);
  DisableTexturing(0);
  DisableTexturing(1);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDepthMask(GL_FALSE);
  ActiveTexture(0);
  glMatrixMode(GL_MODELVIEW);
}

void End2D() {
  if (--overlay_depth >= 1) return;
  glPopAttrib();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  overlay_depth = 0;
}

void DrawText2D(int x, int y, void* font, const std::string& text) {
  glRasterPos2i(x, WindowHeight() - y);
  for (char c : text) glutBitmapCharacter(font, static_cast<signed char>(c));
}

// The advance of the text, measured by drawing it invisibly and reading the raster position.
int TextWidth2D(void* font, const std::string& text) {
  glPushAttrib(GL_COLOR_BUFFER_BIT);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  DrawText2D(0, 20, font, text);
  GLfloat position[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
  glPopAttrib();
  return static_cast<int>(position[0]);
}

void DrawLine2D(int x0, int y0, int x1, int y1) {
  const int h = WindowHeight();
  glBegin(GL_LINES);
  glVertex2i(x0, h - y0);
  glVertex2i(x1, h - y1);
  glEnd();
}

void DrawFrame2D(int x0, int y0, int x1, int y1) {
  DrawLine2D(x0, y0, x1, y0);
  DrawLine2D(x0, y1, x1, y1);
  DrawLine2D(x0, y0, x0, y1);
  DrawLine2D(x1, y0, x1, y1);
}

void FillRect2D(int x0, int y0, int x1, int y1) {
  const int h = WindowHeight();
  glBegin(GL_QUADS);
  glVertex2i(x0, h - y0);
  glVertex2i(x1, h - y0);
  glVertex2i(x1, h - y1);
  glVertex2i(x0, h - y1);
  glEnd();
}
