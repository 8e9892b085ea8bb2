// The bridge between the world and its behaviour scripts: one hook per script that copies
// game values into slots, runs the script and copies chosen slots back.
#pragma once

#include <array>
#include <cstdint>

#include "script/script_symbols.h"

class cKeltoGameCritter;
struct cSpeciesRecord;

// What the hooks put in is_day. The tick asks the day clock once and sets it here, so a hook
// run reads no clock; a hook run outside a tick sees the last tick's day.
void SetScriptIsDay(bool isDay);

// Each hook runs its script once over a frame with room for every symbol, holding only what the
// hook fills (everything else 0). Values are copied back as they are (negative and infinite
// ones included), except not-a-number: the game value then keeps what it had, and a line
// "warning: FILE set NAME to not-a-number; ..." says so, once per script and name.
// Does nothing while the critter is fighting.
void RunAvatarMotivesScript(cKeltoGameCritter* critter, int32_t cycleMs);
void RunMoveNestScript(cKeltoGameCritter* critter);
void RunCarryCarcassScript(cKeltoGameCritter* critter);
void RunNestingScript(cKeltoGameCritter* visitor);
void RunCombatScript(cKeltoGameCritter* attacker, cKeltoGameCritter* defender);
void RunSpeciesEvolveScript(cSpeciesRecord& species);
// Runs the species script for every species of the table, in table order.
void EvolveAllSpecies();

// The avatar's start-up abilities (slots attack, defend, stealth, walk_speed, run_speed,
// species, climb, swim); every other slot 0. Every evolution-points run starts from it.
extern std::array<float, kScriptSlotCount> gEvolutionBaseFrame;
// Once, right after the world is built.
void CaptureEvolutionBase(const cKeltoGameCritter* avatar);
// Recomputes the world's avatar's abilities from the base frame and its advance counts.
void RunEvolutionPointsScript();
// Writes the evolution-points results into the avatar: attack, defend, stealth, walk_speed,
// run_speed, climb and swim (not speed).
void ApplyEvolutionResult(cKeltoGameCritter* avatar, const float* slots);
