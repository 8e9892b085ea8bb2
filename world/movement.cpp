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
#include "world/radius.h"
#include "world/senses.h"

namespace {
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
  if (!(WrappedDistanceSquared(*this, other->position) < kNoticeRange.squared)) return;
  if (!IsNeighbour(other)) neighbours.push_back(other);
}

void cKeltoGameCritter::PruneNeighbours() {
  // An entry's test reads only that neighbour and this critter, neither of which the pruning
  // changes, so every entry is tested first, side by side, without a branch between the
  // neighbours' loads; the list is then compacted as a single testing pass would do it.
  thread_local std::vector<uint8_t> forgotten;
  forgotten.resize(neighbours.size());
  uint8_t any = 0;
  for (size_t k = 0; k < neighbours.size(); ++k) {
    const cKeltoGameCritter* n = neighbours[k];
    forgotten[k] =
        n->in_nest | (WrappedDistanceSquared(*this, n->position) > kNoticeRange.squared) | (n->state == kStateSleeping);
    any |= forgotten[k];
  }
  for (size_t i = 0; any && i < neighbours.size();) {
    if (forgotten[i]) {
      neighbours[i] = neighbours.back();  // the moved entry is examined next
      forgotten[i] = forgotten[neighbours.size() - 1];
      neighbours.pop_back();
    } else {
      ++i;
    }
  }
  if (neighbours.size() <= kFlockMates) return;
  // One random swap per call slowly sorts near neighbours into the three flock-mate places.
  const size_t mate = static_cast<size_t>(NextRandom()) % kFlockMates;
  const size_t other = kFlockMates + static_cast<size_t>(NextRandom()) % (neighbours.size() - kFlockMates);
  if (RootGreater(WrappedDistanceSquared(*this, neighbours[mate]->position),
                  WrappedDistanceSquared(*this, neighbours[other]->position))) {
    std::swap(neighbours[mate], neighbours[other]);
  }
}

bool cKeltoGameCritter::IsNeighbour(const cKeltoGameCritter* other) const {
  return std::find(neighbours.begin(), neighbours.end(), other) != neighbours.end();
}

void cKeltoGameCritter::RememberPlant(cKeltoGamePlant* plant) { RememberPlants(&plant, 1); }

namespace {
// The largest of the squares; a NaN among them gives NaN, which no comparison passes.
float LargestSquare(const float (&squares)[kRememberedPlants]) {
  float largest = squares[0];
  for (size_t k = 1; k < kRememberedPlants; ++k) {
    if (!(squares[k] <= largest)) largest = squares[k];
  }
  return largest;
}
}  // namespace

// Each offer is taken in turn as RememberPlant would, but the remembered plants are measured
// once, when the first offer needs them (the critter does not move between the offers), and
// distances are compared by their squares, the roots taken only where the squares cannot
// decide. With three plants remembered, an offer no nearer than every one of them changes
// nothing, whether it is one of them or not: most offers, drawn from the whole world, end
// there, before the list is searched.
void cKeltoGameCritter::RememberPlants(cKeltoGamePlant* const* offers, size_t count) {
  float knownSquared[kRememberedPlants];  // valid once `measured`
  float farthestSquared = 0.0f;
  bool measured = false;
  for (size_t o = 0; o < count; ++o) {
    cKeltoGamePlant* plant = offers[o];
    auto remembered = [&] { return std::find(known_plants.begin(), known_plants.end(), plant) != known_plants.end(); };
    if (known_plants.size() < kRememberedPlants) {
      if (!remembered()) known_plants.push_back(plant);
      continue;
    }
    const float squared = WrappedDistanceSquared(*this, plant->position);
    if (!measured) {
      for (size_t k = 0; k < kRememberedPlants; ++k) knownSquared[k] = WrappedDistanceSquared(*this, known_plants[k]->position);
      farthestSquared = LargestSquare(knownSquared);
      measured = true;
    }
    // RootGreater needs a remembered square above the offer's. (A longer list, which only a
    // hand-made world holds, is searched in full.)
    if (known_plants.size() == kRememberedPlants && squared >= farthestSquared) continue;
    if (remembered()) continue;
    for (size_t k = 0; k < known_plants.size(); ++k) {
      const float knownK =
          k < kRememberedPlants ? knownSquared[k] : WrappedDistanceSquared(*this, known_plants[k]->position);
      if (RootGreater(knownK, squared)) {
        known_plants[k] = plant;
        if (k < kRememberedPlants) {
          knownSquared[k] = squared;
          farthestSquared = LargestSquare(knownSquared);
        }
        break;
      }
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
