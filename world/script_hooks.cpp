// The game's script hooks: which game values go into which slots, and which come back.
#include "world/script_hooks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "script/bound_names.h"
#include "script/game_scripts.h"
#include "world/objects.h"
#include "world/species.h"
#include "world/world.h"

std::array<float, kScriptSlotCount> gEvolutionBaseFrame = {};

namespace {
float gIsDaySlot = 1.0f;  // a run of the game starts by day

// Kept out of line: the hooks run many times a tick, and this almost never.
[[gnu::cold, gnu::noinline]] void ReportNotANumber(eGameScript script, int slot) {
  if (!FirstReportOf(script, slot)) return;
  std::printf("warning: %s set %s to not-a-number; the game keeps the value it had\n", GameScriptSource(script).file,
              ScriptSymbolTable[static_cast<size_t>(slot)].c_str());
  std::fflush(stdout);  // seen at once even when standard output is a file
}

// A script may write any float back. One that is not a number is no value at all, so the game
// keeps the value it had: a NaN health would never fall to 0, and the bars would fill their frames.
inline void CopyBack(const float* slots, int slot, eGameScript script, float& field) {
  if (__builtin_expect(std::isnan(slots[slot]), 0)) {
    ReportNotANumber(script, slot);
  } else {
    field = slots[slot];
  }
}

// A critter's six motive and combat values, at slot base (the attacker's) or base + 6.
void FillCritterSlots(float* slots, int base, const cKeltoGameCritter& critter) {
  slots[base + kSlotHunger] = critter.hunger;
  slots[base + kSlotHealth] = critter.health;
  slots[base + kSlotEnergy] = critter.energy;
  slots[base + kSlotAttack] = critter.attack;
  slots[base + kSlotDefend] = critter.defend;
  slots[base + kSlotSpeed] = critter.speed;
}

void CopyCritterSlots(const float* slots, int base, eGameScript script, cKeltoGameCritter& critter) {
  CopyBack(slots, base + kSlotHunger, script, critter.hunger);
  CopyBack(slots, base + kSlotHealth, script, critter.health);
  CopyBack(slots, base + kSlotEnergy, script, critter.energy);
  CopyBack(slots, base + kSlotAttack, script, critter.attack);
  CopyBack(slots, base + kSlotDefend, script, critter.defend);
  CopyBack(slots, base + kSlotSpeed, script, critter.speed);
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
  CopyCritterSlots(slots, kSlotHunger, script, critter);
}
}  // namespace

void SetScriptIsDay(bool isDay) { gIsDaySlot = isDay ? 1.0f : 0.0f; }

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
  CopyCritterSlots(slots, kSlotHunger, eGameScript::kCombat, *attacker);
  CopyCritterSlots(slots, kSlotOtherHunger, eGameScript::kCombat, *defender);
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
  constexpr eGameScript kScript = eGameScript::kSpeciesEvolve;
  CopyBack(slots, kSlotAttack, kScript, species.attack);
  CopyBack(slots, kSlotDefend, kScript, species.defend);
  CopyBack(slots, kSlotWalkSpeed, kScript, species.walk_speed);
  CopyBack(slots, kSlotRunSpeed, kScript, species.run_speed);
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
  constexpr eGameScript kScript = eGameScript::kEvolutionPoints;
  CopyBack(slots, kSlotAttack, kScript, avatar->attack);
  CopyBack(slots, kSlotDefend, kScript, avatar->defend);
  CopyBack(slots, kSlotStealth, kScript, avatar->stealth);
  CopyBack(slots, kSlotWalkSpeed, kScript, avatar->walk_speed);
  CopyBack(slots, kSlotRunSpeed, kScript, avatar->run_speed);
  CopyBack(slots, kSlotClimb, kScript, avatar->climb);
  CopyBack(slots, kSlotSwim, kScript, avatar->swim);
}
