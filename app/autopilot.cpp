// The autopilot's decisions: spend evolutions, stay in a fight it is winning and run home from
// one it is losing, eat a carcass when hungry, hunt a critter it can beat, otherwise rest at
// the nest, where nothing can touch it (and always at night, when the hunters are out).
#include "app/autopilot.h"

#include "app/input.h"
#include "app/object_click.h"
#include "dialog/advance_dialog.h"
#include "dialog/evolution.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "platform/key_state.h"
#include "save/saved_game.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/world.h"

namespace {
constexpr int kTicksPerThought = 10;     // about a fifth of a second
constexpr float kHungry = 60.0f;         // hunger below this: look for food
constexpr float kStarving = 25.0f;       // below this: hunt even at night
constexpr float kHurt = 45.0f;           // health below this: no new hunt, rest instead
constexpr float kLosing = 30.0f;         // leave a fight below this health unless winning
constexpr float kSightRange = 120.0f;    // how far the player looks for carcasses
constexpr float kPounceRange = 6.0f;     // a fight starts within 8 units; click a bit nearer
constexpr float kFarFromHome = 100.0f;   // a nest farther than this is rebuilt where it stands
constexpr float kRunBeyond = 12.0f;      // run when the goal is farther than this
constexpr float kMinRunEnergy = 25.0f;
constexpr uint32_t kChaseMs = 15000;     // give up a chase after this long
constexpr uint32_t kForgetMs = 60000;    // and leave that critter alone for this long
constexpr int kAdvanceOrder[] = {1, 2, 0};  // attack, defend, speed in turn

struct cAutopilot {
  int ticks = 0;
  cKeltoGameCritter* prey = nullptr;
  uint32_t chaseStartMs = 0;
  cKeltoGameCritter* spurned = nullptr;  // the last critter it gave up on
  uint32_t spurnedMs = 0;
};
cAutopilot gPilot;

cKeltoGameCritter* Avatar() { return gWorld->GetAvatar(); }

float DistanceTo(const cKeltoGameObject& object) { return WrappedDistance(*Avatar(), object.position); }

// The expected share of the striker's health it takes off per blow, a player's reading of
// attack against defence.
float BlowShare(const cKeltoGameCritter& striker, const cKeltoGameCritter& struck) {
  return striker.attack / (striker.attack + struck.defend + 1.0f);
}

// True when the avatar should win: its blows need fewer rounds than the other's, with margin.
bool CanBeat(const cKeltoGameCritter& other) {
  const cKeltoGameCritter& me = *Avatar();
  const float roundsToWin = other.health / BlowShare(me, other);
  const float roundsToLose = me.health / BlowShare(other, me);
  return roundsToWin * 1.25f < roundsToLose;
}

void ClickDialogButton(int id) {
  for (const cGLFDialogControl* button : gEvolutionDialog.buttons) {
    if (button->id != id) continue;
    const int x = static_cast<int>((button->left + button->right) * 0.5f);
    const int y = static_cast<int>((button->top + button->bottom) * 0.5f);
    EvolutionDialogMouseDown(x, y);
    EvolutionDialogMouseUp(x, y);
    return;
  }
}

// Win Game first: raising an ability first would use up the opening's allowance.
void SpendEvolution() {
  const int row = kAdvanceOrder[advance_history.size() % 3];
  ClickDialogButton(cCritterAdvanceDialog::kPlus + kWinGameRow);
  ClickDialogButton(cCritterAdvanceDialog::kPlus + row);
  ClickDialogButton(cCritterAdvanceDialog::kOk);
}

// Shift is let go for the click itself (Shift on a carcass carries instead of eating) and held
// afterwards to run to a far goal.
void Press(cKeltoGameObject* object, const cVector& point, float distance) {
  SetShiftKeyDown(false);
  ClickOnWorld(object, point);
  SetShiftKeyDown(distance > kRunBeyond && Avatar()->energy > kMinRunEnergy);
}

bool Visiting(const cKeltoGameNest* nest) {
  for (const cNestVisit& visit : gWorld->nest_visits) {
    if (visit.visitor == Avatar() && visit.nest == nest && !visit.done) return true;
  }
  return false;
}

void GoHome() {
  cKeltoGameNest* nest = gWorld->nests.front();
  const float distance = DistanceTo(*nest);
  if (Visiting(nest)) {
    SetShiftKeyDown(distance > kRunBeyond && Avatar()->energy > kMinRunEnergy);
    return;
  }
  Press(nest, nest->position, distance);
}

bool Eating() {
  for (const cMeal& meal : gWorld->meals) {
    if (meal.eater == Avatar() && !meal.done) return true;
  }
  return false;
}

cKeltoGameCarcass* NearestCarcass() {
  cKeltoGameCarcass* best = nullptr;
  for (cKeltoGameCarcass* carcass : gWorld->carcasses) {
    if (DistanceTo(*carcass) < kSightRange && (!best || DistanceTo(*carcass) < DistanceTo(*best))) best = carcass;
  }
  return best;
}

bool Huntable(const cKeltoGameCritter& critter) {
  if (critter.species % 8 == 0 || critter.state == kStateSleeping) return false;
  if (&critter == gPilot.spurned && GameTime() - gPilot.spurnedMs < kForgetMs) return false;
  return CanBeat(critter);
}

cKeltoGameCritter* ChoosePrey() {
  if (gPilot.prey && Huntable(*gPilot.prey)) return gPilot.prey;
  cKeltoGameCritter* best = nullptr;
  for (cKeltoGameCritter* critter : gWorld->critters) {
    if (Huntable(*critter) && (!best || DistanceTo(*critter) < DistanceTo(*best))) best = critter;
  }
  if (best != gPilot.prey) gPilot.chaseStartMs = GameTime();
  return best;
}

// Walks (or runs) at the nearest prey, however far (a player roams to find one); once near
// enough, attacks it. A prey that keeps its distance for too long is given up.
bool Hunt() {
  gPilot.prey = ChoosePrey();
  if (!gPilot.prey) return false;
  if (GameTime() - gPilot.chaseStartMs > kChaseMs) {
    gPilot.spurned = gPilot.prey;
    gPilot.spurnedMs = GameTime();
    gPilot.prey = nullptr;
    return false;
  }
  const float distance = DistanceTo(*gPilot.prey);
  Press(distance < kPounceRange ? gPilot.prey : nullptr, gPilot.prey->position, distance);
  return true;
}

const cKeltoGameCritter* Opponent() {
  for (const cFight& fight : gWorld->fights) {
    if (fight.done) continue;
    if (fight.a == Avatar()) return fight.b;
    if (fight.b == Avatar()) return fight.a;
  }
  return nullptr;
}

// Died and put back far from home: rather than cross the world, make a new home here (M, ten
// seconds standing still, once a day). True while building.
bool BuildingNest() {
  if (gGameState.nestBuilding) return true;
  if (!nest_move_allowed || DistanceTo(*gWorld->nests.front()) < kFarFromHome) return false;
  SetShiftKeyDown(false);
  ClickOnWorld(nullptr, Avatar()->position);
  OnKeyboard('m', 0, 0);
  return gGameState.nestBuilding;
}

void Think() {
  cKeltoGameCritter& me = *Avatar();
  if (EvolutionDialogVisible()) SpendEvolution();
  if (can_evolve && !EvolutionDialogVisible()) OnKeyboard('e', 0, 0);
  if (const cKeltoGameCritter* opponent = Opponent()) {
    if (me.health < kLosing && !CanBeat(*opponent)) GoHome();
    return;
  }
  if (me.hunger < kHungry) {
    if (Eating()) return;
    if (cKeltoGameCarcass* carcass = NearestCarcass()) {
      Press(carcass, carcass->position, DistanceTo(*carcass));
      return;
    }
    const bool night = !gDayClock.IsDay();
    if (me.health >= kHurt && (!night || me.hunger < kStarving) && Hunt()) return;
  }
  gPilot.prey = nullptr;
  if (!BuildingNest()) GoHome();
}
}  // namespace

