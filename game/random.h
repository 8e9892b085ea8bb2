// The one process-wide pseudo-random sequence shared by terrain, world setup, the simulation
// and the script built-in RAND. The order of draws is part of every algorithm that uses it,
// so nothing else in the game may draw random numbers.
#pragma once

#include <cstdint>

constexpr int kRandomMax = 32767;
// The float nearest to 1/32767, the scale of every uniform draw.
constexpr float kInverseRandomMax = 1.0f / 32767.0f;

void SeedRandom(uint32_t seed);
// The generator's whole state: SeedRandom(RandomState()) goes on with the same sequence.
uint32_t RandomState();
// Next value 0..32767: s = s * 214013 + 2531011 (mod 2^32), then bits 16..30 of s.
int NextRandom();
// The value NextRandom will give after `skipped` more draws, without drawing: lets the tick
// fetch from memory what a coming draw will pick.
int PeekRandom(unsigned skipped);
// A fresh draw scaled into [0, k]: r * (1/32767) * k in single precision.
float RandomScaled(float k);

// The seed the world being played was built from (SeedRandom does not change it): shown in the
// help so that a player can share the world.
uint32_t WorldSeed();
void SetWorldSeed(uint32_t seed);
