// Pixel-space drawing over the scene: the nestable 2D mode, bitmap text and its width,
// lines, frames and filled rectangles. Callers give y downward from the top; OpenGL counts
// from the bottom, so every helper flips with the window height of the frame.
#include <GL/glut.h>

#include "platform/window_size.h"
#include "render/driver_report.h"
#include "render/latin1_text.h"
#include "render/overlay_2d.h"

namespace {
int overlay_depth = 0;

// Every attribute group, as the game has always pushed it.
constexpr GLbitfield kAllAttributeGroups = 0xFFFFF;

int WindowHeight() { return DrawingWindowHeight(); }

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
  glOrtho(0, DrawingWindowWidth(), 0, WindowHeight(), -1, 1);
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

// Plain ASCII goes byte by byte as the game always drew it; other characters as Latin-1.
void DrawText2D(int x, int y, void* font, const std::string& text) {
  glRasterPos2i(x, WindowHeight() - y);
  for (char c : Latin1FromUtf8(text)) glutBitmapCharacter(font, static_cast<unsigned char>(c));
}

// The advance of the text in pixels: the sum of its glyphs' advances, which is where drawing
// it from x = 0 leaves the raster position. It is not measured by drawing the text with the
// colour masked off and reading the raster position back: Mesa keeps recent bitmaps in a
// cache and draws them under the colour mask in force when that read empties the cache, so
// the text drawn just before (the days counter, a fighter's caption) vanished.
int TextWidth2D(void* font, const std::string& text) {
  return glutBitmapLength(font, reinterpret_cast<const unsigned char*>(Latin1FromUtf8(text).c_str()));
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
