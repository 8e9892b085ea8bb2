// The compiled form of a behaviour script: the instruction set, one instruction record and the
// append-only instruction list the parser fills. One opcode table describes every operation for
// the listing and the tests; the evaluator gives each its effect.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Values are fixed: compiled programs and listings refer to them. 7 and 9 are never produced.
enum class ScriptOp : int32_t {
  kOpAdd = 0,        // pop b, pop a, push a + b
  kOpSub = 1,        // pop b, pop a, push a - b
  kOpMul = 2,        // pop b, pop a, push a * b
  kOpDiv = 3,        // pop b, pop a, push a / b (IEEE: infinity or NaN on zero)
  kOpPow = 4,        // pop b, pop a, push b raised to a: the right operand is the base
  kOpPushConst = 5,  // push constant
  kOpPushVar = 6,    // push slots[slot]
  kOpAssign = 8,     // slots[slot] = top, pop; pushes nothing
  kOpRand = 10,      // push the next shared random draw scaled into [0, 1]
  kOpGreater = 11,   // pop b, pop a, push a > b
  kOpLess = 12,      // pop b, pop a, push a < b
  kOpGreaterEq = 13, // pop b, pop a, push a >= b
  kOpLessEq = 14,    // pop b, pop a, push a <= b
  kOpEqual = 15,     // pop b, pop a, push |a - b| < 0.0001
  kOpNotEqual = 16,  // pop b, pop a, push |a - b| > 0.0001
  kOpIf = 17,        // pop the condition; below 1.0 skips to the matching else or endif
  kOpElse = 18,      // end of a true branch: skips to the matching endif
  kOpEndIf = 19,     // marker only
  kOpAnd = 20,       // pop b, pop a, push b > 0.00001 and a > 0.0001
  kOpOr = 21,        // pop b, pop a, push b > 0.00001 or a > 0.0001
};
constexpr int kScriptOpCount = 22;

struct cScriptInstruction {
  ScriptOp op = ScriptOp::kOpEndIf;
  float constant = 0.0f;  // kOpPushConst only
  int32_t slot = -1;      // kOpPushVar and kOpAssign only
};

// What an operation's operand is, which decides how a listing shows it.
enum class eScriptOperand { kNone, kConstant, kSlot };

struct cScriptOpInfo {
  const char* mnemonic;
  eScriptOperand operand;
};

// The opcode table, indexed by op value; values outside 0..21 have no entry.
const cScriptOpInfo& ScriptOpInfo(ScriptOp op);

class cScriptProgram {
 public:
  void Append(const cScriptInstruction& instruction) { instructions_.push_back(instruction); }
  const std::vector<cScriptInstruction>& Instructions() const { return instructions_; }
  size_t Size() const { return instructions_.size(); }

 private:
  std::vector<cScriptInstruction> instructions_;
};

// One instruction as a designer reads it: mnemonic and operand, slots by their symbol text
// ("pushc 3", "push hunger", "assign health", "mul").
std::string ScriptInstructionText(const cScriptInstruction& instruction);
