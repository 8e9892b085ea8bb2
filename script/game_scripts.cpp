// The seven script files, their fallbacks, and start-up compilation.
#include "script/game_scripts.h"

#include <fstream>
#include <iterator>

#include "script/bound_names.h"
#include "script/script_parser.h"
#include "script/script_symbols.h"

namespace {
const cGameScriptSource kSources[kGameScriptCount] = {
    {"avatar_motives.txt",
     "if ((3*2 > 4 and 2 < 1) or 1==1) health = 20 energy = 30 else attack = 40 defend = 50 endif"},
    {"combat.txt", "damage = 20"},
    {"nesting.txt", "health = 100"},
    {"evolutionPoints.txt", "speed = speed"},
    {"move_nest.txt", "health = 100"},
    {"carry_carcass.txt", "hunger = 100"},
    {"species_evolve.txt", nullptr},
};

cScriptProgram gPrograms[kGameScriptCount];
cScriptCode gCodes[kGameScriptCount];
}  // namespace

const cGameScriptSource& GameScriptSource(eGameScript script) {
  return kSources[static_cast<int>(script)];
}

cScriptProgram& GameScriptProgram(eGameScript script) { return gPrograms[static_cast<int>(script)]; }

cScriptCode& GameScriptCode(eGameScript script) {
  const int index = static_cast<int>(script);
  if (!gCodes[index].LoweredFrom(gPrograms[index])) gCodes[index] = cScriptCode(gPrograms[index], ScriptFrameSize());
  return gCodes[index];
}

bool ReadScriptFile(const char* path, std::string& text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

bool LoadScriptFile(const char* path, cScriptProgram& program) {
  std::string text;
  if (!ReadScriptFile(path, text)) return false;
  ParseScript(text.c_str(), program);
  return true;
}

void ResetGameScripts() {
  ResetScriptSymbols();
  for (cScriptProgram& program : gPrograms) program = cScriptProgram();
  for (cScriptCode& code : gCodes) code = cScriptCode();
}

// Parse results are ignored: a file with a syntax error keeps what compiled before the error
// and gets no fallback.
void InitGameScripts() {
  ResetGameScripts();
  RegisterBoundScriptNames();
  for (int i = 0; i < kGameScriptCount; ++i) {
    const cGameScriptSource& source = kSources[i];
    if (!LoadScriptFile(source.file, gPrograms[i]) && source.fallback) {
      ParseScript(source.fallback, gPrograms[i]);
    }
  }
  // Lowered once the symbol table is complete, so every frame has room for every symbol.
  for (int i = 0; i < kGameScriptCount; ++i) GameScriptCode(static_cast<eGameScript>(i));
}
