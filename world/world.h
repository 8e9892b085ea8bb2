// The world container: owns every object and the avatar for the whole run, and the three
// activity lists (fights, meals, nest visits) whose records point at objects without owning
// them. Also the simulation's process-wide counters and flags.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "world/objects.h"
#include "world/world_counters.h"

struct cFight {
  cKeltoGameCritter* a = nullptr;
  cKeltoGameCritter* b = nullptr;
  cKeltoGameCritter* attacker = nullptr;  // the side that struck in the last round
  cVector centre;
  bool done = false;
  int turn = -1;
  uint32_t last_round_ms = 0;
};

struct cMeal {
  cKeltoGameCarcass* food = nullptr;
  cKeltoGameCritter* eater = nullptr;
  bool done = false;
};

struct cNestVisit {
  cKeltoGameObject* nest = nullptr;
  cKeltoGameCritter* visitor = nullptr;
  uint32_t last_run_ms = 0;
  bool done = false;
};

class cKeltoGameWorld {
 public:
  std::vector<cKeltoGameObject*> objects;  // everything but the avatar; removals swap in the last
  std::vector<cKeltoGameCritter*> critters;
  std::vector<cKeltoGamePlant*> plants;
  std::vector<cKeltoGameCarcass*> carcasses;
  std::vector<cKeltoGameNest*> nests;  // the first is the avatar's
  cKeltoGameCritter* avatar = nullptr;
  uint32_t motive_clock_ms = 0;
  std::list<cFight> fights;
  std::list<cMeal> meals;
  std::list<cNestVisit> nest_visits;
  cWorldCounters counters;

  cKeltoGameWorld() = default;
  cKeltoGameWorld(const cKeltoGameWorld&) = delete;
  cKeltoGameWorld& operator=(const cKeltoGameWorld&) = delete;
  ~cKeltoGameWorld();

  cKeltoGameCritter* GetAvatar() const { return avatar; }

  cKeltoGameNest* AddNest(const cVector& point);
  void MoveAvatarNest();
  cKeltoGameObject* PickObject(const cVector& point) const;

  // Combat, feeding and carcasses.
  void StartFight(cKeltoGameCritter* a, cKeltoGameCritter* b);
  cKeltoGameCarcass* AddCarcass(const cVector& point);
  // Takes the carcass out of the world and frees it. Before that, every reference to it is
  // dropped: its carrier's `carried`, meal and nest-visit records naming it (ended: marked
  // done with the pointer cleared) and the hovered-object pointer. A carcass not in
  // `carcasses` is left alone.
  void RemoveCarcass(cKeltoGameCarcass* carcass);
  void UpdateCarcasses();
  void StartMeal(cKeltoGameCritter* eater, cKeltoGameCarcass* carcass);
  void CancelAvatarActions();
  void FightPass();
  void MealPass();

  // Nests.
  void StartNestVisit(cKeltoGameCritter* visitor, cKeltoGameObject* nest);
  void NestVisitPass();

  // Death and the new-day copy of species values.
  void Respawn(cKeltoGameCritter* critter);
  void RefreshCritterStats();

 private:
  // A fighter at zero health or below dies: a carcass if the avatar won, then a respawn.
  void SettleDeath(cFight& fight, cKeltoGameCritter* loser, const cKeltoGameCritter* winner);
  void ForgetCarcass(const cKeltoGameCarcass* carcass);
  void EndMealsOf(const cKeltoGameCarcass* carcass);
};

extern cKeltoGameWorld* gWorld;
// Replaces the world with a new, empty one (start-up, tests and tools).
void ResetWorld();

extern int days_alive;         // new days since the start or the avatar's last death
extern int total_days;         // new days since the start, never reset
extern bool can_evolve;        // an evolution advance may be bought
extern bool nest_move_allowed; // the nest may be moved (once per day)

// Back to the start-up values of the four globals above and of the hooks' is_day (day).
void ResetSimulationGlobals();
