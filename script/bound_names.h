// The 28 game values scripts may read and write, at fixed slots registered before any script is
// compiled. Hooks fill and copy back these slots; any other script name is a temporary.
#pragma once

#include <cstdint>

enum eBoundSlot : int32_t {
  kSlotHunger = 0,
  kSlotHealth = 1,
  kSlotEnergy = 2,
  kSlotAttack = 3,
  kSlotDefend = 4,
  kSlotSpeed = 5,
  kSlotOtherHunger = 6,  // the defender's six values follow the attacker's in the same order
  kSlotOtherHealth = 7,
  kSlotOtherEnergy = 8,
  kSlotOtherAttack = 9,
  kSlotOtherDefend = 10,
  kSlotOtherSpeed = 11,
  kSlotSeconds = 12,
  kSlotIsDay = 13,
  kSlotStealth = 14,
  kSlotOtherStealth = 15,
  kSlotSpeedPoints = 16,
  kSlotAttackPoints = 17,
  kSlotDefendPoints = 18,
  kSlotStealthPoints = 19,
  kSlotWalkSpeed = 20,
  kSlotRunSpeed = 21,
  kSlotSpecies = 22,
  kSlotCurrentDay = 23,
  kSlotClimb = 24,
  kSlotSwim = 25,
  kSlotClimbPoints = 26,
  kSlotSwimPoints = 27,
};
constexpr int kBoundScriptNameCount = 28;

// The names in slot order.
extern const char* const kBoundScriptNames[kBoundScriptNameCount];

// Appends the 28 names to the (empty) symbol table, so each lands at its slot.
void RegisterBoundScriptNames();
