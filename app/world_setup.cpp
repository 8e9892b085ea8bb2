// Placeholder until world setup lands: an avatar standing on its nest in an empty world.
#include "app/config.h"
#include "world/world.h"

void cKeltoGameWorld::BuildWorld() {
  ReadConfiguration();
  avatar = new cKeltoGameCritter;
  avatar->is_avatar = true;
  avatar->SetPosition(cVector(256, 0, 256));
  avatar->target = avatar->position;
  AddNest(avatar->position);
}
