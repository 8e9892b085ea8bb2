// The mouse: orbit and steer drags, walking by clicks on the ground, the long-press release
// that stops the avatar, clicks handed to the evolution dialog, and the wheel.
#include "app/input.h"

#include "app/object_click.h"
#include "dialog/evolution.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "platform/mouse_wheel.h"
#include "world/world.h"

cInputState gInputState;

namespace {
cInputWindow* gInputWindow = nullptr;

// A left press held longer than this steers continuously instead of setting one target.
constexpr uint32_t kLongPressMs = 200;

bool HeldLongerThanAClick() { return GameTime() - gInputState.leftPressMs > kLongPressMs; }

void WalkToward(const cVector& groundOffset) {
  cKeltoGameCritter* avatar = gWorld->GetAvatar();
  avatar->target = groundOffset + *avatar->GetPosition();
}

void StartOrbit(int x, int y) {
  gInputState.dragX = x;
  gInputState.dragY = y;
  gInputWindow->SetMotionHandler(eMotionHandler::kOrbit);
}

// Any release ends the orbit and the steering drag.
void EndDrag() {
  gInputWindow->SetMotionHandler(eMotionHandler::kNone);
  gInputState.leftDragActive = false;
}

// Releasing a long left press presses again at the window centre, where the avatar is drawn:
// the avatar is given its own position and stops. A press the dialog took was no press on the
// world, so its release must not stop the avatar or act on whatever lies under the dialog.
void ReleaseButton(int button, int x, int y) {
  EndDrag();
  if (EvolutionDialogVisible()) EvolutionDialogMouseUp(x, y);
  if (button == kLeftButton && !gInputState.leftPressOnDialog && HeldLongerThanAClick()) {
    const int cx = static_cast<int>(gInputWindow->Width() * 0.5f);
    const int cy = static_cast<int>(gInputWindow->Height() * 0.5f);
    OnMouseButton(kLeftButton, kButtonDown, cx, cy);
  }
}

void PressLeft(int x, int y) {
  if (gCamera.iso_cam) gCamera.yawOffset = 0.0f;  // swing back behind the avatar
  gInputState.leftPressOnDialog = EvolutionDialogVisible() && EvolutionDialogMouseDown(x, y);
  if (gInputState.leftPressOnDialog) return;
  gInputState.leftDragActive = true;
  gInputState.dragX = x;
  gInputState.dragY = y;
  gInputState.leftPressMs = GameTime();
  const cVector ground = gInputWindow->GroundUnder(x, y) + *gWorld->GetAvatar()->GetPosition();
  if (ClickOnWorld(gGameState.hoveredObject, ground)) gInputWindow->SetMotionHandler(eMotionHandler::kSteer);
}
}  // namespace

cInputWindow* SetInputWindow(cInputWindow* window) {
  cInputWindow* previous = gInputWindow;
  gInputWindow = window;
  return previous;
}

void ResetInputState() { gInputState = cInputState{}; }

void ForgetPresses() {
  if (gInputWindow) gInputWindow->SetMotionHandler(eMotionHandler::kNone);
  cInputState pointer;
  pointer.mouseX = gInputState.mouseX;
  pointer.mouseY = gInputState.mouseY;
  pointer.pointerKnown = gInputState.pointerKnown;
  gInputState = pointer;
}

int InputWindowWidth() { return gInputWindow ? gInputWindow->Width() : 0; }

// Passive motion is only reported while the pointer is in the window.
void OnMouseMove(int x, int y) {
  gInputState.mouseX = x;
  gInputState.mouseY = y;
  gInputState.pointerKnown = true;
}

void OnMouseEntry(int state) {
  if (state == kPointerLeft) gInputState.pointerKnown = false;
}

std::optional<int> EdgeScrollPointerX() {
  if (!gInputState.pointerKnown) return std::nullopt;
  return gInputState.mouseX;
}

std::optional<cVector> GroundUnderPointer() {
  if (!gInputWindow || !gInputState.pointerKnown) return std::nullopt;
  return gInputWindow->GroundUnder(gInputState.mouseX, gInputState.mouseY);
}

void OnMouseButton(int button, int state, int x, int y) {
  if (!gInputWindow) return;
  if (button == kRightButton && state == kButtonDown) {
    StartOrbit(x, y);
  } else if (state == kButtonUp) {
    ReleaseButton(button, x, y);
  } else if (button == kLeftButton && state == kButtonDown) {
    PressLeft(x, y);
  }
}

// Buttons 3 and 4 are the wheel's: never held in a drag.
void OnMouseButtonUnderMessageBox(int button, int state, int x, int y) {
  if (!gInputWindow || state != kButtonUp || button > kRightButton) return;
  EndDrag();
  if (EvolutionDialogVisible()) EvolutionDialogMouseUp(x, y);
}

// One degree per pixel; pitch is not limited (the top-down view forces it back to 90).
void OnOrbitDrag(int x, int y) {
  gCamera.yawOffset += static_cast<float>(x - gInputState.dragX);
  gCamera.pitch += static_cast<float>(y - gInputState.dragY);
  gInputState.dragX = x;
  gInputState.dragY = y;
}

// Also called every unpaused frame while the left button is held, so a held button keeps
// steering when the pointer rests.
void OnSteerDrag(int x, int y) {
  gInputState.dragX = x;
  gInputState.dragY = y;
  if (gInputWindow && HeldLongerThanAClick()) WalkToward(gInputWindow->GroundUnder(x, y));
}

int WheelStep() {
  const int motion = TakeWheelMotion();
  return (motion > 0) - (motion < 0);
}
