// The world's invariants, checked after every tick by the soaks: numbers stay finite, critters
// stay in the world and on ground they may stand on, and no list or record points at anything
// that is not (or no longer) in the world.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_set>
#include <vector>

#include "game/game_state.h"
#include "terrain/terrain_classes.h"
#include "world/senses.h"
#include "world/world.h"

namespace world_test {

using cLive = std::unordered_set<const cKeltoGameCritter*>;

// Critters are never deleted, so the live set is taken once, after setup.
inline cLive LiveCritters() {
  cLive live(gWorld->critters.begin(), gWorld->critters.end());
  live.insert(gWorld->GetAvatar());
  return live;
}

inline bool Finite(const cVector& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

template <typename T>
bool Contains(const std::vector<T*>& list, const void* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The first broken invariant of the world, or "".
inline std::string FirstViolation(const cLive& live) {
  std::string found;
  auto check = [&found](bool holds, const char* what, const char* who = "") {
    if (!holds && found.empty()) found = std::string(who) + what;
  };
  const cKeltoGameWorld& world = *gWorld;
  for (const cKeltoGameCritter* c : live) {
    const char* who = c->is_avatar ? "avatar: " : "critter: ";
    const cVector& p = c->position;
    check(Finite(p) && std::isfinite(c->heading) && std::isfinite(c->speed) && Finite(c->target),
          "a number went non-finite", who);
    check(p.x >= 0.0f && p.x <= 512.0f && p.z >= 0.0f && p.z <= 512.0f, "position outside the world", who);
    check(!CannotEnter(*c, TerrainClassAt(p.x, 0.0f, p.z)), "standing where it cannot", who);
    for (const cKeltoGameCritter* n : c->neighbours) check(live.count(n), "neighbour is not a live critter", who);
    check(!c->prey || live.count(c->prey), "prey is not a live critter", who);
    check(c->known_plants.size() <= 3, "remembers more than three plants", who);
  }
  for (const cFight& f : world.fights) check(live.count(f.a) && live.count(f.b), "fight names a dead object");
  for (const cMeal& m : world.meals) {
    check(live.count(m.eater), "meal names a dead eater");
    check(m.food ? Contains(world.carcasses, m.food) : m.done, "meal names a removed carcass");
  }
  for (const cNestVisit& v : world.nest_visits) {
    check(Contains(world.nests, v.nest) && live.count(v.visitor), "nest visit names a dead object");
  }
  const cKeltoGameCarcass* carried = world.GetAvatar()->carried;
  check(!carried || (Contains(world.carcasses, carried) && carried->carrier == world.GetAvatar()),
        "the avatar carries something not in the world");
  for (const cKeltoGameCarcass* carcass : world.carcasses) {
    check(Contains(world.objects, carcass), "carcass missing from the object list");
  }
  check(world.objects.size() == world.plants.size() + world.critters.size() + world.carcasses.size() + world.nests.size(),
        "object list out of step with the typed lists");
  check(!gGameState.hoveredObject || Contains(world.objects, gGameState.hoveredObject),
        "hovered object is not in the world");
  return found;
}

}  // namespace world_test
