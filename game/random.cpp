// The seed the world being played was built from (the generator itself is inline in the header).
#include "game/random.h"

namespace {
uint32_t gWorldSeed = 1;
}  // namespace

uint32_t WorldSeed() { return gWorldSeed; }
void SetWorldSeed(uint32_t seed) { gWorldSeed = seed; }
