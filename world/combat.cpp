// Placeholder until combat, feeding and carcasses land.
#include "world/world.h"

void cKeltoGameWorld::StartFight(cKeltoGameCritter*, cKeltoGameCritter*) {}
cKeltoGameCarcass* cKeltoGameWorld::AddCarcass(const cVector&) { return nullptr; }
void cKeltoGameWorld::RemoveCarcass(cKeltoGameCarcass*) {}
void cKeltoGameWorld::UpdateCarcasses() {}
void cKeltoGameWorld::StartMeal(cKeltoGameCritter*, cKeltoGameCarcass*) {}
void cKeltoGameWorld::CancelAvatarActions() {}
void cKeltoGameWorld::FightPass() {}
void cKeltoGameWorld::MealPass() {}
