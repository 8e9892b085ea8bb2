// Steering and sensing primitives that every critter behaviour is built from: turning toward a
// point, scanning the nearby cells for terrain the critter cannot enter, and picking neighbours.
// Reads the terrain-class grid; changes only the critter it is given (and the scratch list).
#pragma once

#include "world/objects.h"

// Directions away from the impassable cells found by the last TerrainAvoidance call, kept for
// PathBlocked and the flocking step until the next call. One list shared by all critters.
struct cBlockedDirections {
  static constexpr int kCapacity = 21;  // every cell of the scan, the critter's own included
  cVector entries[kCapacity];
  int count = 0;
};
extern cBlockedDirections gBlockedDirections;

// True when the critter may not enter a cell of this class: steep without climbing, water
// without swimming.
bool CannotEnter(const cKeltoGameCritter& critter, int terrainClass);

// Turns the heading 5 % of the way toward the point and sets `speed` to |cos a| x speed, where a
// is the signed angle from the facing to the point; `desired_heading` gets the full turn.
void SteerToward(cKeltoGameCritter* critter, const cVector& point, float speed);
// Rebuilds gBlockedDirections from the 21 cells around the critter (a 5 x 5 square without its
// corners) and returns the unit sum of the away-directions, or the raw sum when it is zero.
cVector TerrainAvoidance(const cKeltoGameCritter* critter);
// True when the direction leads toward any cell of the last TerrainAvoidance scan.
bool PathBlocked(const cVector& direction);
// How far a blocked critter swings its way aside per tick, or its steer once.
constexpr float kDetourDegrees = 5.0f;

// The nearest neighbour (the earliest wins ties), null when the list is empty.
cKeltoGameCritter* NearestNeighbour(const cKeltoGameCritter* critter);
// The nearest neighbour of another species that is not in the nest, if nearer than 100.
cKeltoGameCritter* NearestPreyNeighbour(const cKeltoGameCritter* critter);
