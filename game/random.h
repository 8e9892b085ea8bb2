// The one process-wide pseudo-random sequence shared by terrain, world setup, the simulation
// and the script built-in RAND. The order of draws is part of every algorithm that uses it,
// so nothing else in the game may draw random numbers.
#pragma once

#include <cstdint>

constexpr int kRandomMax = 32767;
// The float nearest to 1/32767, the scale of every uniform draw.
constexpr float kInverseRandomMax = 1.0f / 32767.0f;

// The generator, inline: the tick draws several numbers for every critter.
namespace random_detail {
inline uint32_t state = 1;
constexpr uint32_t Step(uint32_t s) { return s * 214013u + 2531011u; }
constexpr int Output(uint32_t s) { return static_cast<int>((s >> 16) & 0x7FFFu); }
}  // namespace random_detail

inline void SeedRandom(uint32_t seed) { random_detail::state = seed; }
// The generator's whole state: SeedRandom(RandomState()) goes on with the same sequence.
inline uint32_t RandomState() { return random_detail::state; }
// Next value 0..32767: s = s * 214013 + 2531011 (mod 2^32), then bits 16..30 of s.
inline int NextRandom() {
  random_detail::state = random_detail::Step(random_detail::state);
  return random_detail::Output(random_detail::state);
}
// The value NextRandom will give after `skipped` more draws, without drawing: lets the tick
// fetch from memory what a coming draw will pick.
inline int PeekRandom(unsigned skipped) {
  uint32_t s = random_detail::Step(random_detail::state);
  for (unsigned i = 0; i < skipped; ++i) s = random_detail::Step(s);
  return random_detail::Output(s);
}
// A fresh draw scaled into [0, k]: r * (1/32767) * k in single precision.
inline float RandomScaled(float k) { return static_cast<float>(NextRandom()) * kInverseRandomMax * k; }

// The seed the world being played was built from (SeedRandom does not change it): shown in the
// help so that a player can share the world.
uint32_t WorldSeed();
void SetWorldSeed(uint32_t seed);
