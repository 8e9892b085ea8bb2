// The bound names' texts and their registration.
#include "script/bound_names.h"

#include "script/script_symbols.h"

const char* const kBoundScriptNames[kBoundScriptNameCount] = {
    "hunger",       "health",        "energy",         "attack",         "defend",
    "speed",        "other_hunger",  "other_health",   "other_energy",   "other_attack",
    "other_defend", "other_speed",   "seconds",        "is_day",         "stealth",
    "other_stealth", "speed_points", "attack_points",  "defend_points",  "stealth_points",
    "walk_speed",   "run_speed",     "species",        "current_day",    "climb",
    "swim",         "climb_points",  "swim_points",
};

void RegisterBoundScriptNames() {
  for (const char* name : kBoundScriptNames) AddScriptSymbol(name);
}
