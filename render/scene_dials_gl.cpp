// The home compass and the daylight dial: discs drawn in the world at the avatar's depth so
// they keep a fixed size in pixels, facing the camera; the compass needle in 2D over it.
#include <GL/glu.h>

#include "game/camera.h"
#include "render/grc_circle.h"
#include "render/overlay_2d.h"
#include "render/scene_dials.h"
#include "render/scene_rules.h"
#include "render/view_state.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/world.h"

namespace {
// Dial positions in window pixels from the bottom-left corner.
constexpr float kCompassInset = 40.0f;  // from the right edge; also the compass radius
constexpr float kCompassHeight = 100.0f;
constexpr float kDialX = 23.0f;
constexpr float kDialY = 65.0f;
constexpr float kDialRadius = 10.0f;

cVector UnprojectSaved(double x, double y, double depth) {
  GLdouble px, py, pz;
  gluUnProject(x, y, depth, saved_modelview, saved_projection, saved_viewport, &px, &py, &pz);
  return cVector(static_cast<float>(px), static_cast<float>(py), static_cast<float>(pz));
}

// A filled disc at a window point, `radius` pixels across, turned to face the camera.
void DrawDiscAtPixel(float x, float y, float radius, double depth) {
  const cVector at = UnprojectSaved(x, y, depth);
  const float worldRadius = (UnprojectSaved(x + radius, y, depth) - at).Length();
  const grcCircle disc(20, true, 1.0f);
  glPushMatrix();
  glTranslatef(at.x, at.y, at.z);
  glRotatef(-gCamera.yaw, 0.0f, 1.0f, 0.0f);
  glRotatef(-gCamera.pitch, 1.0f, 0.0f, 0.0f);
  disc.DrawAt(0.0f, 0.0f, 0.0f, worldRadius);
  glPopMatrix();
}

void DrawCompassNeedle() {
  const cKeltoGameCritter* avatar = gWorld->GetAvatar();
  const cVector toNest = ViewOffset(gWorld->nests.front()->position, avatar->position);
  float x, y;
  Begin2D();
  if (CompassNeedle(toNest, gCamera.yaw, x, y)) {
    const float cx = window_width - kCompassInset;
    glColor3f(1.0f, 0.5f, 0.0f);
    glLineWidth(3.0f);
    glBegin(GL_LINES);
    glVertex2f(cx, kCompassHeight);
    glVertex2f(cx + x, kCompassHeight + y);
    glEnd();
    glLineWidth(1.0f);
  }
  End2D();
}
}  // namespace

double ViewCentreDepth() {
  GLdouble x, y, depth;
  gluProject(0.0, 0.0, 0.0, saved_modelview, saved_projection, saved_viewport, &x, &y, &depth);
  return depth;
}

void DrawHomeCompass(double depth) {
  glDisable(GL_DEPTH_TEST);
  glColor3f(0.0f, 0.5f, 0.0f);
  DrawDiscAtPixel(window_width - kCompassInset, kCompassHeight, kCompassInset, depth);
  DrawCompassNeedle();
}

void DrawDaylightDial(double depth) {
  const cColour c = DaylightDialColour(gDayClock.DaylightLevel());
  glColor3f(c.r, c.g, c.b);
  DrawDiscAtPixel(kDialX, kDialY, kDialRadius, depth);
}
