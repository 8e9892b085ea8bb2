// The game values scripts may read and write, at fixed slots registered before any script is
// compiled. Hooks fill and copy back these slots; any other script name is a temporary.
#pragma once

#include <cstdint>
#include <iterator>

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
struct cBoundScriptName {
  eBoundSlot slot;
  const char* name;
};

// One row per bound name, in slot order: registration appends them in this order.
constexpr cBoundScriptName kBoundScriptNames[] = {
    {kSlotHunger, "hunger"},
    {kSlotHealth, "health"},
    {kSlotEnergy, "energy"},
    {kSlotAttack, "attack"},
    {kSlotDefend, "defend"},
    {kSlotSpeed, "speed"},
    {kSlotOtherHunger, "other_hunger"},
    {kSlotOtherHealth, "other_health"},
    {kSlotOtherEnergy, "other_energy"},
    {kSlotOtherAttack, "other_attack"},
    {kSlotOtherDefend, "other_defend"},
    {kSlotOtherSpeed, "other_speed"},
    {kSlotSeconds, "seconds"},
    {kSlotIsDay, "is_day"},
    {kSlotStealth, "stealth"},
    {kSlotOtherStealth, "other_stealth"},
    {kSlotSpeedPoints, "speed_points"},
    {kSlotAttackPoints, "attack_points"},
    {kSlotDefendPoints, "defend_points"},
    {kSlotStealthPoints, "stealth_points"},
    {kSlotWalkSpeed, "walk_speed"},
    {kSlotRunSpeed, "run_speed"},
    {kSlotSpecies, "species"},
    {kSlotCurrentDay, "current_day"},
    {kSlotClimb, "climb"},
    {kSlotSwim, "swim"},
    {kSlotClimbPoints, "climb_points"},
    {kSlotSwimPoints, "swim_points"},
};
constexpr int kBoundScriptNameCount = static_cast<int>(std::size(kBoundScriptNames));

constexpr bool RowsInSlotOrder(int row = 0) {
  return row == kBoundScriptNameCount ||
         (kBoundScriptNames[row].slot == row && RowsInSlotOrder(row + 1));
}
static_assert(RowsInSlotOrder(), "each bound name's row is its slot");
static_assert(kBoundScriptNameCount == kSlotSwimPoints + 1, "a row for every slot");

// Appends the bound names to the (empty) symbol table, so each lands at its slot.
void RegisterBoundScriptNames();
