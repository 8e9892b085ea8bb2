// zoma-script: the designer's tool for behaviour scripts. `check` compiles files exactly as the
// game does at start-up (same bound names first, same messages) and can list the compiled
// instructions; `run` runs one script once over values given on the command line.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "game/random.h"
#include "platform/data_file.h"
#include "platform/standard_options.h"
#include "platform/time_source.h"
#include "script/bound_names.h"
#include "script/game_scripts.h"
#include "script/script_code.h"
#include "script/script_scanner.h"
#include "script/script_symbols.h"

namespace {
// 0 parsed, 1 syntax error, 2 parser stack overflow (the game's own results); the scanner's
// fatal errors also end the process with 2, as does a bad command line (kUsageStatus).
constexpr int kUnreadableStatus = 3;

const char* const kHelp =
    "usage: zoma-script check [--list] FILE...\n"
    "       zoma-script run FILE [NAME=VALUE ...] [--seed N]\n"
    "Compiles and tries behaviour scripts exactly as the game does, without starting it.\n"
    "\n"
    "  check FILE...  compile each file and print what the game would, then\n"
    "                 \"FILE: N instructions\"\n"
    "  --list         show the compiled instructions of each file first\n"
    "  run FILE       compile FILE, set the named values (all others 0), run it once and\n"
    "                 print every name with its value\n"
    "  --seed N       make RAND repeatable\n"
    "  -h, --help     show this help\n"
    "  --version      show the version\n"
    "\n"
    "Files: reads only the FILEs named; writes nothing.\n"
    "\n"
    "Exit status: 0 when every file compiled; 1 after a syntax error; 2 after a parser stack\n"
    "overflow, a token too long for the game, or a bad command line; 3 for a FILE that is\n"
    "not a readable regular file of at most 1 MiB.\n";

int UsageMistake(const std::string& message) { return UsageError("zoma-script", message); }

// An option the subcommand does not know, or the help or the version asked for anywhere.
std::optional<int> StrayOption(const char* argument) {
  if (const std::optional<int> status = AnswerStandardOption("zoma-script", kHelp, argument)) return status;
  if (argument[0] == '-') return UnknownOption("zoma-script", argument);
  return std::nullopt;
}

// Compiles one file into the program and reports as the game would, plus where a syntax error
// stopped the parser. Returns the parse result, or kUnreadableStatus for an unreadable file.
int CompileReported(const char* file, cScriptProgram& program) {
  const cDataFile read = ReadDataFile(file);
  if (!read.Read()) {
    std::fprintf(stderr, "zoma-script: %s %s\n", file, read.problem.c_str());
    return kUnreadableStatus;
  }
  return CompileScriptText(file, read.text, program);
}

void PrintListing(const cScriptProgram& program) {
  const auto& code = program.Instructions();
  for (size_t i = 0; i < code.size(); ++i) {
    std::printf("%4zu  %s\n", i, ScriptInstructionText(code[i]).c_str());
  }
}

int Check(int argc, char** argv) {
  const bool list = argc > 0 && std::strcmp(argv[0], "--list") == 0;
  const int first = list ? 1 : 0;
  for (int i = first; i < argc; ++i) {
    if (const std::optional<int> status = StrayOption(argv[i])) return *status;
  }
  if (argc == first) return UsageMistake("check needs a FILE");
  RegisterBoundScriptNames();
  int status = 0;
  for (int i = first; i < argc; ++i) {
    cScriptProgram program;
    const int result = CompileReported(argv[i], program);
    status = std::max(status, result);
    if (result == kUnreadableStatus) continue;
    if (list) PrintListing(program);
    std::printf("%s: %zu instructions\n", argv[i], program.Size());
  }
  return status;
}

// Names, not number texts, have slots worth showing or setting.
bool IsNameSymbol(const std::string& text) { return !text.empty() && std::isalpha(static_cast<unsigned char>(text[0])); }

int NameSlot(const std::string& name) { return IsNameSymbol(name) ? FindScriptSymbol(name) : -1; }

// NAME=VALUE into the frame; false (with a message) when it is malformed or names no slot.
bool SetSlot(const char* assignment, float* slots) {
  const char* equals = std::strchr(assignment, '=');
  char* end = nullptr;
  const float value = equals ? std::strtof(equals + 1, &end) : 0.0f;
  if (!equals || end == equals + 1 || *end != '\0') {
    std::fprintf(stderr, "zoma-script: expected NAME=VALUE, got %s\n", assignment);
    return false;
  }
  const int slot = NameSlot(std::string(assignment, equals));
  if (slot < 0) {
    std::fprintf(stderr, "zoma-script: %.*s is neither a game name nor used by the script\n",
                 static_cast<int>(equals - assignment), assignment);
    return false;
  }
  slots[slot] = value;
  return true;
}

// The random source's seed: a whole decimal number of 32 bits, nothing before or after it.
bool ParseSeed(const char* text, uint32_t& seed) {
  if (*text < '0' || *text > '9') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0' || value > UINT32_MAX) return false;
  seed = static_cast<uint32_t>(value);
  return true;
}

struct cRunRequest {
  const char* file = nullptr;
  std::vector<const char*> assignments;
  bool seeded = false;
  uint32_t seed = 0;
};

// The exit status when the command line ends the program; nothing when the run goes ahead.
std::optional<int> ParseRunArguments(int argc, char** argv, cRunRequest& request) {
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0) {
      if (i + 1 >= argc) return UsageMistake("--seed needs a number");
      request.seeded = true;
      if (!ParseSeed(argv[++i], request.seed)) {
        return UsageMistake("--seed takes a whole number from 0 to 4294967295, not " + std::string(argv[i]));
      }
    } else if (const std::optional<int> status = StrayOption(argv[i])) {
      return status;
    } else if (std::strchr(argv[i], '=') || request.file) {
      request.assignments.push_back(argv[i]);
    } else {
      request.file = argv[i];
    }
  }
  if (!request.file) return UsageMistake("run needs a FILE");
  return std::nullopt;
}

int Run(int argc, char** argv) {
  cRunRequest request;
  if (const std::optional<int> status = ParseRunArguments(argc, argv, request)) return *status;
  RegisterBoundScriptNames();
  cScriptProgram program;
  const int result = CompileReported(request.file, program);
  if (result == kUnreadableStatus) return result;
  // Run as the game runs its scripts: lowered to register code.
  cScriptCode code(program, ScriptFrameSize());
  float* slots = code.FreshSlots();
  for (const char* assignment : request.assignments) {
    if (!SetSlot(assignment, slots)) return kUsageStatus;
  }
  SeedRandom(request.seeded ? request.seed : TimeGetTime());
  code.Run();
  for (size_t i = 0; i < ScriptSymbolTable.size(); ++i) {
    if (IsNameSymbol(ScriptSymbolTable[i])) std::printf("%s = %g\n", ScriptSymbolTable[i].c_str(), slots[i]);
  }
  return result;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return UsageMistake("needs check or run");
  if (std::strcmp(argv[1], "check") == 0) return Check(argc - 2, argv + 2);
  if (std::strcmp(argv[1], "run") == 0) return Run(argc - 2, argv + 2);
  if (const std::optional<int> status = StrayOption(argv[1])) return *status;
  return UsageMistake(std::string("unknown command ") + argv[1]);
}
