// The behaviour-script evaluator: arithmetic, the power's operand order, comparison and logic
// thresholds, the truth rules and skips of if/else, RAND, and runs that stay inside the frame.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "game/random.h"
#include "tests/script_program_builder.h"
#include "tests/script_test_support.h"

namespace {
using cValues = std::vector<std::pair<const char*, float>>;
struct cRunCase {
  const char* text;
  cValues before, after;
};

// Each text compiled over the game's names and run over a zeroed frame that holds `before`.
void ExpectRuns(const std::vector<cRunCase>& cases, int runs = 1) {
  for (const cRunCase& c : cases) {
    FreshScriptSymbols();
    cScriptProgram program;
    std::string printed;
    ASSERT_EQ(ParseCapturing(c.text, program, &printed), 0) << c.text;
    std::vector<float> slots(ScriptFrameSize(), 0.0f);
    for (const auto& [name, value] : c.before) slots[InternScriptSymbol(name)] = value;
    for (int run = 0; run < runs; ++run) cScriptEvaluator().Run(program, slots);
    for (const auto& [name, value] : c.after)
      EXPECT_EQ(slots[InternScriptSymbol(name)], value) << c.text << ": " << name;
  }
}

constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(ScriptEvaluator, Arithmetic) {
  ExpectRuns({
      {"x = 7 / 2", {}, {{"x", 3.5f}}}, {"x = 1 / 0", {}, {{"x", kInfinity}}}, {"x = 2 + 3 * 4", {}, {{"x", 14.0f}}},
      {"x = 10 - 4 - 3", {}, {{"x", 3.0f}}}, {"x = -y", {{"y", 4.0f}}, {{"x", -4.0f}}},
      {"x = 0.1 + 0.2", {}, {{"x", 0.1f + 0.2f}}},
      {"hunger = hunger - 1.5 * seconds", {{"hunger", 50.0f}, {"seconds", 0.5f}}, {{"hunger", 49.25f}}},
      // The power takes its right operand as the base.
      {"x = 2 ^ 3", {}, {{"x", 9.0f}}}, {"x = 3 ^ 2", {}, {{"x", 8.0f}}}, {"x = 2 ^ 0.5", {}, {{"x", 0.25f}}},
      {"x = -2 ^ 2", {}, {{"x", 0.25f}}},  // (-2) ^ 2 is 2 raised to -2
      {"x = 2 * 3 ^ 2", {}, {{"x", 16.0f}}},
  });
}

TEST(ScriptEvaluator, ComparisonsAndLogic) {
  ExpectRuns({
      {"x = 3 == 3.00005", {}, {{"x", 1.0f}}}, {"x = 3 == 3.001", {}, {{"x", 0.0f}}},
      {"x = 3 ~= 3.001", {}, {{"x", 1.0f}}}, {"x = 3 ~= 3.00005", {}, {{"x", 0.0f}}},
      // 0.0001 apart is exactly the tolerance: neither equal nor unequal.
      {"x = 0 == 0.0001 y = 0 ~= 0.0001 z = 0 == 0.00009", {}, {{"x", 0.0f}, {"y", 0.0f}, {"z", 1.0f}}},
      {"a = 2 > 1 b = 2 < 1 c = 2 >= 2 d = 2 <= 1.5", {},
       {{"a", 1.0f}, {"b", 0.0f}, {"c", 1.0f}, {"d", 0.0f}}},
      {"n = 0 / 0 a = n > 1 b = n <= 1 c = n == n d = n ~= 1", {},
       {{"a", 0.0f}, {"b", 0.0f}, {"c", 0.0f}, {"d", 0.0f}}},
      // Logic thresholds depend on the operand side.
      {"x = -1 and 1", {}, {{"x", 0.0f}}}, {"x = 0.5 and 0.5", {}, {{"x", 1.0f}}},
      {"x = 0.00002 and 1", {}, {{"x", 0.0f}}}, {"x = 1 and 0.00002", {}, {{"x", 1.0f}}},
      {"x = 0 or 0.001", {}, {{"x", 1.0f}}}, {"x = 0 or 0.00002", {}, {{"x", 1.0f}}},
      {"x = 0.00002 or 0", {}, {{"x", 0.0f}}}, {"x = 0 or 0", {}, {{"x", 0.0f}}},
  });
}

TEST(ScriptEvaluator, IfTruthAndSkips) {
  ExpectRuns({
      {"if (0.999) a = 1 else a = 2 endif", {}, {{"a", 2.0f}}}, {"if (1) a = 1 else a = 2 endif", {}, {{"a", 1.0f}}},
      {"if (x) a = 1 else a = 2 endif", {{"x", 2.0f}}, {{"a", 1.0f}}},
      {"if (0.5 and 0.5) a = 1 else a = 2 endif", {}, {{"a", 1.0f}}},
      {"if (0 / 0) a = 1 else a = 2 endif", {}, {{"a", 1.0f}}},
      {"if (-5) a = 1 endif b = 3", {}, {{"a", 0.0f}, {"b", 3.0f}}},
      {"if (1) a = 1 else b = 2 endif c = 3", {{"b", 7.0f}}, {{"a", 1.0f}, {"b", 7.0f}, {"c", 3.0f}}},
      {"if (0) if (1) a = 1 else a = 2 endif b = 1 else c = 1 endif", {},
       {{"a", 0.0f}, {"b", 0.0f}, {"c", 1.0f}}},
      {"if (1) if (0) a = 1 else a = 2 endif b = 1 else c = 1 endif", {},
       {{"a", 2.0f}, {"b", 1.0f}, {"c", 0.0f}}},
      {"if (1) a = 1 else if (1) b = 1 else b = 2 endif c = 1 endif d = 1", {},
       {{"a", 1.0f}, {"b", 0.0f}, {"c", 0.0f}, {"d", 1.0f}}},
      {"if (1) a = 1 if (1) b = 1 else b = 2 endif else c = 1 endif d = 1", {},
       {{"a", 1.0f}, {"b", 1.0f}, {"c", 0.0f}, {"d", 1.0f}}},
      {"if (a = 1 b > 2) c = 1 endif", {{"b", 3.0f}}, {{"a", 1.0f}, {"c", 1.0f}}},
  });
}

TEST(ScriptEvaluator, LeftoversAndTheEmptyStack) {
  ExpectRuns({
      {"speed = speed", {{"speed", 2.5f}}, {{"speed", 2.5f}}},
      {"hunger + 1", {{"hunger", 40.0f}}, {{"hunger", 40.0f}}}, {"RAND = 5 x = RAND", {}, {{"RAND", 5.0f}}},
      // Assignments leave nothing behind, so using one as an operand pops an empty stack: it reads
      // 0.0 and the run goes on.
      {"x = 5 + (b = 2)", {}, {{"x", 5.0f}, {"b", 2.0f}}}, {"x = (b = 2) - 5", {}, {{"x", -5.0f}, {"b", 2.0f}}},
      {"x = (a = 1)", {{"x", 9.0f}}, {{"x", 0.0f}, {"a", 1.0f}}},
      {"if (x = 1) y = 1 else y = 2 endif z = 3", {}, {{"x", 1.0f}, {"y", 2.0f}, {"z", 3.0f}}},
  });
}

TEST(ScriptEvaluator, RandDrawsSuccessiveValuesOfTheSharedSequence) {
  SeedRandom(2024);
  float draws[4];
  for (float& draw : draws) draw = static_cast<float>(NextRandom()) * kInverseRandomMax;
  SeedRandom(2024);
  // Two runs: the second goes on with the sequence.
  const cValues after = {{"v", draws[0]}, {"w", draws[1]}, {"x", draws[2]}, {"y", draws[3]}};
  ExpectRuns({{"v = x w = y x = RAND y = RAND", {}, after}}, 2);
}

// The unbalanced markers a broken parse can leave, op values the parser never produces, and
// slots outside the frame.
TEST(ScriptEvaluator, HandBuiltPrograms) {
  struct cProgramCase {
    const char* what;
    cScriptProgram program;
    std::vector<float> expected;  // slots 0..2 after the run, from 0, 0, 7
  };
  const cProgramCase cases[] = {
      {"false if without endif ends the run", Program({Const(0), Op(ScriptOp::kOpIf), Const(1), Assign(0)}), {0, 0, 7}},
      {"else without endif ends the run",
       Program({Const(1), Op(ScriptOp::kOpIf), Const(1), Assign(0), Op(ScriptOp::kOpElse), Const(2), Assign(1)}),
       {1, 0, 7}},
      {"ops 7, 9 and unknown values do nothing",
       Program({Const(3), Op(static_cast<ScriptOp>(7)), Op(static_cast<ScriptOp>(9)),
                Op(static_cast<ScriptOp>(99)), Op(static_cast<ScriptOp>(-4)), Assign(1)}),
       {0, 3, 7}},
      {"stray endif does nothing", Program({Op(ScriptOp::kOpEndIf), Const(4), Assign(0)}), {4, 0, 7}},
      {"assignment outside the frame writes nothing", Program({Const(5), Assign(150), Const(6), Assign(-1)}), {0, 0, 7}},
      {"a slot outside the frame reads 0", Program({Push(2), Push(150), Op(ScriptOp::kOpAdd), Assign(0)}), {7, 0, 7}},
  };
  for (const cProgramCase& c : cases) {
    std::vector<float> slots(100, 0.0f);
    slots[2] = 7.0f;
    cScriptEvaluator().Run(c.program, slots);
    ASSERT_EQ(slots.size(), 100u) << c.what;
    EXPECT_EQ(std::vector<float>(slots.begin(), slots.begin() + 3), c.expected) << c.what;
    for (size_t i = 3; i < slots.size(); ++i) ASSERT_EQ(slots[i], 0.0f) << c.what << ", slot " << i;
  }
}

TEST(ScriptEvaluator, EveryRunStartsWithAnEmptyStack) {
  cScriptEvaluator evaluator;
  std::vector<float> slots(100, 0.0f);
  evaluator.Run(Program({Const(8), Const(9)}), slots);
  evaluator.Run(Program({Assign(0)}), slots);
  EXPECT_EQ(slots[0], 0.0f) << "values left by an earlier run are gone";
}
}  // namespace
