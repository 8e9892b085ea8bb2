// Carcasses and meals: creation, decay and carrying upkeep, eating, and removal. A removed
// carcass is freed, so removal first drops every reference the game may still hold to it.
#include <algorithm>

#include "game/game_clock.h"
#include "game/game_config.h"
#include "game/game_state.h"
#include "world/geometry.h"
#include "world/world.h"

namespace {
constexpr float kEatingDistance = 3.0f;

// Every occurrence is replaced by the last entry, which is then dropped. True if any was found.
template <typename T>
bool SwapRemoveAll(std::vector<T*>& list, const T* item) {
  bool found = false;
  for (size_t i = 0; i < list.size();) {
    if (list[i] == item) {
      list[i] = list.back();
      list.pop_back();
      found = true;
    } else {
      ++i;
    }
  }
  return found;
}
}  // namespace

cKeltoGameCarcass* cKeltoGameWorld::AddCarcass(const cVector& point) {
  auto* carcass = new cKeltoGameCarcass;
  carcass->food = 100.0f;
  carcass->created_ms = GameTime();
  carcass->carrier = nullptr;
  carcass->SetPosition(point);
  objects.push_back(carcass);
  carcasses.push_back(carcass);
  return carcass;
}

void cKeltoGameWorld::RemoveCarcass(cKeltoGameCarcass* carcass) {
  const bool inWorld = SwapRemoveAll<cKeltoGameCarcass>(carcasses, carcass);
  SwapRemoveAll<cKeltoGameObject>(objects, carcass);
  if (!inWorld) return;
  ForgetCarcass(carcass);
  delete carcass;
}

// A meal may eat the very carcass the avatar carries, and two meals may name one carcass:
// nothing may keep pointing at it once it is gone.
void cKeltoGameWorld::ForgetCarcass(const cKeltoGameCarcass* carcass) {
  if (carcass->carrier && carcass->carrier->carried == carcass) carcass->carrier->carried = nullptr;
  if (avatar && avatar->carried == carcass) avatar->carried = nullptr;
  for (cMeal& meal : meals) {
    if (meal.food != carcass) continue;
    meal.food = nullptr;
    meal.done = true;
  }
  for (cNestVisit& visit : nest_visits) {
    if (visit.nest != carcass) continue;
    visit.nest = nullptr;
    visit.done = true;
  }
  if (gGameState.hoveredObject == carcass) gGameState.hoveredObject = nullptr;
}

void cKeltoGameWorld::EndMealsOf(const cKeltoGameCarcass* carcass) {
  for (auto it = meals.begin(); it != meals.end();) {
    if (it->food == carcass) {
      it->eater->state = kStateFlocking;
      it = meals.erase(it);
    } else {
      ++it;
    }
  }
}

void cKeltoGameWorld::UpdateCarcasses() {
  // By index: after a removal the same index holds the carcass swapped in, examined next.
  for (size_t i = 0; i < carcasses.size();) {
    cKeltoGameCarcass* carcass = carcasses[i];
    if (carcass->carrier) carcass->SetPosition(carcass->carrier->position);
    // The age as the clock's own wrapping difference: exact late in the clock and across its wrap.
    if (static_cast<float>(GameTime() - carcass->created_ms) > gConfig.carcass_decay_time) {
      EndMealsOf(carcass);
      RemoveCarcass(carcass);
    } else {
      ++i;
    }
  }
}

void cKeltoGameWorld::StartMeal(cKeltoGameCritter* eater, cKeltoGameCarcass* carcass) {
  cMeal meal;
  meal.food = carcass;
  meal.eater = eater;
  meals.push_back(meal);
  eater->target = carcass->position;
}

void cKeltoGameWorld::MealPass() {
  for (auto it = meals.begin(); it != meals.end();) {
    if (it->done) {
      it->eater->state = kStateFlocking;
      it = meals.erase(it);
      continue;
    }
    if (WrappedDistance(*it->eater, it->food->position) < kEatingDistance) {
      it->eater->hunger = 100.0f;
      if (it->eater->is_avatar) ++counters.avatar_meals;
      it->done = true;
      RemoveCarcass(it->food);  // also ends any other meal of the same carcass
    }
    ++it;
  }
}
