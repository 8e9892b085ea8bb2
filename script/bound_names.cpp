// The bound names' registration.
#include "script/bound_names.h"

#include "script/script_symbols.h"

void RegisterBoundScriptNames() {
  for (const cBoundScriptName& bound : kBoundScriptNames) AddScriptSymbol(bound.name);
}
