// Everything the running game holds about its world, as text, one line per record: the objects
// with every field, the activity records, the counters, the clocks, the settings and species,
// the terrain, the scripts, the evolution, the shell's state, the notices and the pointer's
// presses. Two games in the same state give the same text, so a difference names the field.
// Pointers are written as the index of what they point at.
#pragma once

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/input.h"
#include "dialog/advance_dialog.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/random.h"
#include "render/notices.h"
#include "script/game_scripts.h"
#include "script/script_symbols.h"
#include "terrain/terrain_classes.h"
#include "world/advances.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/script_hooks.h"
#include "world/species.h"
#include "world/world.h"

namespace world_snapshot {

class cSnapshot {
 public:
  cSnapshot() { out_ << std::hexfloat; }
  std::string Text() const { return out_.str(); }

  std::ostream& Line(const std::string& name) { return out_ << '\n' << name << ':'; }
  std::ostream& out() { return out_; }

  // "objects[i]", "avatar" or "none".
  std::string Ref(const void* object) const {
    if (!object) return "none";
    if (object == gWorld->avatar) return "avatar";
    const auto& objects = gWorld->objects;
    const auto at = std::find(objects.begin(), objects.end(), object);
    return at == objects.end() ? "unknown" : "objects[" + std::to_string(at - objects.begin()) + "]";
  }

