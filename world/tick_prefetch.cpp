// Reading ahead for the world tick.
#include "world/tick_prefetch.h"

#include <algorithm>

#include "game/random.h"
#include "terrain/terrain_classes.h"
#include "world/senses.h"

namespace {
constexpr size_t kLine = 64;

void FetchBytes(const void* start, size_t bytes) {
  const char* p = static_cast<const char*>(start);
  for (size_t offset = 0; offset < bytes; offset += kLine) __builtin_prefetch(p + offset);
}

template <typename T>
void FetchList(const std::vector<T*>& list) {
  FetchBytes(list.data(), list.size() * sizeof(T*));
}
}  // namespace

void PrefetchCrittersAhead(const std::vector<cKeltoGameCritter*>& critters, size_t i) {
  const size_t n = critters.size();
  if (i + 3 < n) FetchBytes(critters[i + 3], sizeof(cKeltoGameCritter));
  if (i + 2 < n) {
    FetchList(critters[i + 2]->neighbours);
    FetchList(critters[i + 2]->known_plants);
  }
  if (i + 1 < n) {
    const cKeltoGameCritter* next = critters[i + 1];
    for (const cKeltoGameCritter* neighbour : next->neighbours) __builtin_prefetch(neighbour);
    PrefetchPlants(next->known_plants.data(), next->known_plants.size());
    // The terrain scan's five rows round the next critter (each row's five cells are close).
    const int row = TerrainCellIndex(next->position.x);
    const int column = TerrainCellIndex(next->position.z);
    for (int k = -2; k <= 2; ++k) __builtin_prefetch(&gTerrainClasses[(row + k + kTerrainCells) % kTerrainCells][column]);
  }
}

namespace {
// Where in `critters` the critter's notice draw will land, by the guess the header describes.
const cKeltoGameCritter* const* GuessNoticeDraw(const cKeltoGameCritter* critter,
                                                const std::vector<cKeltoGameCritter*>& critters) {
  const size_t drawsBefore = critter->aware ? std::min<size_t>(3, critter->neighbours.size()) : 0;
  return &critters[static_cast<size_t>(PeekRandom(static_cast<unsigned>(drawsBefore))) % critters.size()];
}
}  // namespace

void PrefetchNoticeSlot(const cKeltoGameCritter* critter, const std::vector<cKeltoGameCritter*>& critters) {
  if (!critters.empty()) __builtin_prefetch(GuessNoticeDraw(critter, critters));
}

void PrefetchNoticeDraw(const cKeltoGameCritter* critter, const std::vector<cKeltoGameCritter*>& critters) {
  if (!critters.empty()) __builtin_prefetch(*GuessNoticeDraw(critter, critters));
}

void PrefetchPlants(cKeltoGamePlant* const* plants, size_t count) {
  for (size_t i = 0; i < count; ++i) __builtin_prefetch(plants[i]);
}
