// Starting a world: everything the game holds about a world goes back to its start-up state,
// then the world is built from a seed as start-up builds it. Start-up runs it once; the N key
// runs it again in the running game, so nothing of the old world may survive it: no fight,
// meal, carcass, hovered object, open dialog, drag, nest building, notice, pause or speed.
// Only the window, the pointer's position and the keyboard's state carry over.
#pragma once

#include <cstdint>

// Everything the game holds about its world back to start-up: the world and its counters, the
// day counts, the shell's state (but for its window), the evolution and its dialog, the
// notices, the pointer's presses, the camera and the settings. StartWorld begins with it.
void ForgetWorld();

// ForgetWorld, then: the random source seeded with `seed`, game time at 0, the seven scripts
// compiled, ZOMA.ini read and the world built (world_setup), the avatar's start-up abilities
// captured for the evolution script and the evolution dialog built, hidden.
void StartWorld(uint32_t seed);

// "seed: N" on a line of its own on standard output, before the world is built so that the
// scripts' own text follows it. `freshLine`: start a new line first, as the scripts' text of an
// earlier world ends without one.
void PrintWorldSeed(uint32_t seed, bool freshLine);

// A seed for a new world: the time source, as start-up seeds, but never the current world's.
uint32_t FreshWorldSeed();
