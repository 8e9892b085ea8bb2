// The script symbol table: every registered name, script name and number text, in the order
// first met; an entry's position is its slot index for the life of the process. Change it only
// through the functions below, which keep a hash index of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The smallest slot frame a hook supplies. Frames grow with the table so that no script can
// reach past its frame however many names the scripts use.
constexpr size_t kScriptSlotCount = 100;

extern std::vector<std::string> ScriptSymbolTable;

// Index of the first entry equal to text (byte-wise, case-sensitive); appended when absent.
int32_t InternScriptSymbol(std::string_view text);
// Index of the first entry equal to text, or -1 when there is none.
int32_t FindScriptSymbol(std::string_view text);
// Appends without searching: start-up registration of the game's bound names only.
void AddScriptSymbol(std::string_view name);
// Empties the table (tests and tools that start over).
void ResetScriptSymbols();

// Slots a frame needs so that every symbol has one: the table size, at least kScriptSlotCount.
size_t ScriptFrameSize();
