// The seven game scripts: their files, built-in fallback texts, compiled programs and the fast
// code lowered from them, and the loading of script files. Programs are compiled at start-up,
// and again only when a designer saves a script while the game runs (script_reload).
#pragma once

#include <array>
#include <optional>
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
// The script read from `file` (a name in the data folder), if any.
std::optional<eGameScript> GameScriptOfFile(const std::string& file);
cScriptProgram& GameScriptProgram(eGameScript script);
// The program's fast code over a frame with a slot for every symbol. Lowered at start-up, and
// again on the next call after the program has changed (tests and tools compile their own).
cScriptCode& GameScriptCode(eGameScript script);

// Compiles the text of `file` into the program as the game does; when the parse stops, a line
// ParseStopLine follows the parser's own message. Returns the parse result. A NUL byte in the
// text ends the script there.
int CompileScriptText(const char* file, const std::string& text, cScriptProgram& program);
// Where the last parse of `file` stopped, for a parse result of 1 or 2:
// "FILE:LINE: parse error here" or "FILE:LINE: parser stack overflow here".
std::string ParseStopLine(const char* file, int result);
// Reads the file (a regular file of at most 1 MiB, see ReadDataFile) and compiles it into the
// program; false when it cannot be read, true whatever the parse result. Anything but a plain
// missing file is named on standard output with the reason, as it then counts as missing.
bool LoadScriptFile(const char* path, cScriptProgram& program);

// The text each script was compiled from, in compilation order; none for a script left empty
// (no file and no built-in text).
using cGameScriptTexts = std::array<std::optional<std::string>, kGameScriptCount>;

// Start-up: registers the bound names, then compiles the seven scripts from the current
// directory, each falling back to its built-in text when its file cannot be read. Starts
// from an empty symbol table, so calling it again compiles afresh.
void InitGameScripts();
// The same from texts already read (a saved game's): the same symbol slots as from files.
void InitGameScripts(cGameScriptTexts texts);
// The texts the running programs were compiled from: a save carries them.
const cGameScriptTexts& GameScriptTexts();
// A script replaced while the game runs (script_reload): its new program and the text it was
// compiled from, so that a game saved afterwards plays on with the new script.
void ReplaceGameScript(eGameScript script, cScriptProgram program, std::string text);

// Empties the symbol table and the seven programs (tests and tools that start over).
void ResetGameScripts();

// True the first time it is asked for this script and slot since the scripts were last reset:
// a bad value a script writes is told once, not on every one of its runs.
bool FirstReportOf(eGameScript script, int slot);
