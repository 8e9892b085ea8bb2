// The terrain scan's answers kept for the length of a world tick. What TerrainAvoidance finds
// depends only on the critter's cell, on which of steep ground and water stop it and on the
// grid, so each cell's answer for each kind of critter is worked out once and read back by every
// other critter of that kind in that cell. The grid does not change inside a tick; between ticks
// anything may change it, so each tick starts by comparing the grid with the copy its answers
// came from, and forgets them all when it differs. Outside a tick nothing is kept.
#pragma once

#include <cstdint>

#include "game/vector.h"
#include "terrain/terrain_classes.h"

// One scan's outcome: the returned vector and which of the 21 scanned cells block, bit k for the
// k-th cell in the scan's order.
struct cScanAnswer {
  cVector away;
  uint32_t blocking = 0;
};

// Which cells stop a critter: steep ground, water, or both (a critter stopped by neither
// never scans).
enum class eStoppedBy { kSteep, kWater, kBoth };

class cTerrainScans {
 public:
  // The answer kept for this cell and kind in the current tick, or null.
  const cScanAnswer* Find(int row, int column, eStoppedBy kind) const;
  // Keeps an answer just worked out (only inside a tick).
  void Keep(int row, int column, eStoppedBy kind, const cScanAnswer& answer);

  // The span of a world tick: answers are kept only inside it.
  void BeginTick();
  void EndTick() { inTick_ = false; }

 private:
  struct cEntry {
    cScanAnswer answer;
    bool known = false;
  };
  cEntry entries_[kTerrainCells][kTerrainCells][3];
  int32_t grid_[kTerrainCells][kTerrainCells] = {};  // the grid the answers were worked out on
  bool inTick_ = false;
};
extern cTerrainScans gTerrainScans;

// Keeps the scans' answers for the life of the object: the world tick holds one.
class cTerrainScanTick {
 public:
  cTerrainScanTick() { gTerrainScans.BeginTick(); }
  ~cTerrainScanTick() { gTerrainScans.EndTick(); }
  cTerrainScanTick(const cTerrainScanTick&) = delete;
  cTerrainScanTick& operator=(const cTerrainScanTick&) = delete;
};
