// Clicks on world objects: the avatar's orders to fight, evolve, eat, carry and visit.
#include "app/object_click.h"

#include "dialog/evolution.h"
#include "platform/key_state.h"
#include "world/geometry.h"
#include "world/world.h"

namespace {
// Only the avatar carries, and only one carcass at a time within this reach.
constexpr float kReach = 10.0f;

float DistanceToAvatar(const cKeltoGameObject& object) {
  return WrappedDelta(object, *gWorld->GetAvatar()->GetPosition()).Length();
}

// Species 0, 8, 16, ... are the kind the avatar evolves by meeting; the others are fought,
// even when they are the avatar's own species.
void ClickCritter(cKeltoGameCritter* critter) {
  cKeltoGameCritter* avatar = gWorld->GetAvatar();
  if (critter->species % 8 != 0) {
    gWorld->StartFight(avatar, critter);
  } else if (can_evolve && DistanceToAvatar(*critter) < kReach) {
    OpenEvolutionDialog();
  }
}

void DropCarcass(cKeltoGameCarcass* carcass) {
  carcass->carrier->carried = nullptr;
  carcass->carrier = nullptr;
}

void ClickCarcass(cKeltoGameCarcass* carcass) {
  cKeltoGameCritter* avatar = gWorld->GetAvatar();
  if (carcass->carrier == avatar) {
    DropCarcass(carcass);
  } else if (!ShiftKeyDown()) {
    gWorld->StartMeal(avatar, carcass);
  } else if (DistanceToAvatar(*carcass) < kReach && !avatar->carried) {
    carcass->carrier = avatar;
    avatar->carried = carcass;
  }
}
}  // namespace

bool ActOnClickedObject(cKeltoGameObject* object) {
  if (auto* critter = dynamic_cast<cKeltoGameCritter*>(object)) {
    ClickCritter(critter);
  } else if (auto* carcass = dynamic_cast<cKeltoGameCarcass*>(object)) {
    ClickCarcass(carcass);
  } else if (auto* nest = dynamic_cast<cKeltoGameNest*>(object)) {
    gWorld->StartNestVisit(gWorld->GetAvatar(), nest);
  } else {
    return false;
  }
  return true;
}

bool ClickOnWorld(cKeltoGameObject* object, const cVector& groundPoint) {
  gWorld->CancelAvatarActions();
  if (ActOnClickedObject(object)) return false;
  gWorld->GetAvatar()->target = groundPoint;
  return true;
}
