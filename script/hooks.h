// The bridge between the game and its behaviour scripts: start-up registration and
// compilation, and one hook per script that copies game values into slots, runs the script
// and copies chosen slots back.
#pragma once

#include <cstdint>

class cKeltoGameCritter;
struct cSpeciesRecord;

// Start-up: registers the 28 bound names, then compiles the seven scripts from the current
// directory, each falling back to its built-in text when its file cannot be opened.
void InitGameScripts();

void RunAvatarMotivesScript(cKeltoGameCritter* critter, int32_t cycleMs);
void RunMoveNestScript(cKeltoGameCritter* critter);
void RunCarryCarcassScript(cKeltoGameCritter* critter);
void RunNestingScript(cKeltoGameCritter* visitor);
void RunCombatScript(cKeltoGameCritter* attacker, cKeltoGameCritter* defender);
void RunSpeciesEvolveScript(cSpeciesRecord& species);
void EvolveAllSpecies();
void CaptureEvolutionBase(const cKeltoGameCritter* avatar);
void RunEvolutionPointsScript();