void AutopilotStep() {
  if (++gPilot.ticks % kTicksPerThought == 0) Think();
}

void ResetAutopilot() { gPilot = cAutopilot{}; }

void AddAutopilotSaveSection() {
  cSaveSection section;
  section.name = "autopilot";
  section.write = [](const cObjectIndex& index) -> json {
    return {{"ticks", gPilot.ticks},
            {"prey", index.Critter(gPilot.prey)},
            {"chase_start_ms", gPilot.chaseStartMs},
            {"spurned", index.Critter(gPilot.spurned)},
            {"spurned_ms", gPilot.spurnedMs},
            {"shift", ShiftKeyDown()},
            {"evolution_dialog_open", EvolutionDialogVisible()}};
  };
  section.read = [](const cSaveNode& node, const cObjectTable& table) -> std::function<void()> {
    // A save of a game nobody played leaves the autopilot to start afresh.
    if (node.IsNull()) return [] { ResetAutopilot(); };
    cAutopilot pilot;
    pilot.ticks = node["ticks"].Int32();
    pilot.prey = table.Critter(node["prey"], true);
    pilot.chaseStartMs = node["chase_start_ms"].Uint32();
    pilot.spurned = table.Critter(node["spurned"], true);
    pilot.spurnedMs = node["spurned_ms"].Uint32();
    const bool shift = node["shift"].Bool();
    const bool dialogOpen = node["evolution_dialog_open"].Bool();
    return [pilot, shift, dialogOpen] {
      gPilot = pilot;
      SetShiftKeyDown(shift);
      if (dialogOpen) OpenEvolutionDialog();
    };
  };
  AddSaveSection(std::move(section));
}
