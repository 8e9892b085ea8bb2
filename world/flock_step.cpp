// The flocking steer. Each term is a unit-scale vector added to the sum S, and the weight
// counts the terms, so the final S is their average: goal and terrain (weight 2), then one per
// flock mate, fleeing or chasing, and tree trunk in the way.
#include <algorithm>

#include "game/random.h"
#include "world/behaviour.h"
#include "world/geometry.h"
#include "world/senses.h"

namespace {
constexpr float kTerrainWeight = 5.0f;
constexpr float kShareTargetBeyond = 10.0f;
constexpr float kSeparationBelow = 5.0f;
constexpr float kCohesionBeyond = 8.0f;
constexpr float kOtherSpeciesPush = 10.0f;
constexpr float kFleeWeight = 5.0f;
constexpr float kTrunkRadius = 3.0f;

struct cSteerSum {
  cVector sum;
  float weight = 0.0f;

  void Add(const cVector& term) {
    sum += term;
    weight += 1.0f;
  }
  void Subtract(const cVector& term) {
    sum -= term;
    weight += 1.0f;
  }
};

// While the way to the target is blocked the target swings aside; otherwise the turning side
// flips every tick.
void Detour(cKeltoGameCritter* critter, const cVector& toTarget) {
  if (PathBlocked(toTarget)) {
    critter->target = WrapPoint(critter->position + RotateAboutVertical(toTarget, kDetourDegrees * critter->detour_sign));
  } else {
    critter->detour_sign = -critter->detour_sign;
  }
}

// A calm critter hands its destination to its flock mates; an alarmed one may alarm them.
void ShareWithMate(const cKeltoGameCritter* critter, cKeltoGameCritter* mate) {
  if (!critter->aware) {
    if (mate->state == kStateFlocking && WrappedDistance(*mate, critter->target) > kShareTargetBeyond) {
      mate->target = critter->target;
    }
  } else if (NextRandom() % 100 == 0) {
    mate->aware = true;
  }
}

// Same species: keep apart when too close, close up when too far. Another species (only a
// peaceful critter gets here) is pushed away. An aggressive critter ignores other species.
void FlockMateTerm(const cKeltoGameCritter* critter, const cKeltoGameCritter* mate, cSteerSum& steer) {
  if (mate->state != kStateFlocking) return;
  const cVector d = WrappedDelta(*critter, mate->position);
  const float distance = d.Length();
  if (!(distance < critter->neighbor_distance)) return;
  const bool sameSpecies = mate->species == critter->species;
  if (critter->attack_avatar && !sameSpecies) return;
  if (!sameSpecies) {
    // Two critters on one spot give no direction to push along.
    if (distance > 0.0f) steer.sum -= d * kOtherSpeciesPush / distance;
  } else if (distance < kSeparationBelow) {
    steer.Subtract(d);
  } else if (distance > kCohesionBeyond) {
    steer.Add(d);
  }
}

cVector UnitToward(const cKeltoGameCritter* critter, const cVector& point) {
  return WrappedDelta(*critter, point).NormalisedOrZero();
}

// A peaceful critter flees the avatar once alarmed (species 1 and 9 never do) and always
// flees aggressive neighbours.
void FlightTerms(const cKeltoGameCritter* critter, const cKeltoGameCritter* avatar, cSteerSum& steer) {
  if (!avatar->in_nest && critter->state == kStateFlocking && critter->aware && critter->species != 1 &&
      critter->species != 9) {
    steer.Subtract(UnitToward(critter, avatar->position) * kFleeWeight);
  }
  for (const cKeltoGameCritter* neighbour : critter->neighbours) {
    if (neighbour->attack_avatar) steer.Subtract(UnitToward(critter, neighbour->position) * kFleeWeight);
  }
}

// An aggressive critter makes for its prey, and gives up prey that has reached the nest.
void Chase(cKeltoGameCritter* critter) {
  if (!critter->prey) return;
  if (critter->prey->in_nest) {
    critter->prey = nullptr;
  } else {
    critter->target = critter->prey->position;
  }
}

// Remembered plants closer than a trunk's radius push the critter off, harder the closer.
void TreeTerms(const cKeltoGameCritter* critter, cSteerSum& steer) {
  if (critter->state != kStateFlocking) return;
  for (const cKeltoGamePlant* plant : critter->known_plants) {
    const cVector d = WrappedDelta(*critter, plant->position);
    const float distance = d.Length();
    if (distance < kTrunkRadius) steer.Subtract(d.NormalisedOrZero() * (kTrunkRadius - distance));
  }
}
}  // namespace

void FlockStep(cKeltoGameCritter* critter, cKeltoGameCritter* avatar) {
  const cVector toTarget = WrappedDelta(*critter, critter->target);
  const cVector goal = toTarget.NormalisedOrZero();
  const size_t mates = std::min(kFlockMates, critter->neighbours.size());
  // The scan also leaves gBlockedDirections, which PathBlocked reads in Detour and at the end.
  cSteerSum steer{goal + TerrainAvoidance(critter) * kTerrainWeight, 2.0f};
  Detour(critter, toTarget);
  for (size_t i = 0; i < mates; ++i) {
    cKeltoGameCritter* mate = critter->neighbours[i];
    if (mate == avatar) continue;
    ShareWithMate(critter, mate);
    FlockMateTerm(critter, mate, steer);
  }
  if (critter->attack_avatar) {
    Chase(critter);
  } else {
    FlightTerms(critter, avatar, steer);
  }
  TreeTerms(critter, steer);
  cVector s = steer.sum / steer.weight;
  if (PathBlocked(s)) s = RotateAboutVertical(s, kDetourDegrees);
  const float stepSpeed = critter->aware ? critter->run_speed : critter->walk_speed;
  if (s.Length() > 0.0f) {
    SteerToward(critter, WrapPoint(critter->position + s), stepSpeed);
  } else {
    critter->speed = 0.0f;
  }
}
