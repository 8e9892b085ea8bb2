// libFuzzer entry: compiles any text as a behaviour script, as the game compiles a script file,
// and runs it over a frame sized for every symbol, once through the plain evaluator and once
// through the lowered code; the two must agree bit for bit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/random.h"
#include "script/bound_names.h"
#include "script/script_parser.h"
#include "script/script_symbols.h"
#include "tests/script_differential.h"

namespace {
// A name or number longer than 16382 characters deliberately ends the process (the scanner's
// fatal error); shorter inputs cannot hold one.
constexpr size_t kLongestInput = 16382;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Parse errors and comment echo would drown libFuzzer's own report.
  return std::freopen("/dev/null", "w", stdout) ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kLongestInput) return 0;
  // As from a file: a NUL byte ends the script.
  const std::string text(reinterpret_cast<const char*>(data), size);
  ResetScriptSymbols();
  RegisterBoundScriptNames();
  cScriptProgram program;
  ParseScript(text.c_str(), program);
  // Seeded inside: RAND steers ifs, so the same input must take the same path.
  const std::string difference = LoweredDifference(program, AwkwardFrame(ScriptFrameSize(), size));
  if (!difference.empty()) {
    std::fprintf(stderr, "lowered code disagrees with the plain evaluator: %s\n", difference.c_str());
    std::abort();
  }
  return 0;
}
