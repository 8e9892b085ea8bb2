// Plain-widget drawing for the platform windows, immediate mode in window pixels.
#include "platform/widgets_gl.h"

#include <GL/glut.h>

namespace {
constexpr float kFace[3] = {0.83f, 0.82f, 0.80f};
constexpr float kHighlight[3] = {1.0f, 1.0f, 1.0f};
constexpr float kShadow[3] = {0.50f, 0.50f, 0.50f};
constexpr float kDarkShadow[3] = {0.25f, 0.25f, 0.25f};
constexpr float kText[3] = {0.0f, 0.0f, 0.0f};
constexpr int kCheckBoxSize = 13;
constexpr int kCheckLabelGap = 6;
constexpr int kAscent = 4;  // how far 12-point text's baseline sits below a centre line

void* const kFont = GLUT_BITMAP_HELVETICA_12;

void SetColour(const float colour[3]) { glColor3fv(colour); }

void FillRect(const cWidgetRect& r) { glRecti(r.left, r.top, r.right, r.bottom); }

// Lines through pixel centres, so one-pixel edges land exactly on the pixels meant.
void HorizontalEdge(int y, int left, int right) {
  glBegin(GL_LINES);
  glVertex2f(left + 0.0f, y + 0.5f);
  glVertex2f(right + 0.0f, y + 0.5f);
  glEnd();
}

void VerticalEdge(int x, int top, int bottom) {
  glBegin(GL_LINES);
  glVertex2f(x + 0.5f, top + 0.0f);
  glVertex2f(x + 0.5f, bottom + 0.0f);
  glEnd();
}

// Two-pixel bevel: light top-left and dark bottom-right when raised, the other way when sunk.
void DrawBevel(const cWidgetRect& r, bool raised) {
  const float* outerLight = raised ? kHighlight : kDarkShadow;
  const float* innerLight = raised ? kFace : kShadow;
  const float* outerDark = raised ? kDarkShadow : kHighlight;
  const float* innerDark = raised ? kShadow : kFace;
  SetColour(outerLight);
  HorizontalEdge(r.top, r.left, r.right - 1);
  VerticalEdge(r.left, r.top, r.bottom - 1);
  SetColour(outerDark);
  HorizontalEdge(r.bottom - 1, r.left, r.right);
  VerticalEdge(r.right - 1, r.top, r.bottom);
  SetColour(innerLight);
  HorizontalEdge(r.top + 1, r.left + 1, r.right - 2);
  VerticalEdge(r.left + 1, r.top + 1, r.bottom - 2);
  SetColour(innerDark);
  HorizontalEdge(r.bottom - 2, r.left + 1, r.right - 1);
  VerticalEdge(r.right - 2, r.top + 1, r.bottom - 1);
}

void DrawCheckMark(const cWidgetRect& box) {
  SetColour(kText);
  glLineWidth(2.0f);
  glBegin(GL_LINE_STRIP);
  glVertex2f(box.left + 3.0f, box.top + 6.5f);
  glVertex2f(box.left + 5.5f, box.top + 9.5f);
  glVertex2f(box.left + 10.0f, box.top + 3.0f);
  glEnd();
  glLineWidth(1.0f);
}
}  // namespace

int CreatePlatformWindow(const std::string& title, int x, int y, int width, int height) {
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
  glutInitWindowPosition(x, y);
  glutInitWindowSize(width, height);
  const int window = glutCreateWindow(title.c_str());
  glutInitWindowPosition(-1, -1);
  glutInitWindowSize(300, 300);
  return window;
}

void BeginWidgetDrawing(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glClearColor(kFace[0], kFace[1], kFace[2], 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void DrawWidgetText(int x, int baseline, const std::string& text) {
  SetColour(kText);
  glRasterPos2i(x, baseline);
  for (char c : text) glutBitmapCharacter(kFont, static_cast<unsigned char>(c));
}

int WidgetTextWidth(const std::string& text) {
  return glutBitmapLength(kFont, reinterpret_cast<const unsigned char*>(text.c_str()));
}

void DrawPushButton(const cPushControl& button) {
  const cWidgetRect& r = button.Rect();
  const bool pressed = button.LooksPressed();
  SetColour(kFace);
  FillRect(r);
  DrawBevel(r, !pressed);
  const int sink = pressed ? 1 : 0;  // the label moves with the face
  const int x = r.left + (r.Width() - WidgetTextWidth(button.Label())) / 2 + sink;
  const int baseline = r.top + r.Height() / 2 + kAscent + sink;
  DrawWidgetText(x, baseline, button.Label());
}

void DrawCheckBox(const cPushControl& checkBox, bool checked) {
  const cWidgetRect& r = checkBox.Rect();
  const int top = r.top + (r.Height() - kCheckBoxSize) / 2;
  const cWidgetRect box{r.left, top, r.left + kCheckBoxSize, top + kCheckBoxSize};
  SetColour(checkBox.LooksPressed() ? kFace : kHighlight);
  FillRect(box);
  DrawBevel(box, false);
  if (checked) DrawCheckMark(box);
  DrawWidgetText(box.right + kCheckLabelGap, r.top + r.Height() / 2 + kAscent, checkBox.Label());
}
