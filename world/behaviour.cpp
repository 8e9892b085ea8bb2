// Prey choice, noticing the avatar, and the four state handlers of an ordinary critter.
#include "world/behaviour.h"

#include <cmath>

#include "game/random.h"
#include "world/geometry.h"
#include "world/senses.h"
#include "world/world.h"

namespace {
constexpr float kPreyGiveUpDistance = 40.0f;
constexpr float kAttackDistance = 10.0f;
constexpr float kWalkHomeDistance = 4.0f;
constexpr float kAsleepDistance = 2.0f;
constexpr float kTargetReached = 1.0f;
constexpr int kPlantsOfferedPerTick = 5;

float DistanceBetween(const cKeltoGameCritter* a, const cKeltoGameCritter* b) {
  return WrappedDistance(*a, b->position);
}

void Step(cKeltoGameCritter* critter) { critter->Move(critter->speed * 0.1f); }

void AttackNearPrey(cKeltoGameCritter* critter) {
  cKeltoGameCritter* prey = critter->prey;
  if (!critter->attack_avatar || !prey || prey->in_nest || prey->state == kStateFighting) return;
  if (DistanceBetween(critter, prey) < kAttackDistance) gWorld->StartFight(critter, prey);
}

// A random other critter of the world gets the chance to be noticed. With no other critter
// there is nobody to draw, and the redraw loop would never end: the step is skipped.
void NoticeRandomCritter(cKeltoGameCritter* critter) {
  const std::vector<cKeltoGameCritter*>& critters = gWorld->critters;
  if (critters.empty() || (critters.size() == 1 && critters.front() == critter)) return;
  cKeltoGameCritter* other = nullptr;
  do {
    other = critters[static_cast<size_t>(NextRandom()) % critters.size()];
  } while (other == critter);
  critter->NoticeCritter(other);
}

// Plain, unwrapped ground-and-height distance, as the target check has always used.
float PlainDistance(const cVector& a, const cVector& b) { return (b - a).Length(); }
}  // namespace

void UpdatePrey(cKeltoGameCritter* critter) {
  if (!critter->attack_avatar) return;
  const float current = critter->prey ? DistanceBetween(critter, critter->prey) : kPreyGiveUpDistance;
  cKeltoGameCritter* candidate = NearestPreyNeighbour(critter);
  if (!candidate) return;
  const float d = DistanceBetween(critter, candidate);
  if (d < current) {
    critter->prey = candidate;
  } else if (d > kPreyGiveUpDistance) {
    critter->prey = nullptr;
  }
}

void PerceiveAvatar(cKeltoGameCritter* critter) {
  const cKeltoGameCritter* avatar = gWorld->GetAvatar();
  const cVector toAvatar = ViewOffset(avatar->position, critter->position);
  const float dist = toAvatar.Length();
  if (critter->aware) {
    if (avatar->hidden && dist > critter->perception[0] + 10.0f) critter->aware = false;
    if (dist > critter->perception[1] + 10.0f) critter->aware = false;
    return;
  }
  const int range = avatar->speed > avatar->walk_speed ? 1 : avatar->hidden ? 2 : 0;
  if (!(dist < critter->perception[range] * avatar->stealth)) return;
  if (avatar->state == kStateFighting) {
    critter->aware = true;
    return;
  }
  // In front is enough; under cover the avatar is seen from the sides and partly behind too.
  const float facing = toAvatar.NormalisedOrZero().Dot(HeadingVector(critter->heading));
  if (facing > 0.0f || (avatar->hidden && facing > -0.7f)) critter->aware = true;
}

bool IsActiveTime(const cKeltoGameCritter* critter, bool dayNow) { return dayNow != critter->nocturnal; }

void GoHome(cKeltoGameCritter* critter) {
  if (!critter->known_plants.empty()) {
    critter->state = kStateGoingHome;
    critter->target = critter->known_plants.front()->position;
  } else {
    critter->state = kStateSleeping;
    critter->target = critter->position;
  }
  critter->neighbours.clear();
}

void WakeUp(cKeltoGameCritter* critter) {
  critter->state = kStateFlocking;
  critter->target = RandomWorldPosition();
}

void SleepingHandler(cKeltoGameCritter* critter, bool dayNow) {
  if (IsActiveTime(critter, dayNow)) WakeUp(critter);
}

void GoingHomeHandler(cKeltoGameCritter* critter, bool dayNow) {
  if (IsActiveTime(critter, dayNow)) {
    WakeUp(critter);
    return;
  }
  const float dist = WrappedDistance(*critter, critter->target);
  // Near home it walks the last few units and falls asleep on arrival.
  if (dist < kWalkHomeDistance) {
    SteerToward(critter, critter->target, critter->walk_speed);
    Step(critter);
    if (dist < kAsleepDistance) critter->state = kStateSleeping;
    return;
  }
  // Far from home it runs, turning aside while the way ahead is blocked. Only the scan's side
  // effect is used: it leaves gBlockedDirections, which PathBlocked reads just below.
  TerrainAvoidance(critter);
  cVector way = WrappedDelta(*critter, critter->target);
  if (PathBlocked(way)) {
    way = RotateAboutVertical(way, kDetourDegrees * critter->detour_sign);
  } else {
    GoHome(critter);
  }
  critter->target = WrapPoint(critter->position + way);
  SteerToward(critter, critter->target, critter->run_speed);
  Step(critter);
}

void FlockingHandler(cKeltoGameCritter* critter, bool dayNow) {
  AttackNearPrey(critter);
  if (!IsActiveTime(critter, dayNow)) {
    GoHome(critter);
    return;
  }
  FlockStep(critter, gWorld->GetAvatar());
  const bool moved = critter->Move(critter->speed * 0.1f);
  // Blocked while already facing its goal: give up on that goal.
  if (!moved && std::fabs(critter->desired_heading - critter->heading) < 1e-6f) {
    critter->target = RandomWorldPosition();
  }
  NoticeRandomCritter(critter);
  critter->PruneNeighbours();
  RememberRandomPlants(critter);
  // An alarmed prey animal keeps the target it is fleeing along.
  const bool keepsTarget = critter->aware && !critter->attack_avatar;
  if (PlainDistance(critter->position, critter->target) < kTargetReached && !keepsTarget) {
    critter->target = RandomWorldPosition();
  }
}

void FightingHandler(cKeltoGameCritter* critter) {
  if (WrappedDistance(*critter, critter->target) > 0.0f) {
    SteerToward(critter, critter->target, critter->walk_speed);
    Step(critter);
  } else {
    critter->speed = 0.0f;
  }
}

void RunStateHandler(cKeltoGameCritter* critter, bool dayNow) {
  switch (critter->state) {
    case kStateSleeping: SleepingHandler(critter, dayNow); break;
    case kStateGoingHome: GoingHomeHandler(critter, dayNow); break;
    case kStateFlocking: FlockingHandler(critter, dayNow); break;
    case kStateFighting: FightingHandler(critter); break;
    default: break;
  }
}

void RememberRandomPlants(cKeltoGameCritter* critter) {
  const std::vector<cKeltoGamePlant*>& plants = gWorld->plants;
  for (int i = 0; i < kPlantsOfferedPerTick; ++i) {
    const size_t r = static_cast<size_t>(NextRandom());
    if (!plants.empty()) critter->RememberPlant(plants[r % plants.size()]);
  }
}
