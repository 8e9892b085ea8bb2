// The shared linear congruential generator.
#include "game/random.h"

namespace {
uint32_t gRandomState = 1;
uint32_t gWorldSeed = 1;

uint32_t Step(uint32_t state) { return state * 214013u + 2531011u; }
int Output(uint32_t state) { return static_cast<int>((state >> 16) & 0x7FFFu); }
}  // namespace

void SeedRandom(uint32_t seed) { gRandomState = seed; }
uint32_t RandomState() { return gRandomState; }

uint32_t WorldSeed() { return gWorldSeed; }
void SetWorldSeed(uint32_t seed) { gWorldSeed = seed; }

int NextRandom() {
  gRandomState = Step(gRandomState);
  return Output(gRandomState);
}

int PeekRandom(unsigned skipped) {
  uint32_t state = Step(gRandomState);
  for (unsigned i = 0; i < skipped; ++i) state = Step(state);
  return Output(state);
}

float RandomScaled(float k) { return static_cast<float>(NextRandom()) * kInverseRandomMax * k; }
