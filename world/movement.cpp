// Placeholder until critter movement and senses land.
#include "world/objects.h"

bool cKeltoGameCritter::Move(float) { return false; }
void cKeltoGameCritter::NoticeCritter(cKeltoGameCritter*) {}
void cKeltoGameCritter::PruneNeighbours() {}
bool cKeltoGameCritter::IsNeighbour(const cKeltoGameCritter*) const { return false; }
void cKeltoGameCritter::RememberPlant(cKeltoGamePlant*) {}
float cKeltoGameCritter::NearestPlantDistance() const { return -1.0f; }
void cKeltoGameCritter::UpdateCover() {}
