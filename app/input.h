// Player input: the mouse and keyboard handlers registered with GLUT, the drag record, and
// the small window interface they need (motion callback, window size, ground picking), so
// that every rule here runs headless under test with a stand-in window.
#pragma once

#include <cstdint>
#include <optional>

#include "game/vector.h"

struct cInputState {
  int mouseX = 0, mouseY = 0;  // last passive-motion position, window pixels, y down
  bool pointerKnown = false;   // mouseX/mouseY are where the pointer is now, inside the window
  int dragX = 0, dragY = 0;    // last press, then last drag motion
  bool leftDragActive = false;
  uint32_t leftPressMs = 0;
  bool leftPressOnDialog = false;  // the last left press was taken by the evolution dialog
};

extern cInputState gInputState;

// GLUT's button and state numbers, and its codes for the up-arrow and F1 keys.
constexpr int kLeftButton = 0;
constexpr int kRightButton = 2;
constexpr int kButtonDown = 0;
constexpr int kButtonUp = 1;
constexpr int kSpecialKeyUp = 101;
// GLUT's entry states: the pointer left or entered the window.
constexpr int kPointerLeft = 0;
constexpr int kPointerEntered = 1;
constexpr int kSpecialKeyF1 = 1;
constexpr int kSpecialKeyF5 = 5;
constexpr int kSpecialKeyF9 = 9;

// Which drag handler receives pointer motion while a button is held.
enum class eMotionHandler { kNone, kOrbit, kSteer };

// What the handlers ask of the window system. The GL layer installs the GLUT window at
// start-up (InitDirectInputMouse); tests install their own. The handlers do nothing while
// none is installed.
class cInputWindow {
 public:
  virtual ~cInputWindow() = default;
  virtual void SetMotionHandler(eMotionHandler handler) = 0;
  virtual int Width() = 0;
  virtual int Height() = 0;
  // The ground point under a window point, relative to the avatar (UnprojectToGround).
  virtual cVector GroundUnder(int x, int y) = 0;
};
// Returns the window installed before; null uninstalls.
cInputWindow* SetInputWindow(cInputWindow* window);

// The installed window's width, 0 with none.
int InputWindowWidth();

void OnMouseMove(int x, int y);
// GLUT's entry callback. Entering tells no position: it is known again at the next motion.
void OnMouseEntry(int state);
// The pointer's x for edge scrolling: none while the pointer is outside the window (on the
// control panel beside it, say) or has not moved in it since the window opened or it came back.
std::optional<int> EdgeScrollPointerX();
void OnMouseButton(int button, int state, int x, int y);
// A button event for the game window while a message box holds the game: presses are ignored,
// but a release still ends the drag its press began, so that no drag outlives the box, and
// reaches the open evolution dialog, so that no button stays pressed.
void OnMouseButtonUnderMessageBox(int button, int state, int x, int y);
// The ground point under the pointer relative to the avatar, for hover picking; none while the
// pointer's place is unknown (see EdgeScrollPointerX), so a fresh window picks nothing.
std::optional<cVector> GroundUnderPointer();
void OnOrbitDrag(int x, int y);
void OnSteerDrag(int x, int y);
void OnKeyboard(unsigned char key, int x, int y);
void OnSpecialKey(int key, int x, int y);
// Start-up (GL layer): connects the handlers to the game window. The wheel's motion reaches
// the platform layer through freeglut; WheelStep is its sign since the last frame: -1, 0, +1.
void InitDirectInputMouse();
int WheelStep();

// Back to the start-up values of gInputState (tests).
void ResetInputState();
// A new world: any drag ends and no press is remembered; the pointer stays where it is.
void ForgetPresses();
