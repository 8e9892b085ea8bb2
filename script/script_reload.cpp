// Reloading one game script from its file, keeping the previous program on any failure.
#include "script/script_reload.h"

#include <cctype>

#include "platform/data_file.h"
#include "script/script_parser.h"

namespace {
const char* const kKept = "; the previous script stays";

bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

// The line (from 1) on which a run of name or number characters grows past the scanner's
// safe length; 0 when there is none.
int LineOfOverlongWord(const std::string& text) {
  int line = 1;
  size_t run = 0;
  for (char c : text) {
    if (c == '\0') break;  // the script ends there
    run = IsWordCharacter(c) ? run + 1 : 0;
    if (run > kLongestReloadedWord) return line;
    if (c == '\n') ++line;
  }
  return 0;
}
}  // namespace

std::string ReloadGameScript(eGameScript script) {
  const char* name = GameScriptSource(script).file;
  const cDataFile file = ReadDataFile(name);
  if (!file.Read()) return (std::string(name) + " " + file.problem + kKept);
  if (const int line = LineOfOverlongWord(file.text))
    return (std::string(name) + ":" + std::to_string(line) + ": name or number too long here" + kKept);
  cScriptProgram fresh;
  const int result = ParseScript(file.text.c_str(), fresh);
  if (result != 0) return (ParseStopLine(name, result) + kKept);
  ReplaceGameScript(script, std::move(fresh), file.text);
  return (std::string(name) + ": reloaded");
}

std::string KeepRemovedGameScript(eGameScript script) {
  return (std::string(GameScriptSource(script).file) + " was removed" + kKept);
}
