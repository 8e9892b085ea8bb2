// Keeping the terrain scan's answers for a tick.
#include "world/terrain_scans.h"

#include <cstring>

cTerrainScans gTerrainScans;

const cScanAnswer* cTerrainScans::Find(int row, int column, eStoppedBy kind) const {
  if (!inTick_) return nullptr;
  const cEntry& entry = entries_[row][column][static_cast<int>(kind)];
  return entry.known ? &entry.answer : nullptr;
}

void cTerrainScans::Keep(int row, int column, eStoppedBy kind, const cScanAnswer& answer) {
  if (!inTick_) return;
  cEntry& entry = entries_[row][column][static_cast<int>(kind)];
  entry.answer = answer;
  entry.known = true;
}

void cTerrainScans::BeginTick() {
  inTick_ = true;
  if (std::memcmp(grid_, gTerrainClasses, sizeof grid_) == 0) return;
  std::memcpy(grid_, gTerrainClasses, sizeof grid_);
  for (auto& row : entries_) {
    for (auto& cell : row) {
      for (cEntry& entry : cell) entry.known = false;
    }
  }
}
