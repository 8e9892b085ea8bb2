// The seven script files, their fallbacks, and start-up compilation.
#include "script/game_scripts.h"

#include <cstdio>
#include <set>
#include <utility>

#include "platform/data_file.h"
#include "script/bound_names.h"
#include "script/script_parser.h"
#include "script/script_scanner.h"
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
std::set<std::pair<eGameScript, int>> gReported;
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

int CompileScriptText(const char* file, const std::string& text, cScriptProgram& program) {
  const int result = ParseScript(text.c_str(), program, file);
  // The parser's message alone does not say which of seven files stopped.
  if (result == 1) std::printf("%s:%d: parse error here\n", file, ScriptTokenLine());
  if (result == 2) std::printf("%s:%d: parser stack overflow here\n", file, ScriptTokenLine());
  return result;
}

bool LoadScriptFile(const char* path, cScriptProgram& program) {
  const cDataFile file = ReadDataFile(path);
  if (!file.Read()) {
    // A file left out is the designer's choice; a folder or a device in its place is a mistake.
    if (!file.missing) std::printf("%s %s; it counts as missing\n", path, file.problem.c_str());
    return false;
  }
  CompileScriptText(path, file.text, program);
  return true;
}

void ResetGameScripts() {
  ResetScriptSymbols();
  for (cScriptProgram& program : gPrograms) program = cScriptProgram();
  for (cScriptCode& code : gCodes) code = cScriptCode();
  gReported.clear();
}

bool FirstReportOf(eGameScript script, int slot) { return gReported.emplace(script, slot).second; }

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
