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
cGameScriptTexts gTexts;
}  // namespace

const cGameScriptSource& GameScriptSource(eGameScript script) {
  return kSources[static_cast<int>(script)];
}

std::optional<eGameScript> GameScriptOfFile(const std::string& file) {
  for (int i = 0; i < kGameScriptCount; ++i)
    if (file == kSources[i].file) return static_cast<eGameScript>(i);
  return std::nullopt;
}

cScriptProgram& GameScriptProgram(eGameScript script) { return gPrograms[static_cast<int>(script)]; }

cScriptCode& GameScriptCode(eGameScript script) {
  const int index = static_cast<int>(script);
  if (!gCodes[index].LoweredFrom(gPrograms[index])) gCodes[index] = cScriptCode(gPrograms[index], ScriptFrameSize());
  return gCodes[index];
}

std::string ParseStopLine(const char* file, int result) {
  return std::string(file) + ":" + std::to_string(ScriptTokenLine()) +
         (result == 2 ? ": parser stack overflow here" : ": parse error here");
}

int CompileScriptText(const char* file, const std::string& text, cScriptProgram& program) {
  const int result = ParseScript(text.c_str(), program, file);
  // The parser's message alone does not say which of seven files stopped.
  if (result != 0) std::printf("%s\n", ParseStopLine(file, result).c_str());
  return result;
}

namespace {
// A file left out is the designer's choice; a folder or a device in its place is a mistake.
std::optional<std::string> ReadScriptFile(const char* path) {
  cDataFile file = ReadDataFile(path);
  if (file.Read()) return std::move(file.text);
  if (!file.missing) std::printf("%s %s; it counts as missing\n", path, file.problem.c_str());
  return std::nullopt;
}
}  // namespace

bool LoadScriptFile(const char* path, cScriptProgram& program) {
  const std::optional<std::string> text = ReadScriptFile(path);
  if (text) CompileScriptText(path, *text, program);
  return text.has_value();
}

void ResetGameScripts() {
  ResetScriptSymbols();
  for (cScriptProgram& program : gPrograms) program = cScriptProgram();
  for (cScriptCode& code : gCodes) code = cScriptCode();
  gReported.clear();
  gTexts = {};
}

bool FirstReportOf(eGameScript script, int slot) { return gReported.emplace(script, slot).second; }

namespace {
// Lowered once the symbol table is complete, so every frame has room for every symbol.
void LowerGameScripts() {
  for (int i = 0; i < kGameScriptCount; ++i) GameScriptCode(static_cast<eGameScript>(i));
}
}  // namespace

// Parse results are ignored: a file with a syntax error keeps what compiled before the error
// and gets no fallback. Each file is read just before it compiles, so their messages interleave.
void InitGameScripts() {
  ResetGameScripts();
  RegisterBoundScriptNames();
  for (int i = 0; i < kGameScriptCount; ++i) {
    gTexts[i] = ReadScriptFile(kSources[i].file);
    if (gTexts[i]) {
      CompileScriptText(kSources[i].file, *gTexts[i], gPrograms[i]);
    } else if (kSources[i].fallback) {
      gTexts[i] = kSources[i].fallback;
      ParseScript(kSources[i].fallback, gPrograms[i]);
    }
  }
  LowerGameScripts();
}

void InitGameScripts(cGameScriptTexts texts) {
  ResetGameScripts();
  RegisterBoundScriptNames();
  for (int i = 0; i < kGameScriptCount; ++i) {
    if (texts[i]) CompileScriptText(kSources[i].file, *texts[i], gPrograms[i]);
  }
  gTexts = std::move(texts);
  LowerGameScripts();
}

const cGameScriptTexts& GameScriptTexts() { return gTexts; }

void ReplaceGameScript(eGameScript script, cScriptProgram program, std::string text) {
  GameScriptProgram(script) = std::move(program);  // its code is lowered again on the next run
  gTexts[static_cast<int>(script)] = std::move(text);
}
