// zoma-script: the designer's tool for behaviour scripts. `check` compiles files exactly as the
// game does at start-up (same 28 bound names first, same messages) and can list the compiled
// instructions; `run` runs one script once over values given on the command line.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/random.h"
#include "platform/data_file.h"
#include "platform/time_source.h"
#include "script/bound_names.h"
#include "script/game_scripts.h"
#include "script/script_code.h"
#include "script/script_scanner.h"
#include "script/script_symbols.h"

namespace {
// 0 parsed, 1 syntax error, 2 parser stack overflow (the game's own results); the scanner's
// fatal errors also end the process with 2.
constexpr int kUsageStatus = 3;

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: zoma-script check [--list] FILE...\n"
               "       zoma-script run FILE [NAME=VALUE ...] [--seed N]\n"
               "check: compile each file as the game does; --list shows the instructions.\n"
               "run:   compile FILE, set the named slots (others 0), run it once and print\n"
               "       every name's value; --seed makes RAND reproducible.\n"
               "Exit status: 0 parsed, 1 syntax error, 2 parser stack overflow or a token\n"
               "too long for the scanner, 3 usage error or unreadable file.\n");
}

int UsageError() {
  PrintUsage(stderr);
  return kUsageStatus;
}

// Compiles one file into the program and reports as the game would, plus where a syntax error
// stopped the parser. Returns the parse result, or kUsageStatus for an unreadable file.
int CompileReported(const char* file, cScriptProgram& program) {
  const cDataFile read = ReadDataFile(file);
  if (!read.Read()) {
    std::fprintf(stderr, "zoma-script: %s %s\n", file, read.problem.c_str());
    return kUsageStatus;
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
  if (argc == first) return UsageError();
  RegisterBoundScriptNames();
  int status = 0;
  for (int i = first; i < argc; ++i) {
    cScriptProgram program;
    const int result = CompileReported(argv[i], program);
    status = std::max(status, result);
    if (result == kUsageStatus) continue;
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

// A bad option value: one line, and the status every tool gives it.
constexpr int kBadValueStatus = 2;

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

// 0 when the arguments hold a file; otherwise the status to end with, after a message.
int ParseRunArguments(int argc, char** argv, cRunRequest& request) {
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      request.seeded = true;
      if (!ParseSeed(argv[++i], request.seed)) {
        std::fprintf(stderr, "zoma-script: --seed takes a whole number from 0 to %u, not %s\n", UINT32_MAX, argv[i]);
        return kBadValueStatus;
      }
    } else if (std::strchr(argv[i], '=') || request.file) {
      request.assignments.push_back(argv[i]);
    } else {
      request.file = argv[i];
    }
  }
  return request.file ? 0 : UsageError();
}

int Run(int argc, char** argv) {
  cRunRequest request;
  if (const int status = ParseRunArguments(argc, argv, request)) return status;
  RegisterBoundScriptNames();
  cScriptProgram program;
  const int result = CompileReported(request.file, program);
  if (result == kUsageStatus) return result;
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
  if (argc >= 2 && std::strcmp(argv[1], "check") == 0) return Check(argc - 2, argv + 2);
  if (argc >= 2 && std::strcmp(argv[1], "run") == 0) return Run(argc - 2, argv + 2);
  if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
    PrintUsage(stdout);
    return 0;
  }
  return UsageError();
}
