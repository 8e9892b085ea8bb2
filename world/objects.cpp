// Object construction, descriptions and the Draw forwarding.
#include "world/objects.h"

#include <cmath>

cObjectPainter* gObjectPainter = nullptr;

void cKeltoGamePlant::Draw(const cVector& centre) {
  if (gObjectPainter) gObjectPainter->DrawPlant(*this, centre);
}

void cKeltoGameCarcass::Draw(const cVector& centre) {
  if (gObjectPainter) gObjectPainter->DrawCarcass(*this, centre);
}

cKeltoGameNest::cKeltoGameNest() {
  const float step = 0.39269876f;  // 6.28318 / 16 in single precision
  for (int i = 0; i < 16; ++i) {
    outline.push_back(cVector(0.0f, 0.0f, 0.0f, 1.0f));
    outline.push_back(cVector(2.0f * std::cos(i * step), 0.0f, 2.0f * std::sin(i * step), 1.0f));
  }
}

void cKeltoGameNest::Draw(const cVector& centre) {
  if (gObjectPainter) gObjectPainter->DrawNest(*this, centre);
}

cKeltoGameCritter::cKeltoGameCritter() {
  // Both lists are allocated with the critter, so they lie beside it in memory and critters
  // made one after another lie in order: the tick reads them together, critter after critter.
  // A neighbour list rarely outgrows this; if it does it simply moves.
  neighbours.reserve(kNeighboursReserved);
  known_plants.reserve(3);
}

std::string cKeltoGameCritter::GetDescription() const {
  switch (state) {
    case kStateFlocking: return "flocking";
    case kStateFighting: return "fighting";
    case kStateSleeping: return "sleeping";
    case kStateGoingHome: return "going home";
    default: return "";
  }
}

void cKeltoGameCritter::Draw(const cVector& centre) {
  if (gObjectPainter) gObjectPainter->DrawCritter(*this, centre);
}
