// The symbol table's hash index checked against a plain search of the ordered table: the same
// slots, the same order, over many texts with repeats, near-misses and repeated registrations.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "script/script_symbols.h"

namespace {
int32_t OrderedSearch(std::vector<std::string>& table, const std::string& text) {
  const auto found = std::find(table.begin(), table.end(), text);
  if (found != table.end()) return static_cast<int32_t>(found - table.begin());
  table.push_back(text);
  return static_cast<int32_t>(table.size() - 1);
}

TEST(ScriptSymbols, HashIndexGivesTheSlotsOfTheOrderedSearch) {
  ResetScriptSymbols();
  std::vector<std::string> oracle;
  // Registration appends without searching, so a name may stand twice; the first one counts.
  for (const char* name : {"hunger", "health", "hunger"}) {
    AddScriptSymbol(name);
    oracle.push_back(name);
  }
  std::mt19937 random(11);
  const std::string letters("aAhH1._ \0", 9);
  for (int i = 0; i < 20000; ++i) {
    std::string text(random() % 5, ' ');
    for (char& c : text) c = letters[random() % letters.size()];
    SCOPED_TRACE(text);
    ASSERT_EQ(InternScriptSymbol(text), OrderedSearch(oracle, text));
  }
  EXPECT_EQ(ScriptSymbolTable, oracle);
  EXPECT_EQ(FindScriptSymbol("hunger"), 0);
  EXPECT_EQ(FindScriptSymbol("not there"), -1);
  ResetScriptSymbols();
  EXPECT_EQ(FindScriptSymbol("hunger"), -1) << "a reset empties the index with the table";
  EXPECT_EQ(InternScriptSymbol("health"), 0);
  ResetScriptSymbols();
}
}  // namespace
