// World ownership, the object lists' simple operations and the simulation globals.
#include "world/world.h"

#include <algorithm>

#include "world/geometry.h"
#include "world/script_hooks.h"

cKeltoGameWorld* gWorld = new cKeltoGameWorld;

int days_alive = 0;
int total_days = 0;
bool can_evolve = true;
bool nest_move_allowed = true;

void ResetSimulationGlobals() {
  days_alive = 0;
  total_days = 0;
  can_evolve = true;
  nest_move_allowed = true;
  SetScriptIsDay(true);
}

void ResetWorld() {
  delete gWorld;
  gWorld = new cKeltoGameWorld;
}

cKeltoGameWorld::~cKeltoGameWorld() {
  for (cKeltoGameObject* object : objects) delete object;
  delete avatar;
}

cKeltoGameNest* cKeltoGameWorld::AddNest(const cVector& point) {
  auto* nest = new cKeltoGameNest;
  nest->SetPosition(point);
  objects.push_back(nest);
  nests.push_back(nest);
  return nest;
}

void cKeltoGameWorld::MoveAvatarNest() {
  if (!nests.empty()) nests.front()->SetPosition(*avatar->GetPosition());
}

cKeltoGameObject* cKeltoGameWorld::PickObject(const cVector& point) const {
  cKeltoGameObject* nearest = nullptr;
  float nearestDistance = 2.0f;
  for (cKeltoGameObject* object : objects) {
    const float d = WrappedDelta(*object, point).Length();
    if (d < nearestDistance) {
      nearest = object;
      nearestDistance = d;
    }
  }
  return nearest;
}
