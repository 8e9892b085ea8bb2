// Object colours: carcass age, critter species and cover, debug lines.
#include "render/object_colours.h"

#include "world/geometry.h"
#include "world/objects.h"
#include "world/species.h"

namespace {
constexpr float kLastWarningMs = 5000.0f;
}

cColour CarcassColour(const cKeltoGameCarcass& carcass, uint32_t nowMs, float decayMs) {
  const uint32_t age = nowMs - carcass.created_ms;  // wrapping, as the decay itself
  const float remaining = decayMs - static_cast<float>(age);
  if (remaining < kLastWarningMs) return {0.0f, 0.0f, 0.0f};
  if (carcass.carrier) return {0.4f, 0.4f, 0.4f};
  return {1.0f, 0.6f, 0.0f};
}

cColour SpeciesColour(int species) {
  const cVector& c = gSpeciesTable[species].color;
  return {c.x, c.y, c.z};
}

cColour CritterBodyColour(const cKeltoGameCritter& critter) {
  if (critter.hidden) return {0.2f, 0.2f, 0.2f};
  return SpeciesColour(critter.species);
}

cColour NeighbourLineColour(const cKeltoGameCritter& critter, const cKeltoGameCritter& neighbour) {
  if (critter.prey == &neighbour) return {1.0f, 0.0f, 1.0f};
  return {1.0f, 1.0f, 1.0f};
}

cColour KnownPlantLineColour(const cKeltoGameCritter& critter, const cKeltoGamePlant& plant,
                             float coverDistance) {
  if (WrappedDelta(critter, plant.position).Length() < coverDistance) return {0.0f, 1.0f, 0.0f};
  return {1.0f, 0.0f, 0.0f};
}
