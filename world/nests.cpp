// Nest visits: starting one and the per-tick pass that runs the nesting script at a steady rate.
#include "game/game_clock.h"
#include "game/game_config.h"
#include "world/geometry.h"
#include "world/script_hooks.h"
#include "world/world.h"

namespace {
constexpr float kVisitDistance = 4.0f;
}

void cKeltoGameWorld::StartNestVisit(cKeltoGameCritter* visitor, cKeltoGameObject* nest) {
  cNestVisit visit;
  visit.nest = nest;
  visit.visitor = visitor;
  visit.last_run_ms = GameTime();
  nest_visits.push_back(visit);
  visitor->target = nest->position;
}

void cKeltoGameWorld::NestVisitPass() {
  const uint32_t cycle = static_cast<uint32_t>(gConfig.nesting_cycle);
  for (auto it = nest_visits.begin(); it != nest_visits.end();) {
    if (it->done) {
      it = nest_visits.erase(it);
      continue;
    }
    // The walk there counts too: on arrival the script catches up at one run per tick.
    if (WrappedDistance(*it->visitor, it->nest->position) < kVisitDistance && GameTime() - it->last_run_ms > cycle) {
      it->last_run_ms += cycle;
      RunNestingScript(it->visitor);
    }
    ++it;
  }
}
