// Tens of thousands of random and mutated scripts through scanner, parser and one run each: nothing
// crashes, every result is one of the three, compiled code only names slots that exist, and the
// lowered code agrees with the plain evaluator.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/random.h"
#include "tests/script_differential.h"
#include "tests/script_test_support.h"

namespace {
const char* const kFragments[] = {
    "if", "(", ")", "else", "endif", "and", "or", "=", "==", "~=", ">=", "<=", ">", "<", "+", "-",
    "*", "/", "^", ";", "#", "\n", " ", "\r", "RAND", "hunger", "other_health", "x", "y_2", "0",
    "1", "3.25", "0.00002", "100", "!", "_", ".", "\xC3\xA9", "if (", "endif ", "x = ", "\t",
};

// The generator is the game's own, seeded, so a failure repeats exactly.
int Below(int n) { return NextRandom() % n; }

std::string RandomScript() {
  std::string text;
  const int pieces = 1 + Below(40);
  for (int i = 0; i < pieces; ++i) text += kFragments[Below(std::size(kFragments))];
  return text;
}

std::string Mutated(std::string text) {
  const int edits = 1 + Below(6);
  for (int i = 0; i < edits && !text.empty(); ++i) {
    const size_t at = Below(static_cast<int>(text.size()));
    switch (Below(4)) {
      case 0: text.erase(at, 1 + Below(8)); break;
      case 1: text.insert(at, kFragments[Below(std::size(kFragments))]); break;
      case 2: text[at] = static_cast<char>(1 + Below(255)); break;
      default: text.insert(at, text.substr(Below(static_cast<int>(text.size())), Below(30))); break;
    }
  }
  return text;
}

size_t Count(const cScriptProgram& program, ScriptOp op) {
  const auto& code = program.Instructions();
  return std::count_if(code.begin(), code.end(), [op](const cScriptInstruction& i) { return i.op == op; });
}

// Compiles and runs one text; returns a description of what is wrong, empty when all is well.
std::string CheckOne(const std::string& text) {
  FreshScriptSymbols();
  cScriptProgram program;
  const int result = ParseScript(text.c_str(), program);
  if (result < 0 || result > 2) return "parse result " + std::to_string(result);
  for (const cScriptInstruction& instruction : program.Instructions()) {
    const bool slotted = instruction.op == ScriptOp::kOpPushVar || instruction.op == ScriptOp::kOpAssign;
    if (slotted && (instruction.slot < 0 || static_cast<size_t>(instruction.slot) >= ScriptSymbolTable.size()))
      return "slot " + std::to_string(instruction.slot) + " outside the symbol table";
  }
  if (result == 0 && Count(program, ScriptOp::kOpIf) != Count(program, ScriptOp::kOpEndIf))
    return "an accepted program with unbalanced if/endif";
  std::vector<float> slots(ScriptFrameSize(), 1.0f);
  cScriptEvaluator().Run(program, slots);
  if (slots.size() != ScriptFrameSize()) return "the run resized its frame";
  const uint32_t shift = NextRandom();
  return LoweredDifference(program, AwkwardFrame(ScriptFrameSize(), shift), shift);
}

TEST(ScriptRobustness, RandomAndMutatedScripts) {
  SeedRandom(20240611);
  const std::vector<std::string> shipped = ShippedScripts();
  std::vector<std::string> failures;
  testing::internal::CaptureStdout();  // parse errors and comment echo by the thousand
  for (int i = 0; i < 20000; ++i) {
    const std::string text = i % 2 ? RandomScript() : Mutated(shipped[Below(static_cast<int>(shipped.size()))]);
    const std::string problem = CheckOne(text);
    if (!problem.empty()) failures.push_back(problem + " in: " + text);
  }
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(failures.empty()) << failures.size() << " failures, first: " << failures.front();
}
}  // namespace
