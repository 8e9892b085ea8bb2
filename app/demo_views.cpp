// The timedemo's views. Each goes through the game's own commands where a key exists, so the
// timed and pictured frames are the ones a player gets.
#include "app/demo_views.h"

#include <deque>
#include <limits>
#include <vector>

#include "app/input.h"
#include "game/camera.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/population_history.h"
#include "world/species.h"
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

// Six days of made-up figures, the same whatever the simulation does, so a picture of the graph
// shows its drawing alone: day-active and night-active species (the last ones), a day without
// deaths (the third) and the day under way three samples in. The world's day count moves to
// the last of them, so the next ticks go on with that day.
std::deque<cDayHistory> FrozenHistory(int speciesCount) {
  std::deque<cDayHistory> days;
  for (int d = 0; d < static_cast<int>(kHistoryDays); ++d) {
    cDayHistory day;
    day.day = d;
    const int samples = d + 1 < static_cast<int>(kHistoryDays) ? kHistorySamplesPerDay : 3;
    for (int j = 0; j < samples; ++j) {
      std::vector<int> awake;
      for (int s = 0; s < speciesCount; ++s) {
        const bool nightActive = s >= speciesCount - 2;
        const bool night = j >= kHistorySamplesPerDay - 2;
        awake.push_back(night == nightActive ? 10 + 4 * s + (d + j) % 3 : 1 + s % 2);
      }
      day.awake.push_back(awake);
    }
    for (int s = 0; s < speciesCount; ++s) day.deaths.push_back(d == 2 ? 0 : (3 * d + 5 * s) % 7);
    day.kills = d % 3;
    day.meals = d % 2;
    days.push_back(day);
  }
  return days;
}

void ShowGraphOfFrozenHistory() {
  total_days = static_cast<int>(kHistoryDays) - 1;
  gWorld->history.SetDays(*gWorld, FrozenHistory(static_cast<int>(gSpeciesTable.size())));
  PressKey('g');
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
    case eDemoView::kGraph: ShowGraphOfFrozenHistory(); break;
  }
}
