// The process-wide symbol table shared by every script, with a hash index beside it: a search
// through the ordered table made compiling cost the square of the distinct names.
#include "script/script_symbols.h"

#include <algorithm>
#include <unordered_map>

std::vector<std::string> ScriptSymbolTable;

namespace {
// Text -> index of its first entry; registration may append a text twice, and the first wins.
std::unordered_map<std::string, int32_t> gSymbolIndex;

int32_t Append(std::string_view text) {
  const auto index = static_cast<int32_t>(ScriptSymbolTable.size());
  ScriptSymbolTable.emplace_back(text);
  gSymbolIndex.emplace(ScriptSymbolTable.back(), index);
  return index;
}
}  // namespace

int32_t FindScriptSymbol(std::string_view text) {
  const auto found = gSymbolIndex.find(std::string(text));
  return found == gSymbolIndex.end() ? -1 : found->second;
}

int32_t InternScriptSymbol(std::string_view text) {
  const int32_t found = FindScriptSymbol(text);
  return found >= 0 ? found : Append(text);
}

void AddScriptSymbol(std::string_view name) { Append(name); }

void ResetScriptSymbols() {
  ScriptSymbolTable.clear();
  gSymbolIndex.clear();
}

size_t ScriptFrameSize() { return std::max(kScriptSlotCount, ScriptSymbolTable.size()); }
