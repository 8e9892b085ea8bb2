// Placeholder until nests and nesting land.
#include "world/world.h"

void cKeltoGameWorld::StartNestVisit(cKeltoGameCritter*, cKeltoGameObject*) {}
void cKeltoGameWorld::NestVisitPass() {}
