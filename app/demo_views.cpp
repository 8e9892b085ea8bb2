// The timedemo's views. Each goes through the game's own commands where a key exists, so the
// timed and pictured frames are the ones a player gets.
#include "app/demo_views.h"

#include <limits>

#include "app/input.h"
#include "game/camera.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/world.h"

namespace {
// Within StartFight's reach, whatever the two critters' headings.
constexpr float kFightStartGap = 4.0f;
constexpr float kWalkDistance = 30.0f;

void PressKey(unsigned char key) { OnKeyboard(key, 0, 0); }

// Midnight: half a night into the current cycle's night.
void MoveClockToMidnight() {
  gDayClock.cycle_start_ms -= gDayClock.day_ms + gDayClock.night_ms / 2;
}

void HoldCameraOverWholeWorld() {
  gCamera.maxDistance = kWholeWorldCameraDistance;
  gCamera.distance = kWholeWorldCameraDistance;
}

// The awake critter of another species nearest to the avatar, or null.
cKeltoGameCritter* NearestRival(const cKeltoGameCritter& avatar) {
  cKeltoGameCritter* nearest = nullptr;
  float nearestDistance = std::numeric_limits<float>::max();
  for (cKeltoGameCritter* critter : gWorld->critters) {
    if (critter->species == avatar.species || critter->state == kStateSleeping) continue;
    const float d = WrappedDelta(*critter, avatar.position).Length();
    if (d < nearestDistance) {
      nearest = critter;
      nearestDistance = d;
    }
  }
  return nearest;
}

void StartFightBesideAvatar() {
  cKeltoGameCritter* avatar = gWorld->GetAvatar();
  cKeltoGameCritter* rival = NearestRival(*avatar);
  if (!rival) return;
  // On the side away from the world's edge: StartFight measures the plain, unwrapped distance.
  const bool roomEast = avatar->position.x + kFightStartGap < kWorldSize;
  rival->position = avatar->position + cVector(roomEast ? kFightStartGap : -kFightStartGap, 0.0f, 0.0f);
  gWorld->StartFight(avatar, rival);
}

void SendAvatarEast() {
  cKeltoGameCritter* avatar = gWorld->GetAvatar();
  avatar->target = WrapPoint(avatar->position + cVector(kWalkDistance, 0.0f, 0.0f));
}
}  // namespace

void ApplyDemoView(eDemoView view) {
  switch (view) {
    case eDemoView::kFollow: PressKey('c'); break;
    case eDemoView::kCurvedHorizon: PressKey('c'); PressKey('f'); break;
    case eDemoView::kNight: MoveClockToMidnight(); break;
    case eDemoView::kWholeWorld: HoldCameraOverWholeWorld(); break;
    case eDemoView::kDebugLines: PressKey('d'); break;
    case eDemoView::kFight: StartFightBesideAvatar(); break;
    case eDemoView::kEvolution: PressKey('e'); break;
    case eDemoView::kNestBuilding: PressKey('m'); break;
    case eDemoView::kWalk: SendAvatarEast(); break;
    case eDemoView::kKill: PressKey('k'); break;
  }
}