 private:
  std::ostringstream out_;
};

inline void Write(cSnapshot& s, const cVector& v) { s.out() << ' ' << v.x << ',' << v.y << ',' << v.z << ',' << v.w; }

inline void WriteCritter(cSnapshot& s, const cKeltoGameCritter& c) {
  std::ostream& o = s.out();
  o << " critter species " << c.species << " state " << c.state << " hunger " << c.hunger << " health " << c.health
    << " energy " << c.energy << " attack " << c.attack << " defend " << c.defend << " speed " << c.speed << " walk "
    << c.walk_speed << " run " << c.run_speed << " stealth " << c.stealth << " detour " << c.detour_sign
    << " neighbor " << c.neighbor_distance << " climb " << c.climb << " swim " << c.swim << " desired "
    << c.desired_heading << " flags " << c.aware << c.nocturnal << c.attack_avatar << c.hidden << c.in_nest
    << c.is_avatar << " perception " << c.perception[0] << ',' << c.perception[1] << ',' << c.perception[2]
    << " cover_exit " << (c.cover_exit_ms ? std::to_string(*c.cover_exit_ms) : "none") << " carried "
    << s.Ref(c.carried) << " prey " << s.Ref(c.prey) << " advances";
  for (int count : c.advance_counts) o << ' ' << count;
  o << " target";
  Write(s, c.target);
  o << " neighbours";
  for (const cKeltoGameCritter* n : c.neighbours) o << ' ' << s.Ref(n);
  o << " plants";
  for (const cKeltoGamePlant* p : c.known_plants) o << ' ' << s.Ref(p);
}

inline void WriteObject(cSnapshot& s, const cKeltoGameObject* object) {
  s.out() << ' ' << object->GetDescription() << " heading " << object->heading << " at";
  Write(s, object->position);
  if (const auto* carcass = dynamic_cast<const cKeltoGameCarcass*>(object)) {
    s.out() << " food " << carcass->food << " created " << carcass->created_ms << " carrier " << s.Ref(carcass->carrier);
  } else if (const auto* critter = dynamic_cast<const cKeltoGameCritter*>(object)) {
    WriteCritter(s, *critter);
  }
}

inline void WriteWorld(cSnapshot& s) {
  const cKeltoGameWorld& w = *gWorld;
  for (size_t i = 0; i < w.objects.size(); ++i) {
    s.Line("objects[" + std::to_string(i) + "]");
    WriteObject(s, w.objects[i]);
  }
  s.Line("avatar");
  WriteObject(s, w.avatar);
  auto refs = [&s](const char* name, const auto& list) {
    s.Line(name);
    for (const auto* item : list) s.out() << ' ' << s.Ref(item);
  };
  refs("critters", w.critters);
  refs("plants", w.plants);
  refs("carcasses", w.carcasses);
  refs("nests", w.nests);
  for (const cFight& f : w.fights) {
    s.Line("fight") << ' ' << s.Ref(f.a) << ' ' << s.Ref(f.b) << " attacker " << s.Ref(f.attacker) << " done " << f.done
                    << " turn " << f.turn << " last " << f.last_round_ms;
    Write(s, f.centre);
  }
  for (const cMeal& m : w.meals) s.Line("meal") << ' ' << s.Ref(m.food) << ' ' << s.Ref(m.eater) << " done " << m.done;
  for (const cNestVisit& v : w.nest_visits) {
    s.Line("visit") << ' ' << s.Ref(v.nest) << ' ' << s.Ref(v.visitor) << " last " << v.last_run_ms << " done " << v.done;
  }
  const cWorldCounters& c = w.counters;
  s.Line("counters") << ' ' << c.fights_started << ' ' << c.critter_deaths << ' ' << c.avatar_starved << ' '
                     << c.avatar_killed << ' ' << c.avatar_other_deaths << ' ' << c.avatar_kills << ' ' << c.avatar_meals
                     << ' ' << static_cast<int>(c.last_avatar_death) << " by species";
  for (long d : c.deaths_by_species) s.out() << ' ' << d;
  s.Line("motive clock") << ' ' << w.motive_clock_ms;
  s.Line("days") << ' ' << days_alive << ' ' << total_days << " can evolve " << can_evolve << " nest move "
                 << nest_move_allowed;
  s.Line("day clock") << ' ' << gDayClock.cycle_start_ms << ' ' << gDayClock.cycle_ms << ' ' << gDayClock.is_day << ' '
                      << gDayClock.day_ms << ' ' << gDayClock.night_ms;
}

inline void WriteSettingsAndTerrain(cSnapshot& s) {
  for (const std::string& line : DescribeConfiguration()) s.Line("config") << ' ' << line;
  for (const cSpeciesRecord& r : gSpeciesTable) {
    s.Line("species") << ' ' << r.index << " attack " << r.attack << " defend " << r.defend << " walk " << r.walk_speed
                      << " run " << r.run_speed << " climb " << r.climb << " swim " << r.swim;
  }
  for (int i = 0; i < kTerrainCells; ++i) {
    s.Line("terrain row " + std::to_string(i));
    for (int j = 0; j < kTerrainCells; ++j) s.out() << gTerrainClasses[i][j];
  }
}

inline void WriteScriptsAndEvolution(cSnapshot& s) {
  s.Line("symbols") << ' ' << ScriptSymbolTable.size();
  for (int i = 0; i < kGameScriptCount; ++i) {
    s.Line("script " + std::to_string(i));
    for (const cScriptInstruction& op : GameScriptProgram(static_cast<eGameScript>(i)).Instructions()) {
      s.out() << ' ' << ScriptInstructionText(op) << ';';
    }
  }
  s.Line("evolution base");
  for (float v : gEvolutionBaseFrame) s.out() << ' ' << v;
  s.Line("advance history");
  for (int row : advance_history) s.out() << ' ' << row;
  s.Line("dialog") << " visible " << gEvolutionDialog.visible << " result " << gEvolutionDialog.result << " counts";
  for (int count : gEvolutionDialog.counts) s.out() << ' ' << count;
}

// What the ticks read and write beyond the world container.
inline void WriteTickState(cSnapshot& s) {
  const cGameState& g = gGameState;
  s.Line("random") << ' ' << RandomState() << " world seed " << WorldSeed();
  s.Line("game time") << ' ' << GameTime() << " last tick " << g.lastTickMs << " tick clock " << g.tickClockStarted
                      << " nest building " << g.nestBuilding << ' ' << g.nestBuildStartMs << " hovered "
                      << s.Ref(g.hoveredObject);
}

// How the shell keeps the clock and shows the world: the speed's bookkeeping, the camera, the
// notices and the pointer's presses.
inline void WriteShell(cSnapshot& s) {
  const cGameState& g = gGameState;
  s.Line("game clock") << " frozen " << g.clockFrozenMs << " base " << g.clockBaseMs << " paused " << g.paused
                       << " speed " << g.speed << " held " << g.clockHeld << " owed " << g.owedTickMs << " free zoom "
                       << g.freeZoom << " first frame " << g.firstFrame;
  s.Line("camera") << ' ' << gCamera.distance << ' ' << gCamera.minDistance << ' ' << gCamera.maxDistance << ' '
                   << gCamera.yaw << ' ' << gCamera.pitch << ' ' << gCamera.yawOffset << ' ' << gCamera.fieldOfView
                   << ' ' << gCamera.iso_cam << " curved " << curved_horizon;
  s.Line("notices") << " help " << gNotices.helpVisible << " deaths seen " << gNotices.deathsSeen << " cause "
                    << static_cast<int>(gNotices.cause) << " shown " << gNotices.deathShownMs << ' '
                    << gNotices.deathShowing << " new world asked " << gNotices.newWorldAsked;
  s.Line("presses") << " drag " << gInputState.leftDragActive << ' ' << gInputState.dragX << ',' << gInputState.dragY
                    << " pressed " << gInputState.leftPressMs << " on dialog " << gInputState.leftPressOnDialog;
}

// The world and everything its ticks depend on.
inline std::string WorldSnapshot() {
  cSnapshot s;
  WriteTickState(s);
  WriteWorld(s);
  WriteSettingsAndTerrain(s);
  WriteScriptsAndEvolution(s);
  return s.Text() + '\n';
}

// The world and the shell's state with it: the whole game.
inline std::string GameSnapshot() {
  cSnapshot s;
  WriteShell(s);
  return WorldSnapshot() + s.Text() + '\n';
}

// The first line where the two differ, both versions, for a readable failure.
inline std::string FirstDifference(const std::string& a, const std::string& b) {
  std::istringstream ia(a), ib(b);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(ia, la));
    const bool moreB = static_cast<bool>(std::getline(ib, lb));
    if (!moreA && !moreB) return "";
    if (la != lb || moreA != moreB) return "line " + std::to_string(line) + ":\n  " + la + "\n  " + lb;
  }
}

}  // namespace world_snapshot
