// The shared linear congruential generator.
#include "game/random.h"

namespace {
uint32_t gRandomState = 1;
uint32_t gWorldSeed = 1;
}  // namespace

void SeedRandom(uint32_t seed) { gRandomState = seed; }
uint32_t RandomState() { return gRandomState; }

uint32_t WorldSeed() { return gWorldSeed; }
void SetWorldSeed(uint32_t seed) { gWorldSeed = seed; }

int NextRandom() {
  gRandomState = gRandomState * 214013u + 2531011u;
  return static_cast<int>((gRandomState >> 16) & 0x7FFFu);
}

float RandomScaled(float k) { return static_cast<float>(NextRandom()) * kInverseRandomMax * k; }
