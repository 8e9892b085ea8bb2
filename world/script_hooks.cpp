// The game's script hooks: which game values go into which slots, and which come back.
#include "world/script_hooks.h"

#include <algorithm>

#include "script/bound_names.h"
#include "script/game_scripts.h"
#include "script/script_evaluator.h"
#include "world/day_clock.h"
#include "world/objects.h"
#include "world/species.h"
#include "world/world.h"

std::array<float, kScriptSlotCount> gEvolutionBaseFrame = {};

namespace {
// Slots a hook does not fill start at 0.
std::vector<float> NewFrame() { return std::vector<float>(ScriptFrameSize(), 0.0f); }

void Run(eGameScript script, std::vector<float>& slots) {
  cScriptEvaluator().Run(GameScriptProgram(script), slots);
}

// A critter's six motive and combat values, at slot base (the attacker's) or base + 6.
void FillCritterSlots(std::vector<float>& slots, int base, const cKeltoGameCritter& critter) {
  slots[base + kSlotHunger] = critter.hunger;
  slots[base + kSlotHealth] = critter.health;
  slots[base + kSlotEnergy] = critter.energy;
  slots[base + kSlotAttack] = critter.attack;
  slots[base + kSlotDefend] = critter.defend;
  slots[base + kSlotSpeed] = critter.speed;
}

void CopyCritterSlots(const std::vector<float>& slots, int base, cKeltoGameCritter& critter) {
  critter.hunger = slots[base + kSlotHunger];
  critter.health = slots[base + kSlotHealth];
  critter.energy = slots[base + kSlotEnergy];
  critter.attack = slots[base + kSlotAttack];
  critter.defend = slots[base + kSlotDefend];
  critter.speed = slots[base + kSlotSpeed];
}

// Asking the day clock may move its cycle start on, as the world tick's own test does.
float IsDaySlot() { return gDayClock.IsDay() ? 1.0f : 0.0f; }

// The move-nest, carry-carcass and nesting hooks share one shape.
void RunMotiveScript(eGameScript script, cKeltoGameCritter& critter) {
  std::vector<float> slots = NewFrame();
  FillCritterSlots(slots, kSlotHunger, critter);
  slots[kSlotIsDay] = IsDaySlot();
  Run(script, slots);
  CopyCritterSlots(slots, kSlotHunger, critter);
}
}  // namespace

void RunAvatarMotivesScript(cKeltoGameCritter* critter, int32_t cycleMs) {
  if (critter->state == kStateFighting) return;
  std::vector<float> slots = NewFrame();
  FillCritterSlots(slots, kSlotHunger, *critter);
  slots[kSlotSeconds] = static_cast<float>(cycleMs) * 0.001f;
  slots[kSlotIsDay] = IsDaySlot();
  Run(eGameScript::kAvatarMotives, slots);
  CopyCritterSlots(slots, kSlotHunger, *critter);
}

void RunMoveNestScript(cKeltoGameCritter* critter) { RunMotiveScript(eGameScript::kMoveNest, *critter); }

void RunCarryCarcassScript(cKeltoGameCritter* critter) {
  RunMotiveScript(eGameScript::kCarryCarcass, *critter);
}

void RunNestingScript(cKeltoGameCritter* visitor) { RunMotiveScript(eGameScript::kNesting, *visitor); }

void RunCombatScript(cKeltoGameCritter* attacker, cKeltoGameCritter* defender) {
  std::vector<float> slots = NewFrame();
  FillCritterSlots(slots, kSlotHunger, *attacker);
  FillCritterSlots(slots, kSlotOtherHunger, *defender);
  slots[kSlotIsDay] = IsDaySlot();
  Run(eGameScript::kCombat, slots);
  CopyCritterSlots(slots, kSlotHunger, *attacker);
  CopyCritterSlots(slots, kSlotOtherHunger, *defender);
}

void RunSpeciesEvolveScript(cSpeciesRecord& species) {
  std::vector<float> slots = NewFrame();
  slots[kSlotAttack] = species.attack;
  slots[kSlotDefend] = species.defend;
  slots[kSlotWalkSpeed] = species.walk_speed;
  slots[kSlotRunSpeed] = species.run_speed;
  slots[kSlotSpecies] = static_cast<float>(species.index);
  slots[kSlotCurrentDay] = static_cast<float>(total_days);
  Run(eGameScript::kSpeciesEvolve, slots);
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
  std::vector<float> slots = NewFrame();
  std::copy(gEvolutionBaseFrame.begin(), gEvolutionBaseFrame.end(), slots.begin());
  const int pointSlots[] = {kSlotSpeedPoints,   kSlotAttackPoints, kSlotDefendPoints,
                            kSlotStealthPoints, kSlotClimbPoints,  kSlotSwimPoints};
  for (int row = 0; row < 6; ++row) slots[pointSlots[row]] = static_cast<float>(avatar->advance_counts[row]);
  Run(eGameScript::kEvolutionPoints, slots);
  ApplyEvolutionResult(avatar, slots);
}

void ApplyEvolutionResult(cKeltoGameCritter* avatar, const std::vector<float>& slots) {
  avatar->attack = slots[kSlotAttack];
  avatar->defend = slots[kSlotDefend];
  avatar->stealth = slots[kSlotStealth];
  avatar->walk_speed = slots[kSlotWalkSpeed];
  avatar->run_speed = slots[kSlotRunSpeed];
  avatar->climb = slots[kSlotClimb];
  avatar->swim = slots[kSlotSwim];
}
