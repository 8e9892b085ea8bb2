// Reading ahead for the world tick.
#include "world/tick_prefetch.h"

#include <algorithm>

#include "game/random.h"

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
