// Control-panel commands and the throttled tick of the frame function.
#include "app/frame_tick.h"

#include "app/approach_angle.h"
#include "app/game_speed.h"
#include "app/input.h"
#include "dialog/evolution.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "world/day_clock.h"
#include "world/script_hooks.h"
#include "world/world.h"
#include "world/world_tick.h"

namespace {
constexpr uint32_t kTickPeriodMs = 20;
constexpr uint32_t kNestBuildingMs = 10000;
constexpr float kWheelZoomStep = 3.0f;
constexpr float kDegreesPerRadian = 57.295826f;
constexpr float kFollowEasing = 0.1f;

// Up to 5 degrees per tick at the window edge, falling to 0.2 at 24 pixels in; only while the
// pointer is known to be in the window. The wrap applies on every tick.
void ScrollAtWindowEdge(int windowWidth, std::optional<int> pointerX) {
  if (pointerX && *pointerX < 25) gCamera.yawOffset -= (1.0f - *pointerX * 0.04f) * 5.0f;
  if (pointerX && *pointerX > windowWidth - 25) {
    gCamera.yawOffset += ((*pointerX - windowWidth) * 0.04f + 1.0f) * 5.0f;
  }
  if (gCamera.yawOffset < 0.0f) {
    gCamera.yawOffset += 360.0f;
  } else if (gCamera.yawOffset > 360.0f) {
    gCamera.yawOffset -= 360.0f;
  }
}

void AdvanceNestBuilding() {
  if (!gGameState.nestBuilding) return;
  // The clock's own wrapping difference: building started just before the wrap still ends.
  const uint32_t elapsed = GameTime() - gGameState.nestBuildStartMs;
  RunMoveNestScript(gWorld->GetAvatar());
  if (elapsed > kNestBuildingMs) {
    gGameState.nestBuilding = false;
    nest_move_allowed = false;
    gWorld->MoveAvatarNest();
  }
}
}  // namespace

void ZoomByWheel(int wheelStep) { gCamera.distance -= kWheelZoomStep * wheelStep; }

void TurnCameraTowardTarget() {
  float target = gCamera.yawOffset;
  float factor = 1.0f;
  if (gCamera.iso_cam) {
    target = 180.0f - gWorld->GetAvatar()->heading * kDegreesPerRadian + gCamera.yawOffset;
    factor = kFollowEasing;
  }
  gCamera.yaw = ApproachAngle(gCamera.yaw, target, factor);
}

void RefillMotives() {
  cKeltoGameCritter* avatar = gWorld->GetAvatar();
  avatar->energy = avatar->health = avatar->hunger = 100.0f;
}

void LevelUp() { OpenEvolutionDialog(); }

void BuildNest() {
  if (gGameState.nestBuilding || !nest_move_allowed) return;
  gGameState.nestBuilding = true;
  gGameState.nestBuildStartMs = GameTime();
}

void CancelNestBuildingIfMoving() {
  if (gWorld->GetAvatar()->speed != 0.0f) gGameState.nestBuilding = false;
}

void CancelNestBuildingAndSteer() {
  CancelNestBuildingIfMoving();
  if (gInputState.leftDragActive) OnSteerDrag(gInputState.dragX, gInputState.dragY);
}

int AdvanceUnpausedFrame(int windowWidth, std::optional<int> pointerX) {
  const int ticks = RunDueTicks(windowWidth, pointerX);
  ClampCameraDistance();
  UpdateHoveredObject(GroundUnderPointer());
  return ticks;
}

bool TickIfDue(int windowWidth, std::optional<int> pointerX) {
  if (!gGameState.tickClockStarted) {
    gGameState.tickClockStarted = true;
    gGameState.lastTickMs = GameTime();
    return false;
  }
  if (GameTime() - gGameState.lastTickMs <= kTickPeriodMs) return false;
  RunTick(windowWidth, pointerX);
  return true;
}

void RunTick(int windowWidth, std::optional<int> pointerX) {
  ScrollAtWindowEdge(windowWidth, pointerX);
  SetScriptIsDay(gDayClock.IsDay());  // for the two hooks that run before the world's tick
  AdvanceNestBuilding();
  if (gWorld->GetAvatar()->carried) RunCarryCarcassScript(gWorld->GetAvatar());
  gGameState.lastTickMs = GameTime();
  WorldTick();
}

void UpdateHoveredObject(const std::optional<cVector>& groundUnderMouse) {
  gGameState.hoveredObject =
      groundUnderMouse ? gWorld->PickObject(*groundUnderMouse + gWorld->GetAvatar()->position) : nullptr;
}

void EndFirstFrame() {
  if (!gGameState.firstFrame) return;
  gGameState.freeZoom = false;
  gGameState.firstFrame = false;
}
