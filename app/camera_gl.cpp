// Camera matrices from gCamera and the window size, and picking the ground through them.
#include <GL/glut.h>

#include <algorithm>

#include "app/camera_gl.h"
#include "app/ground_pick.h"
#include "game/camera.h"
#include "platform/window_size.h"

namespace {
constexpr double kNearPlane = 1.0;

// Window depth 1.0 is the far plane; 1000.0 lies just behind the eye on the same line.
constexpr double kFarDepth = 1.0;
constexpr double kEyeDepth = 1000.0;

cVector Unproject(double x, double y, double depth, const GLdouble* modelview,
                  const GLdouble* projection, const GLint* viewport) {
  GLdouble px, py, pz;
  gluUnProject(x, y, depth, modelview, projection, viewport, &px, &py, &pz);
  return cVector(static_cast<float>(px), static_cast<float>(py), static_cast<float>(pz));
}
}  // namespace

void SetupCamera() {
  const float w = static_cast<float>(DrawingWindowWidth());
  // A minimised window reports height 0; keep the aspect finite.
  const float h = static_cast<float>(std::max(DrawingWindowHeight(), 1));
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(gCamera.fieldOfView, w / h, kNearPlane, kCameraFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -gCamera.distance);
  if (!gCamera.iso_cam) gCamera.pitch = 90.0f;  // the top-down view looks straight down
  glRotatef(gCamera.pitch, 1.0f, 0.0f, 0.0f);
  glRotatef(gCamera.yaw, 0.0f, 1.0f, 0.0f);
}

cVector UnprojectToGround(int x, int y) {
  SetupCamera();
  const double windowY = DrawingWindowHeight() - y;
  GLdouble modelview[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  const cVector farPoint = Unproject(x, windowY, kFarDepth, modelview, projection, viewport);
  const cVector eyePoint = Unproject(x, windowY, kEyeDepth, modelview, projection, viewport);
  return GroundAlongSightLine(farPoint, eyePoint);
}
