// The GLUT window behind the input handlers: motion callbacks installed and removed during
// drags, the window size, and ground picking through the camera.
#include <GL/glut.h>

#include "app/camera_gl.h"
#include "app/input.h"

static_assert(kSpecialKeyUp == GLUT_KEY_UP && kSpecialKeyF1 == GLUT_KEY_F1);
static_assert(kLeftButton == GLUT_LEFT_BUTTON && kRightButton == GLUT_RIGHT_BUTTON);
static_assert(kButtonDown == GLUT_DOWN && kButtonUp == GLUT_UP);
static_assert(kPointerLeft == GLUT_LEFT && kPointerEntered == GLUT_ENTERED);

namespace {
class cGlutInputWindow : public cInputWindow {
 public:
  void SetMotionHandler(eMotionHandler handler) override {
    switch (handler) {
      case eMotionHandler::kOrbit: glutMotionFunc(OnOrbitDrag); break;
      case eMotionHandler::kSteer: glutMotionFunc(OnSteerDrag); break;
      case eMotionHandler::kNone: glutMotionFunc(nullptr); break;
    }
  }
  int Width() override { return glutGet(GLUT_WINDOW_WIDTH); }
  int Height() override { return glutGet(GLUT_WINDOW_HEIGHT); }
  cVector GroundUnder(int x, int y) override { return UnprojectToGround(x, y); }
};

cGlutInputWindow gGlutInputWindow;
}  // namespace

// The wheel itself arrives through freeglut's wheel callback into the platform layer; what is
// left to set up here is the window the handlers talk to.
void InitDirectInputMouse() { SetInputWindow(&gGlutInputWindow); }
