// Steering, terrain scanning and neighbour picking.
#include "world/senses.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "terrain/terrain_classes.h"
#include "world/geometry.h"

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
  // The cell TerrainClassAt reads, bounded the same way for a critter far outside the world.
  const int gx = TerrainCellIndex(critter->position.x);
  const int gz = TerrainCellIndex(critter->position.z);
  gBlockedDirections.count = 0;
  cVector sum(0.0f, 0.0f, 0.0f, 1.0f);
  for (int dx = 2; dx >= -2; --dx) {
    for (int dz = 2; dz >= -2; --dz) {
      if (std::abs(dx * dz) == 4) continue;
      if (!CannotEnter(*critter, gTerrainClasses[WrapCell(gx - dx)][WrapCell(gz - dz)])) continue;
      const cVector away = AwayFromCell(dx, dz);
      gBlockedDirections.entries[gBlockedDirections.count++] = away;
      sum += away;
    }
  }
  const float length = sum.Length();
  return length > 0.0f ? sum * (1.0f / length) : sum;
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
