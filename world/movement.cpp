// A critter's own movement and short memories: stepping over terrain that may refuse the step,
// the list of noticed neighbours, the three remembered plants and the tree-cover flag.
#include <algorithm>
#include <cmath>

#include "game/game_clock.h"
#include "game/game_config.h"
#include "game/random.h"
#include "terrain/terrain_classes.h"
#include "world/geometry.h"
#include "world/objects.h"
#include "world/senses.h"

namespace {
constexpr float kNoticeRange = 25.0f;
constexpr size_t kRememberedPlants = 3;
constexpr uint32_t kCoverLingerMs = 1500;

int TerrainUnder(const cVector& p) { return TerrainClassAt(p.x, p.y, p.z); }
}  // namespace

bool cKeltoGameCritter::Move(float step) {
  // Steep ground and water scale the step by the ability needed there.
  const int underfoot = TerrainUnder(position);
  const float factor = underfoot == kTerrainSteep ? climb : underfoot == kTerrainWater ? swim : 1.0f;
  const float scaled = factor * step;
  cVector candidate = position;
  candidate.x += std::sin(heading) * scaled;
  candidate.z += std::cos(heading) * scaled;
  candidate = WrapPoint(candidate);
  if (CannotEnter(*this, TerrainUnder(candidate))) return false;
  position = candidate;
  return true;
}

void cKeltoGameCritter::NoticeCritter(cKeltoGameCritter* other) {
  if (other->state == kStateSleeping) return;
  // Distance first: most critters are far away, and the list search is the dearer test.
  if (!(WrappedDistance(*this, other->position) < kNoticeRange)) return;
  if (!IsNeighbour(other)) neighbours.push_back(other);
}

void cKeltoGameCritter::PruneNeighbours() {
  for (size_t i = 0; i < neighbours.size();) {
    const cKeltoGameCritter* n = neighbours[i];
    if (n->in_nest || WrappedDistance(*this, n->position) > kNoticeRange || n->state == kStateSleeping) {
      neighbours[i] = neighbours.back();  // the moved entry is examined next
      neighbours.pop_back();
    } else {
      ++i;
    }
  }
  if (neighbours.size() <= kFlockMates) return;
  // One random swap per call slowly sorts near neighbours into the three flock-mate places.
  const size_t mate = static_cast<size_t>(NextRandom()) % kFlockMates;
  const size_t other = kFlockMates + static_cast<size_t>(NextRandom()) % (neighbours.size() - kFlockMates);
  if (WrappedDistance(*this, neighbours[other]->position) < WrappedDistance(*this, neighbours[mate]->position)) {
    std::swap(neighbours[mate], neighbours[other]);
  }
}

bool cKeltoGameCritter::IsNeighbour(const cKeltoGameCritter* other) const {
  return std::find(neighbours.begin(), neighbours.end(), other) != neighbours.end();
}

void cKeltoGameCritter::RememberPlant(cKeltoGamePlant* plant) {
  if (std::find(known_plants.begin(), known_plants.end(), plant) != known_plants.end()) return;
  if (known_plants.size() < kRememberedPlants) {
    known_plants.push_back(plant);
    return;
  }
  const float d = WrappedDistance(*this, plant->position);
  for (cKeltoGamePlant*& known : known_plants) {
    if (WrappedDistance(*this, known->position) > d) {
      known = plant;
      return;
    }
  }
}

float cKeltoGameCritter::NearestPlantDistance() const {
  float nearest = -1.0f;
  for (const cKeltoGamePlant* plant : known_plants) {
    const float d = WrappedDistance(*this, plant->position);
    if (nearest < 0.0f || d < nearest) nearest = d;
  }
  return nearest;
}

void cKeltoGameCritter::UpdateCover() {
  const float nearest = NearestPlantDistance();
  const bool under = nearest >= 0.0f && nearest < gConfig.tree_cover_distance;
  if (!hidden) {
    hidden = under;
    return;
  }
  if (under) return;
  // Leaving cover: stay hidden for a while. Coming back does not restart a running timer.
  if (!cover_exit_ms) {
    cover_exit_ms = GameTime();  // any value, 0 too: the clock wraps to 0 after about 49.7 days
  } else if (GameTime() - *cover_exit_ms > kCoverLingerMs) {
    hidden = false;
    cover_exit_ms.reset();
  }
}
