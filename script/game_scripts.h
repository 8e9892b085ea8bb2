// The seven game scripts: their files, built-in fallback texts, compiled programs and the fast
// code lowered from them, and the loading of script files. Programs are compiled once at start-up
// and only read afterwards.
#pragma once

#include <string>

#include "script/script_code.h"
#include "script/script_program.h"

// In compilation order.
enum class eGameScript {
  kAvatarMotives,
  kCombat,
  kNesting,
  kEvolutionPoints,
  kMoveNest,
  kCarryCarcass,
  kSpeciesEvolve,
};
constexpr int kGameScriptCount = 7;

struct cGameScriptSource {
  const char* file;      // relative to the current directory
  const char* fallback;  // compiled when the file cannot be opened; null: stay empty
};

const cGameScriptSource& GameScriptSource(eGameScript script);
cScriptProgram& GameScriptProgram(eGameScript script);
// The program's fast code over a frame with a slot for every symbol. Lowered at start-up, and
// again on the next call after the program has changed (tests and tools compile their own).
cScriptCode& GameScriptCode(eGameScript script);

// Reads a whole file in binary mode; false when it cannot be opened.
bool ReadScriptFile(const char* path, std::string& text);
// Reads the file and compiles it into the program; false only when it cannot be opened, true
// whatever the parse result. A NUL byte in the file ends the script there.
bool LoadScriptFile(const char* path, cScriptProgram& program);

// Start-up: registers the 28 bound names, then compiles the seven scripts from the current
// directory, each falling back to its built-in text when its file cannot be opened. Starts
// from an empty symbol table, so calling it again compiles afresh.
void InitGameScripts();

// Empties the symbol table and the seven programs (tests and tools that start over).
void ResetGameScripts();
