// Placeholder until the script language lands.
#include "script/hooks.h"

void InitGameScripts() {}
void RunAvatarMotivesScript(cKeltoGameCritter*, int32_t) {}
void RunMoveNestScript(cKeltoGameCritter*) {}
void RunCarryCarcassScript(cKeltoGameCritter*) {}
void RunNestingScript(cKeltoGameCritter*) {}
void RunCombatScript(cKeltoGameCritter*, cKeltoGameCritter*) {}
void RunSpeciesEvolveScript(cSpeciesRecord&) {}
void EvolveAllSpecies() {}
void CaptureEvolutionBase(const cKeltoGameCritter*) {}
void RunEvolutionPointsScript() {}
