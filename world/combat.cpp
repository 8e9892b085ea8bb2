// Fights: starting one, the per-tick fight pass with its rounds and deaths, and the player's
// cancel of the avatar's fights and nest visits.
#include <cstdint>

#include "game/game_clock.h"
#include "game/game_config.h"
#include "game/random.h"
#include "world/geometry.h"
#include "world/script_hooks.h"
#include "world/world.h"

namespace {
constexpr float kStartFightDistance = 8.0f;
constexpr float kBreakOffDistance = 10.0f;
constexpr float kFightingSpotOffset = 2.0f;

// The difference is signed on purpose: a clock that stepped back does not fire a step at once.
// The first step (from last_round_ms 0) passes at once; taken unsigned, it still does once the
// clock has passed 2^31 ms, where a signed difference would hold the fight still for ever.
bool TimeStepDue(const cFight& fight) {
  const uint32_t elapsed = GameTime() - fight.last_round_ms;
  if (fight.turn == -1) return static_cast<float>(elapsed) > gConfig.turn_speed;
  return static_cast<float>(static_cast<int32_t>(elapsed)) > gConfig.turn_speed;
}

// Each round, a fair draw decides who strikes; the combat script does the damage.
void FightRound(cFight& fight) {
  const bool bStrikes = NextRandom() % 2 == 0;
  cKeltoGameCritter* attacker = bStrikes ? fight.b : fight.a;
  cKeltoGameCritter* defender = bStrikes ? fight.a : fight.b;
  fight.attacker = attacker;
  RunCombatScript(attacker, defender);
}
}  // namespace

void cKeltoGameWorld::StartFight(cKeltoGameCritter* a, cKeltoGameCritter* b) {
  // Being attacked by (or attacking) the avatar alarms the other side even if no fight starts.
  if (a->is_avatar) b->aware = true;
  if (b->is_avatar) a->aware = true;
  if (a->state == kStateSleeping || b->state == kStateSleeping) return;
  if ((b->position - a->position).Length() > kStartFightDistance) return;  // plain, unwrapped
  a->state = kStateFighting;
  b->state = kStateFighting;
  // Each side walks to a spot 2 from the centre on its own side and stops there.
  const cVector d = ViewOffset(b->position, a->position);
  const cVector centre = a->position + d * 0.5f;
  const cVector e = d.NormalisedOrZero(kFightingSpotOffset);
  a->target = centre - e;
  b->target = centre + e;
  cFight fight;
  fight.a = a;
  fight.b = b;
  fight.centre = centre;
  fights.push_back(fight);
  ++counters.fights_started;
}

void cKeltoGameWorld::FightPass() {
  for (auto it = fights.begin(); it != fights.end();) {
    cFight& fight = *it;
    if (fight.done) {
      fight.a->state = kStateFlocking;
      fight.b->state = kStateFlocking;
      it = fights.erase(it);
      continue;
    }
    if (WrappedDistance(*fight.a, fight.b->position) > kBreakOffDistance) fight.done = true;
    if (fight.a->in_nest || fight.b->in_nest) fight.done = true;
    if (TimeStepDue(fight)) {
      fight.last_round_ms = GameTime();
      fight.turn = (fight.turn - 1) & 1;  // rounds fall on every second time step
      if (fight.turn == 1) FightRound(fight);
      // Deaths are settled on the fight's own beat, round or not; health lost between beats
      // (to a script elsewhere in the tick) waits for the next one.
      SettleDeath(fight, fight.a, fight.b);
      SettleDeath(fight, fight.b, fight.a);
    }
    ++it;
  }
}

void cKeltoGameWorld::SettleDeath(cFight& fight, cKeltoGameCritter* loser, const cKeltoGameCritter* winner) {
  if (!(loser->health <= 0.0f)) return;
  // Only the avatar's kills leave something to eat.
  if (winner->is_avatar) {
    AddCarcass(loser->position);
    ++counters.avatar_kills;
  }
  if (loser->is_avatar) counters.CountAvatarDeath(eAvatarDeath::kKilled);
  Respawn(loser);
  fight.done = true;
}

void cKeltoGameWorld::CancelAvatarActions() {
  for (cFight& fight : fights) {
    if (fight.a == avatar || fight.b == avatar) fight.done = true;
  }
  for (cNestVisit& visit : nest_visits) {
    if (visit.visitor == avatar) visit.done = true;
  }
}
