// The lowered register code against the plain evaluator: the shipped scripts, every script of
// docs/scripting.md and hand-built odd programs, each from many awkward frames; the opcode
// table's stack effects; and the programs left to the plain evaluator.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/script_differential.h"
#include "tests/script_program_builder.h"
#include "tests/script_test_support.h"

namespace {
constexpr size_t kFrameShifts = 17;  // every awkward value meets every slot

// Every ```script block of the scripting guide.
std::vector<std::string> GuideScripts() {
  std::ifstream file(ZOMA_SOURCE_DIR "/docs/scripting.md", std::ios::binary);
  std::vector<std::string> scripts;
  bool inScript = false;
  for (std::string line; std::getline(file, line);) {
    if (line == "```script") {
      inScript = true;
      scripts.emplace_back();
    } else if (inScript && line == "```") {
      inScript = false;
    } else if (inScript) {
      scripts.back() += line + "\n";
    }
  }
  return scripts;
}

void ExpectAgreement(const cScriptProgram& program, const std::string& what, size_t frameSize = 0) {
  if (frameSize == 0) frameSize = ScriptFrameSize();
  for (size_t shift = 0; shift < kFrameShifts; ++shift) {
    const std::string difference = LoweredDifference(program, AwkwardFrame(frameSize, shift), 40 + shift);
    ASSERT_EQ(difference, "") << what << ", frame shift " << shift;
  }
}

TEST(ScriptCode, ShippedScriptsAndGuideExamplesAgreeWithThePlainEvaluator) {
  const std::vector<std::string> shipped = ShippedScripts(), guide = GuideScripts();
  ASSERT_EQ(guide.size(), 14u);
  std::vector<std::string> texts = shipped;
  texts.insert(texts.end(), guide.begin(), guide.end());
  for (size_t i = 0; i < texts.size(); ++i) {
    FreshScriptSymbols();
    cScriptProgram program;
    std::string printed;
    ParseCapturing(texts[i], program, &printed);  // the guide shows broken scripts too
    const cScriptCode code(program, ScriptFrameSize());
    EXPECT_TRUE(code.IsRegisterCode()) << texts[i];
    // Operands read in place and results stored straight into their slots.
    if (i < shipped.size()) {
      EXPECT_LE(code.CodeSize(), program.Size() / 2) << texts[i];
    }
    ExpectAgreement(program, texts[i]);
  }
}

// Texts the parser accepts but whose stack does odd things.
TEST(ScriptCode, OddScriptsAgree) {
  const char* const texts[] = {
      "x = 5 + (b = 2)", "x = (b = 2) - 5", "x = (a = 1)", "if (x = 1) y = 1 else y = 2 endif z = 3",
      "hunger + 1 health = 2", "if (a = 1 b > 2) c = 1 endif", "x = x + (x = 3)", "a = b + (b = a) b = a",
      "if (hunger) health = 1 else if (energy and speed) health = 2 else health = 3 endif endif",
      "if (1) 5 endif x = 2", "if (attack) 1 2 else 3 endif x = 1 + 2", "if (hunger ~= health or 0) x = 1 endif",
      "x = RAND y = RAND if (RAND < 0.5) z = RAND endif", "x = 2 ^ hunger ^ 0.5 y = 0 / 0 if (y) z = 1 endif",
      "if (if_x == 1) a = 1 else a = 2 endif if (a <= 1.5) b = 1 endif if (a >= 2) c = 1 endif",
      "speed = speed health = health attack = defend defend = attack",
      // A comparison kept in a slot and then tested: the slot must hold the comparison's value.
      "hunger = energy > 2 if (hunger) health = 1 endif", "x = a < b if (x) y = 1 endif z = x",
      "if (hunger = energy > 2) health = 1 endif", "if (x = a ~= b) y = 1 else y = 2 endif z = x + 1",
      "x = a >= b if (x) if (y = x == 1) z = y endif endif", "5 x = a <= b if (x) y = 1 endif z = x",
      "x = a == b y = x if (x) z = 1 endif",
  };
  for (const char* text : texts) {
    FreshScriptSymbols();
    cScriptProgram program;
    std::string printed;
    ASSERT_EQ(ParseCapturing(text, program, &printed), 0) << text;
    ExpectAgreement(program, text);
  }
}

constexpr ScriptOp kIf = ScriptOp::kOpIf, kElse = ScriptOp::kOpElse, kEndIf = ScriptOp::kOpEndIf;

// What a broken parse or a hand-made list can hold: unbalanced markers, ops never produced, slots
// outside a 10-slot frame.
TEST(ScriptCode, HandBuiltProgramsAgree) {
  const std::vector<std::pair<const char*, cScriptProgram>> cases = {
      {"false if without endif", Program({Push(1), Op(kIf), Const(1), Assign(0)})},
      {"else without endif", Program({Push(1), Op(kIf), Const(1), Assign(0), Op(kElse), Const(2), Assign(2)})},
      {"two elses", Program({Push(1), Op(kIf), Const(1), Assign(0), Op(kElse), Const(2), Assign(2), Op(kElse),
                             Const(3), Assign(3), Op(kEndIf), Push(0), Assign(4)})},
      {"stray endifs", Program({Op(kEndIf), Const(4), Assign(0), Op(kEndIf), Op(kEndIf), Push(0), Assign(1)})},
      {"ops 7, 9 and unknown", Program({Const(3), Op(ScriptOp(7)), Op(ScriptOp(9)), Op(ScriptOp(99)),
                                        Op(ScriptOp(-4)), Assign(1)})},
      {"slots outside the frame", Program({Const(5), Assign(15), Push(2), Push(150), Op(ScriptOp::kOpAdd),
                                           Assign(0), Push(-1), Assign(-1), Push(2), Assign(1)})},
      {"pops from the empty stack", Program({Op(ScriptOp::kOpSub), Op(ScriptOp::kOpPow), Assign(0), Assign(1),
                                             Op(kIf), Const(1), Assign(2), Op(kEndIf)})},
      {"if at the very end", Program({Push(3), Op(kIf)})},
      {"branches leave different depths", Program({Push(1), Op(kIf), Const(7), Const(8), Op(kElse), Push(2),
                                                   Op(kEndIf), Op(ScriptOp::kOpMul), Assign(0), Assign(3),
                                                   Assign(4)})},
      {"comparison feeding an if with values beneath", Program({Push(5), Push(6), Push(1), Push(2),
                                                                Op(ScriptOp::kOpLess), Op(kIf), Assign(3),
                                                                Op(kElse), Assign(4), Op(kEndIf), Assign(5)})},
      {"nested false if passes inner else", Program({Const(0), Op(kIf), Const(1), Op(kIf), Const(1), Assign(0),
                                                     Op(kElse), Const(2), Assign(0), Op(kEndIf), Op(kElse),
                                                     Const(3), Assign(1), Op(kEndIf)})},
      {"NaN constant condition", Program({Const(NAN), Op(kIf), Const(1), Assign(0), Op(kEndIf)})},
  };
  for (const auto& [what, program] : cases) ExpectAgreement(program, what, 10);
}

// Each branch leaves one more value than the other, so after n of them the stack can be any of
// n + 1 depths: lowering per depth would square the code, and the plain evaluator takes over.
TEST(ScriptCode, TangledProgramsRunOnThePlainEvaluator) {
  // Slot 6 is read first and assigned last: the next run must still find it cleared.
  cScriptProgram program = Program({Push(6), Assign(0)});
  for (int i = 0; i < 60; ++i) {
    for (const cScriptInstruction& instruction : {Push(i % 4), Op(kIf), Const(static_cast<float>(i)), Op(kElse), Op(kEndIf)})
      program.Append(instruction);
  }
  for (const cScriptInstruction& instruction : {Assign(4), Assign(5), Op(ScriptOp::kOpAdd), Assign(6)}) program.Append(instruction);
  EXPECT_FALSE(cScriptCode(program, 10).IsRegisterCode());
  ExpectAgreement(program, "tangled", 10);

  cScriptProgram few;
  for (int i = 0; i < 3; ++i) {
    for (const cScriptInstruction& instruction : {Push(i), Op(kIf), Const(1), Op(kElse), Op(kEndIf)}) few.Append(instruction);
  }
  few.Append(Assign(4));
  EXPECT_TRUE(cScriptCode(few, 10).IsRegisterCode()) << "a few meetings at different depths are lowered";
  ExpectAgreement(few, "a few different depths", 10);
}

// The lowering sizes its stack from the table, so the table must say what the plain evaluator
// does: with a marker and three values on the stack, the op, then pops into slots 1..6 until
// the marker shows up.
TEST(ScriptCode, OpcodeTableStackEffectsAreTheEvaluators) {
  constexpr float kMarker = 1000.0f;
  for (int value = -1; value <= kScriptOpCount; ++value) {
    const ScriptOp op = static_cast<ScriptOp>(value);
    const cScriptOpInfo& info = ScriptOpInfo(op);
    cScriptProgram program = Program({Const(kMarker), Const(2), Const(3), Const(4), {op, 5.0f, 9}, Op(kEndIf)});
    for (int slot = 1; slot <= 6; ++slot) program.Append(Assign(slot));
    std::vector<float> slots(10, 0.0f);
    cScriptEvaluator().Run(program, slots);
    int depth = 1;
    while (depth <= 6 && slots[depth] != kMarker) ++depth;
    EXPECT_EQ(depth - 4, info.pushes - info.pops) << info.mnemonic << " (" << value << "): " << info.meaning;
    ExpectAgreement(program, info.mnemonic, 10);
  }
}

TEST(ScriptCode, RelowersOnlyAfterTheProgramChanges) {
  cScriptProgram program = Program({Const(2), Assign(0)});
  const cScriptCode code(program, 10);
  EXPECT_TRUE(code.LoweredFrom(program));
  cScriptProgram copy = program;
  EXPECT_TRUE(code.LoweredFrom(copy)) << "a copy is the same program";
  program.Append(Assign(1));
  EXPECT_FALSE(code.LoweredFrom(program));
  copy.Append(Assign(1));
  EXPECT_FALSE(code.LoweredFrom(copy)) << "appending the same instruction elsewhere is still a change";
  EXPECT_FALSE(cScriptCode().LoweredFrom(cScriptProgram())) << "unlowered code matches nothing";
}
}  // namespace
