// The shared linear congruential generator.
#include "game/random.h"

namespace {
uint32_t gRandomState = 1;
}

void SeedRandom(uint32_t seed) { gRandomState = seed; }

uint32_t RandomState() { return gRandomState; }

int NextRandom() {
  gRandomState = gRandomState * 214013u + 2531011u;
  return static_cast<int>((gRandomState >> 16) & 0x7FFFu);
}

float RandomScaled(float k) { return static_cast<float>(NextRandom()) * kInverseRandomMax * k; }
