// The process-wide symbol table shared by every script.
#include "script/script_symbols.h"

#include <algorithm>

std::vector<std::string> ScriptSymbolTable;

int32_t InternScriptSymbol(std::string_view text) {
  const auto found = std::find(ScriptSymbolTable.begin(), ScriptSymbolTable.end(), text);
  if (found != ScriptSymbolTable.end()) return static_cast<int32_t>(found - ScriptSymbolTable.begin());
  ScriptSymbolTable.emplace_back(text);
  return static_cast<int32_t>(ScriptSymbolTable.size() - 1);
}

void AddScriptSymbol(std::string_view name) { ScriptSymbolTable.emplace_back(name); }

void ResetScriptSymbols() { ScriptSymbolTable.clear(); }

size_t ScriptFrameSize() { return std::max(kScriptSlotCount, ScriptSymbolTable.size()); }
