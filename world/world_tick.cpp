// The world tick: one step of the whole simulation, in its fixed order.
#include "world/world_tick.h"

#include "game/game_clock.h"
#include "game/game_config.h"
#include "platform/key_state.h"
#include "terrain/terrain_classes.h"
#include "world/advances.h"
#include "world/behaviour.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/script_hooks.h"
#include "world/senses.h"
#include "world/terrain_scans.h"
#include "world/tick_prefetch.h"
#include "world/world.h"

namespace {
constexpr float kStopDistance = 1.0f;
constexpr float kNestSafeDistance = 8.0f;
constexpr float kMeetingDistance = 3.0f;
// Health lost outside a fight with hunger this low is starvation (the motives script hurts an
// empty stomach); with food inside it is some other death, such as the K key.
constexpr float kStarvingHunger = 1.0f;

void StartNewDay(cKeltoGameWorld& world) {
  ++days_alive;
  ++total_days;
  // An interval below 1 would divide by zero; such a setting simply never grants an advance.
  if (gConfig.evolve_interval > 0 && days_alive % gConfig.evolve_interval == 0) {
    can_evolve = true;
    ++world.counters.evolutions_offered;
  }
  nest_move_allowed = true;
  EvolveAllSpecies();
  world.RefreshCritterStats();
}

void UpdateCritter(cKeltoGameWorld& world, cKeltoGameCritter* critter, bool dayNow) {
  cKeltoGameCritter* avatar = world.GetAvatar();
  if (!avatar->in_nest) {
    critter->NoticeCritter(avatar);
    avatar->NoticeCritter(critter);
  }
  UpdatePrey(critter);
  // Standing where it cannot be (the terrain changed under it) is death, before any handling.
  const cVector& p = critter->position;
  if (CannotEnter(*critter, TerrainClassAt(p.x, p.y, p.z))) {
    world.Respawn(critter);
    return;
  }
  PerceiveAvatar(critter);
  RunStateHandler(critter, dayNow);
}

void MoveAvatar(cKeltoGameCritter* avatar) {
  // The run key is sampled here, once per tick. Carrying a carcass rules running out.
  const bool runs = ShiftKeyDown() && avatar->energy > 1.0f && !avatar->carried;
  const float stepSpeed = runs ? avatar->run_speed : avatar->walk_speed;
  RememberRandomPlants(avatar);
  if (WrappedDistance(*avatar, avatar->target) > kStopDistance) {
    SteerToward(avatar, avatar->target, stepSpeed);
  } else {
    avatar->speed = 0.0f;
  }
  avatar->Move(avatar->speed * 0.1f);
  avatar->UpdateCover();
}

// One motive step per tick at most: a late clock catches up over the following ticks.
void StepAvatarMotives(cKeltoGameWorld& world) {
  const uint32_t cycle = static_cast<uint32_t>(gConfig.motive_cycle);
  if (GameTime() - world.motive_clock_ms <= cycle) return;
  world.motive_clock_ms += cycle;
  RunAvatarMotivesScript(world.GetAvatar(), gConfig.motive_cycle);
}

void UpdateNestSafety(cKeltoGameWorld& world) {
  cKeltoGameCritter* avatar = world.GetAvatar();
  avatar->in_nest =
      !world.nests.empty() && WrappedDistance(*avatar, world.nests.front()->position) < kNestSafeDistance;
}

// Bumping into a critter of species 0, 8, 16 ... offers an evolution; into any other, a fight.
void MeetNearestNeighbour(cKeltoGameWorld& world) {
  cKeltoGameCritter* avatar = world.GetAvatar();
  cKeltoGameCritter* nearest = NearestNeighbour(avatar);
  if (!nearest || !(WrappedDistance(*avatar, nearest->position) < kMeetingDistance)) return;
  if (avatar->state != kStateFlocking || avatar->in_nest) return;
  if (nearest->species % 8 == 0) {
    if (can_evolve) RequestEvolution();
  } else {
    world.StartFight(nearest, avatar);
  }
}
}  // namespace

void WorldTick() {
  cKeltoGameWorld& world = *gWorld;
  cKeltoGameCritter* avatar = world.GetAvatar();
  const cTerrainScanTick terrainScans;  // the grid stands still until the tick ends
  const bool dayNow = gDayClock.IsDay();
  SetScriptIsDay(dayNow);
  if (gDayClock.NewDay()) StartNewDay(world);
  world.UpdateCarcasses();
  if (avatar->health <= 0.0f) {
    world.counters.CountAvatarDeath(avatar->hunger < kStarvingHunger ? eAvatarDeath::kStarved : eAvatarDeath::kOther);
    world.Respawn(avatar);
  }
  for (size_t i = 0; i < world.critters.size(); ++i) {
    UpdateCritter(world, world.critters[i], dayNow);
    if (i + 1 < world.critters.size()) PrefetchNoticeSlot(world.critters[i + 1], world.critters);
  }
  MoveAvatar(avatar);
  world.NestVisitPass();
  world.FightPass();
  world.MealPass();
  StepAvatarMotives(world);
  UpdateNestSafety(world);
  avatar->PruneNeighbours();
  MeetNearestNeighbour(world);
  // Bookkeeping for the population graph; nothing in the rules reads it.
  world.history.Observe(world, total_days, GameTime() - gDayClock.cycle_start_ms, gDayClock.cycle_ms);
}
