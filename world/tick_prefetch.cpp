// Reading ahead for the world tick.
#include "world/tick_prefetch.h"

#include <algorithm>

#include "game/random.h"

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
    for (const cKeltoGameCritter* neighbour : critters[i + 1]->neighbours) __builtin_prefetch(neighbour);
  }
}

void PrefetchNoticeDraw(const cKeltoGameCritter* critter, const std::vector<cKeltoGameCritter*>& critters) {
  if (critters.empty()) return;
  const size_t drawsBefore = critter->aware ? std::min<size_t>(3, critter->neighbours.size()) : 0;
  __builtin_prefetch(critters[static_cast<size_t>(PeekRandom(static_cast<unsigned>(drawsBefore))) % critters.size()]);
}
