// The behaviour-script compiler: golden listings of what each construct compiles to, the
// groupings precedence gives, and the two failures with their messages and results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/script_test_support.h"

namespace {
using Lines = std::vector<std::string>;

struct cListingCase {
  const char* text;
  Lines listing;
};

class ScriptParserTest : public testing::Test {
 protected:
  void SetUp() override { FreshScriptSymbols(); }

  // The listing of a fresh program, after checking the parse's result and what it printed.
  Lines Compile(const std::string& text, int expectedResult = 0, const std::string& expectedPrinted = "") {
    cScriptProgram program;
    std::string printed;
    EXPECT_EQ(ParseCapturing(text, program, &printed), expectedResult) << text;
    EXPECT_EQ(printed, expectedPrinted) << text;
    return Listing(program);
  }
};

TEST_F(ScriptParserTest, FallbackMotivesScriptListing) {
  const Lines expected = {"pushc 3",     "pushc 2",       "mul",         "pushc 4",
                          "gt",          "pushc 2",       "pushc 1",     "lt",
                          "and",         "pushc 1",       "pushc 1",     "eq",
                          "or",          "if",            "pushc 20",    "assign health",
                          "pushc 30",    "assign energy", "else",        "pushc 40",
                          "assign attack", "pushc 50",    "assign defend", "endif"};
  EXPECT_EQ(Compile("if ((3*2 > 4 and 2 < 1) or 1==1) health = 20 energy = 30 else attack = 40 "
                    "defend = 50 endif"),
            expected);
}

TEST_F(ScriptParserTest, ConstructListings) {
  const cListingCase cases[] = {
      {"speed = speed", {"push speed", "assign speed"}}, {"x = 2 * y", {"pushc 2", "push y", "mul", "assign x"}},
      {"x = -y", {"push y", "pushc -1", "mul", "assign x"}}, {"x = 2 ^ 3", {"pushc 2", "pushc 3", "pow", "assign x"}},
      {"x = 7 / 2 - 1.5", {"pushc 7", "pushc 2", "div", "pushc 1.5", "sub", "assign x"}},
      {"a ~= b a <= b a >= b", {"push a", "push b", "ne", "push a", "push b", "le", "push a", "push b", "ge"}},
      {"if (a > 1) b = 2 else b = 3 endif",
       {"push a", "pushc 1", "gt", "if", "pushc 2", "assign b", "else", "pushc 3", "assign b", "endif"}},
      {"if (a) if (b) c = 1 endif endif",
       {"push a", "if", "push b", "if", "pushc 1", "assign c", "endif", "endif"}},
      {"if (a = 1 b > 2) c = 1 endif",
       {"pushc 1", "assign a", "push b", "pushc 2", "gt", "if", "pushc 1", "assign c", "endif"}},
      {"x = RAND", {"rand", "assign x"}}, {"RAND = 5", {"pushc 5", "assign RAND"}}, {"RAND(3)", {"rand", "pushc 3"}},
      {"hunger + 1", {"push hunger", "pushc 1", "add"}},
      {"a = 1\nb = 2", {"pushc 1", "assign a", "pushc 2", "assign b"}},
  };
  for (const cListingCase& c : cases) EXPECT_EQ(Compile(c.text), c.listing) << c.text;
}

TEST_F(ScriptParserTest, PrecedenceAndAssociativity) {
  const cListingCase cases[] = {
      {"a - b - c", {"push a", "push b", "sub", "push c", "sub"}},
      {"a ^ b ^ c", {"push a", "push b", "pow", "push c", "pow"}},
      {"-a ^ b", {"push a", "pushc -1", "mul", "push b", "pow"}},
      {"a * b ^ c", {"push a", "push b", "push c", "pow", "mul"}},
      {"a + b * c", {"push a", "push b", "push c", "mul", "add"}},
      {"a or b and c", {"push a", "push b", "push c", "and", "or"}},
      {"a < b < c", {"push a", "push b", "lt", "push c", "lt"}},
      {"a and b < c", {"push a", "push b", "push c", "lt", "and"}},
      {"a == b + 1", {"push a", "push b", "pushc 1", "add", "eq"}},
      {"x = a or b", {"push a", "push b", "or", "assign x"}}, {"a = b = c", {"push c", "assign b", "assign a"}},
      {"a + b = c", {"push a", "push c", "assign b", "add"}},
      // With no statement separator, a minus after an expression continues it.
      {"a -1", {"push a", "pushc 1", "sub"}}, {"a (b)", {"push a", "push b"}},
  };
  for (const cListingCase& c : cases) EXPECT_EQ(Compile(c.text), c.listing) << c.text;
}

TEST_F(ScriptParserTest, SyntaxErrorStopsAtTheFirstErrorKeepingEarlierCode) {
  const cListingCase cases[] = {
      {"a = 1;", {"pushc 1", "assign a"}}, {"a = 1 b = 2 ; c = 3", {"pushc 1", "assign a", "pushc 2", "assign b"}},
      {"", {}}, {"#\n", {}}, {"(a) = 1", {"push a"}}, {"3 = 4", {"pushc 3"}}, {"else", {}}, {"endif", {}},
      {"if () a = 1 endif", {}}, {"if (a) endif", {"push a", "if"}},
      {"if (a) b = 1", {"push a", "if", "pushc 1", "assign b"}}, {"x = (1", {"pushc 1"}}, {"x = 1 +", {"pushc 1"}},
  };
  for (const cListingCase& c : cases) EXPECT_EQ(Compile(c.text, 1, "parse error\n"), c.listing) << c.text;
}

// The stack grows past its first size up to a limit; beyond it the parse stops with result 2.
TEST_F(ScriptParserTest, NestingGrowsTheStackUpToItsLimit) {
  EXPECT_EQ(Compile("x = " + std::string(4000, '(') + "1" + std::string(4000, ')')), (Lines{"pushc 1", "assign x"}));
  for (const std::string& text : {"x = " + std::string(10000, '(') + "1" + std::string(10000, ')'),
                                  "x = " + std::string(20000, '-') + "1"})
    Compile(text, 2, "parser stack overflow\n");
}

// Parses append to the program, an earlier syntax error not disturbing the next; numbers
// become single-precision constants.
TEST_F(ScriptParserTest, ParsesAppendToTheProgram) {
  cScriptProgram program;
  std::string printed;
  for (const char* text : {"a = 1", "a = 1;", "x = 0.1 y = 16777217 z = 3.250"})
    ParseCapturing(text, program, &printed);
  EXPECT_EQ(Listing(program), (Lines{"pushc 1", "assign a", "pushc 1", "assign a", "pushc 0.1", "assign x",
                                     "pushc 1.67772e+07", "assign y", "pushc 3.25", "assign z"}));
  const auto& code = program.Instructions();
  EXPECT_EQ(code[4].constant, 0.1f);
  EXPECT_EQ(code[6].constant, 16777216.0f);
  EXPECT_EQ(code[8].constant, 3.25f);
  for (const cScriptInstruction& instruction : code) {
    const bool hasSlot = instruction.op == ScriptOp::kOpAssign || instruction.op == ScriptOp::kOpPushVar;
    EXPECT_EQ(instruction.slot >= 0, hasSlot);
  }
}
}  // namespace
