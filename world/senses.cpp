// Steering, terrain scanning and neighbour picking.
#include "world/senses.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "terrain/terrain_classes.h"
#include "world/geometry.h"
#include "world/terrain_scans.h"

cBlockedDirections gBlockedDirections;

namespace {
constexpr float kPreyRange = 100.0f;

// The scan reaches across the world's edge to the cells on the other side.
int WrapCell(int cell) {
  if (cell < 0) return cell + kTerrainCells;
  if (cell >= kTerrainCells) return cell - kTerrainCells;
  return cell;
}

// A unit ground vector pointing from the cell at offset (dx, dz) back toward the critter;
// the critter's own cell gives (0, 0, 0, 1).
cVector AwayFromCell(int dx, int dz) {
  const cVector offset(static_cast<float>(dx), 0.0f, static_cast<float>(dz), 1.0f);
  if (dx == 0 && dz == 0) return offset;
  return offset * (1.0f / std::sqrt(static_cast<float>(dx * dx + dz * dz)));
}

// The scan's 21 cells in its order (dx from +2 down to -2, outer; dz likewise, inner; no
// corners), each with its away vector, worked out once.
struct cScanCell {
  int dx, dz;
  cVector away;
};
struct cScanOrder {
  cScanCell cells[cBlockedDirections::kCapacity];
  cScanOrder() {
    int k = 0;
    for (int dx = 2; dx >= -2; --dx) {
      for (int dz = 2; dz >= -2; --dz) {
        if (std::abs(dx * dz) != 4) cells[k++] = {dx, dz, AwayFromCell(dx, dz)};
      }
    }
  }
};
const cScanOrder gScanOrder;

// The scan itself: every blocking cell's away vector into gBlockedDirections and the sum, in
// the scan's order; the answer is the sum at unit length (or as it is when zero).
cScanAnswer Scan(int row, int column, bool stoppedBySteep, bool stoppedByWater) {
  cScanAnswer answer;
  cVector sum(0.0f, 0.0f, 0.0f, 1.0f);
  for (int k = 0; k < cBlockedDirections::kCapacity; ++k) {
    const cScanCell& cell = gScanOrder.cells[k];
    const int32_t terrainClass = gTerrainClasses[WrapCell(row - cell.dx)][WrapCell(column - cell.dz)];
    if (!((terrainClass == kTerrainSteep && stoppedBySteep) || (terrainClass == kTerrainWater && stoppedByWater))) {
      continue;
    }
    gBlockedDirections.entries[gBlockedDirections.count++] = cell.away;
    sum += cell.away;
    answer.blocking |= 1u << k;
  }
  const float length = sum.Length();
  answer.away = length > 0.0f ? sum * (1.0f / length) : sum;
  return answer;
}

// gBlockedDirections as the scan that gave this answer left it.
void RecallBlocked(uint32_t blocking) {
  for (int k = 0; blocking != 0; ++k, blocking >>= 1) {
    if (blocking & 1u) gBlockedDirections.entries[gBlockedDirections.count++] = gScanOrder.cells[k].away;
  }
}
}  // namespace

bool CannotEnter(const cKeltoGameCritter& critter, int terrainClass) {
  return (terrainClass == kTerrainSteep && critter.climb <= 0.0f) ||
         (terrainClass == kTerrainWater && critter.swim <= 0.0f);
}

void SteerToward(cKeltoGameCritter* critter, const cVector& point, float speed) {
  const cVector facing = HeadingVector(critter->heading);
  // Standing on the point leaves d at zero, so the angle is atan2(0, 0) = 0, not NaN.
  const cVector d = WrappedDelta(*critter, point).NormalisedOrZero();
  const float angle = std::atan2(facing.Cross(d).y, facing.Dot(d));
  critter->speed = std::fabs(std::cos(angle)) * speed;
  critter->desired_heading = critter->heading + angle;
  critter->heading = critter->heading + 0.05f * angle;
}

cVector TerrainAvoidance(const cKeltoGameCritter* critter) {
  gBlockedDirections.count = 0;
  const bool stoppedBySteep = CannotEnter(*critter, kTerrainSteep);
  const bool stoppedByWater = CannotEnter(*critter, kTerrainWater);
  if (!stoppedBySteep && !stoppedByWater) return cVector(0.0f, 0.0f, 0.0f, 1.0f);  // no cell can block: the zero sum
  const eStoppedBy kind = !stoppedByWater ? eStoppedBy::kSteep : !stoppedBySteep ? eStoppedBy::kWater : eStoppedBy::kBoth;
  const int row = TerrainCellIndex(critter->position.x);
  const int column = TerrainCellIndex(critter->position.z);
  if (const cScanAnswer* known = gTerrainScans.Find(row, column, kind)) {
    RecallBlocked(known->blocking);
    return known->away;
  }
  const cScanAnswer answer = Scan(row, column, stoppedBySteep, stoppedByWater);
  gTerrainScans.Keep(row, column, kind, answer);
  return answer.away;
}

bool PathBlocked(const cVector& direction) {
  for (int i = 0; i < gBlockedDirections.count; ++i) {
    if (gBlockedDirections.entries[i].Dot(direction) < 0.0f) return true;
  }
  return false;
}

cKeltoGameCritter* NearestNeighbour(const cKeltoGameCritter* critter) {
  cKeltoGameCritter* nearest = nullptr;
  float nearestDistance = 0.0f;
  for (cKeltoGameCritter* other : critter->neighbours) {
    const float d = WrappedDistance(*critter, other->position);
    if (!nearest || d < nearestDistance) {
      nearest = other;
      nearestDistance = d;
    }
  }
  return nearest;
}

cKeltoGameCritter* NearestPreyNeighbour(const cKeltoGameCritter* critter) {
  cKeltoGameCritter* nearest = nullptr;
  float nearestDistance = kPreyRange;
  for (cKeltoGameCritter* other : critter->neighbours) {
    if (other->species == critter->species || other->in_nest) continue;
    const float d = WrappedDistance(*critter, other->position);
    if (d < nearestDistance) {
      nearest = other;
      nearestDistance = d;
    }
  }
  return nearest;
}
