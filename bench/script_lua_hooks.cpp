// The yardstick for the script hooks: the shipped combat and avatar-motives rules written in
// Lua 5.4, called with the game values as function arguments and copying the returned values
// back into the critters, as a game embedding Lua would. Built into script_lua_bench beside the
// hooks' own benchmarks only when Lua 5.4 is installed; nothing else needs it.
#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <cstdlib>

#include "game/random.h"
#include "world/objects.h"

namespace {
const char* const kRules = R"(
function combat(hunger, health, energy, attack, defend, speed,
                other_hunger, other_health, other_energy, other_attack, other_defend, other_speed, is_day)
  local damage = 25 * (0.5 + RAND()) * attack / (attack + other_defend + 1)
  if RAND() < 0.1 then damage = 0 end
  other_health = other_health - damage
  energy = energy - 1
  if energy < 0 then energy = 0 end
  return hunger, health, energy, attack, defend, speed,
         other_hunger, other_health, other_energy, other_attack, other_defend, other_speed
end

function motives(hunger, health, energy, attack, defend, speed, seconds, is_day)
  hunger = hunger - 0.4 * seconds
  if hunger < 0 then hunger = 0 end
  if hunger < 1 then health = health - 1 * seconds end
  if hunger > 50 and health < 100 then health = health + 0.25 * seconds end
  if health > 100 then health = 100 end
  if speed > 2 then energy = energy - 4 * seconds else energy = energy + 2 * seconds end
  if energy < 0 then energy = 0 end
  if energy > 100 then energy = 100 end
  return hunger, health, energy, attack, defend, speed
end
)";

int Rand(lua_State* lua) {
  lua_pushnumber(lua, static_cast<float>(NextRandom()) * kInverseRandomMax);
  return 1;
}

// One state with the rules loaded; the named function kept in the registry, as an embedding
// game would keep it rather than look it up by name on every call.
class cLuaRule {
 public:
  explicit cLuaRule(const char* function) : lua_(luaL_newstate()) {
    luaL_openlibs(lua_);
    lua_register(lua_, "RAND", Rand);
    if (luaL_dostring(lua_, kRules) != LUA_OK) std::abort();
    lua_getglobal(lua_, function);
    ref_ = luaL_ref(lua_, LUA_REGISTRYINDEX);
  }
  ~cLuaRule() { lua_close(lua_); }

  void Begin() { lua_rawgeti(lua_, LUA_REGISTRYINDEX, ref_); }
  void Argument(float value) { lua_pushnumber(lua_, value); }
  void Call(int arguments, int results) {
    lua_call(lua_, arguments, results);
    results_ = results;
  }
  float Result(int index) { return static_cast<float>(lua_tonumber(lua_, index - results_ - 1)); }
  void End() { lua_pop(lua_, results_); }

 private:
  lua_State* lua_;
  int ref_ = 0;
  int results_ = 0;
};

void PassCritter(cLuaRule& rule, const cKeltoGameCritter& critter) {
  for (float value : {critter.hunger, critter.health, critter.energy, critter.attack, critter.defend, critter.speed})
    rule.Argument(value);
}

void TakeCritter(cLuaRule& rule, int first, cKeltoGameCritter& critter) {
  float* const fields[] = {&critter.hunger, &critter.health, &critter.energy,
                           &critter.attack, &critter.defend, &critter.speed};
  for (int i = 0; i < 6; ++i) *fields[i] = rule.Result(first + i);
}

void CombatHookLua(benchmark::State& state) {
  cLuaRule rule("combat");
  SeedRandom(1);
  cKeltoGameCritter attacker, defender;
  attacker.attack = 60, attacker.defend = 40, attacker.speed = 3;
  defender.attack = 55, defender.defend = 45, defender.speed = 3;
  for (auto _ : state) {
    defender.health = 100.0f;
    rule.Begin();
    PassCritter(rule, attacker);
    PassCritter(rule, defender);
    rule.Argument(1.0f);
    rule.Call(13, 12);
    TakeCritter(rule, 0, attacker);
    TakeCritter(rule, 6, defender);
    rule.End();
    benchmark::DoNotOptimize(defender.health);
  }
}
BENCHMARK(CombatHookLua);

void AvatarMotivesHookLua(benchmark::State& state) {
  cLuaRule rule("motives");
  cKeltoGameCritter avatar;
  avatar.attack = 60, avatar.defend = 40, avatar.speed = 3;
  for (auto _ : state) {
    avatar.hunger = 60.0f;
    rule.Begin();
    PassCritter(rule, avatar);
    rule.Argument(0.5f);
    rule.Argument(1.0f);
    rule.Call(8, 6);
    TakeCritter(rule, 0, avatar);
    rule.End();
    benchmark::DoNotOptimize(avatar.energy);
  }
}
BENCHMARK(AvatarMotivesHookLua);
}  // namespace
