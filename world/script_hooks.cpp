// The game's script hooks: which game values go into which slots, and which come back.
#include "world/script_hooks.h"

#include <algorithm>

#include "script/bound_names.h"
#include "script/game_scripts.h"
#include "world/objects.h"
#include "world/species.h"
#include "world/world.h"

std::array<float, kScriptSlotCount> gEvolutionBaseFrame = {};

namespace {
float gIsDaySlot = 1.0f;  // a run of the game starts by day

// A critter's six motive and combat values, at slot base (the attacker's) or base + 6.
void FillCritterSlots(float* slots, int base, const cKeltoGameCritter& critter) {
  slots[base + kSlotHunger] = critter.hunger;
  slots[base + kSlotHealth] = critter.health;
  slots[base + kSlotEnergy] = critter.energy;
  slots[base + kSlotAttack] = critter.attack;
  slots[base + kSlotDefend] = critter.defend;
  slots[base + kSlotSpeed] = critter.speed;
}

void CopyCritterSlots(const float* slots, int base, cKeltoGameCritter& critter) {
  critter.hunger = slots[base + kSlotHunger];
  critter.health = slots[base + kSlotHealth];
  critter.energy = slots[base + kSlotEnergy];
  critter.attack = slots[base + kSlotAttack];
  critter.defend = slots[base + kSlotDefend];
  critter.speed = slots[base + kSlotSpeed];
}

// The avatar-motives, move-nest, carry-carcass and nesting hooks share one shape; only the
// avatar's motives are told the seconds of their cycle (0 for the others).
void RunMotiveScript(eGameScript script, cKeltoGameCritter& critter, float seconds = 0.0f) {
  cScriptCode& code = GameScriptCode(script);
  float* slots = code.FreshSlots();
  FillCritterSlots(slots, kSlotHunger, critter);
  slots[kSlotSeconds] = seconds;
  slots[kSlotIsDay] = gIsDaySlot;
  code.Run();
  CopyCritterSlots(slots, kSlotHunger, critter);
}
}  // namespace

void SetScriptIsDay(bool isDay) { gIsDaySlot = isDay ? 1.0f : 0.0f; }

bool ScriptIsDay() { return gIsDaySlot != 0.0f; }

void RunAvatarMotivesScript(cKeltoGameCritter* critter, int32_t cycleMs) {
  if (critter->state == kStateFighting) return;
  RunMotiveScript(eGameScript::kAvatarMotives, *critter, static_cast<float>(cycleMs) * 0.001f);
}

void RunMoveNestScript(cKeltoGameCritter* critter) { RunMotiveScript(eGameScript::kMoveNest, *critter); }

void RunCarryCarcassScript(cKeltoGameCritter* critter) {
  RunMotiveScript(eGameScript::kCarryCarcass, *critter);
}

void RunNestingScript(cKeltoGameCritter* visitor) { RunMotiveScript(eGameScript::kNesting, *visitor); }

void RunCombatScript(cKeltoGameCritter* attacker, cKeltoGameCritter* defender) {
  cScriptCode& code = GameScriptCode(eGameScript::kCombat);
  float* slots = code.FreshSlots();
  FillCritterSlots(slots, kSlotHunger, *attacker);
  FillCritterSlots(slots, kSlotOtherHunger, *defender);
  slots[kSlotIsDay] = gIsDaySlot;
  code.Run();
  CopyCritterSlots(slots, kSlotHunger, *attacker);
  CopyCritterSlots(slots, kSlotOtherHunger, *defender);
}

void RunSpeciesEvolveScript(cSpeciesRecord& species) {
  cScriptCode& code = GameScriptCode(eGameScript::kSpeciesEvolve);
  float* slots = code.FreshSlots();
  slots[kSlotAttack] = species.attack;
  slots[kSlotDefend] = species.defend;
  slots[kSlotWalkSpeed] = species.walk_speed;
  slots[kSlotRunSpeed] = species.run_speed;
  slots[kSlotSpecies] = static_cast<float>(species.index);
  slots[kSlotCurrentDay] = static_cast<float>(total_days);
  code.Run();
  species.attack = slots[kSlotAttack];
  species.defend = slots[kSlotDefend];
  species.walk_speed = slots[kSlotWalkSpeed];
  species.run_speed = slots[kSlotRunSpeed];
}

void EvolveAllSpecies() {
  for (cSpeciesRecord& species : gSpeciesTable) RunSpeciesEvolveScript(species);
}

void CaptureEvolutionBase(const cKeltoGameCritter* avatar) {
  gEvolutionBaseFrame[kSlotAttack] = avatar->attack;
  gEvolutionBaseFrame[kSlotDefend] = avatar->defend;
  gEvolutionBaseFrame[kSlotStealth] = avatar->stealth;
  gEvolutionBaseFrame[kSlotWalkSpeed] = avatar->walk_speed;
  gEvolutionBaseFrame[kSlotRunSpeed] = avatar->run_speed;
  gEvolutionBaseFrame[kSlotSpecies] = static_cast<float>(avatar->species);
  gEvolutionBaseFrame[kSlotClimb] = avatar->climb;
  gEvolutionBaseFrame[kSlotSwim] = avatar->swim;
}

void RunEvolutionPointsScript() {
  cKeltoGameCritter* avatar = gWorld->GetAvatar();
  cScriptCode& code = GameScriptCode(eGameScript::kEvolutionPoints);
  float* slots = code.FreshSlots();
  std::copy(gEvolutionBaseFrame.begin(), gEvolutionBaseFrame.end(), slots);
  const int pointSlots[] = {kSlotSpeedPoints,   kSlotAttackPoints, kSlotDefendPoints,
                            kSlotStealthPoints, kSlotClimbPoints,  kSlotSwimPoints};
  for (int row = 0; row < 6; ++row) slots[pointSlots[row]] = static_cast<float>(avatar->advance_counts[row]);
  code.Run();
  ApplyEvolutionResult(avatar, slots);
}

void ApplyEvolutionResult(cKeltoGameCritter* avatar, const float* slots) {
  avatar->attack = slots[kSlotAttack];
  avatar->defend = slots[kSlotDefend];
  avatar->stealth = slots[kSlotStealth];
  avatar->walk_speed = slots[kSlotWalkSpeed];
  avatar->run_speed = slots[kSlotRunSpeed];
  avatar->climb = slots[kSlotClimb];
  avatar->swim = slots[kSlotSwim];
}
