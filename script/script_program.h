// The compiled form of a behaviour script: the instruction set, one instruction record and the
// append-only instruction list the parser fills. One opcode table describes every operation
// (mnemonic, operand, stack effect, meaning) for the listing, the lowering to fast code and the
// tests; the evaluators give each its effect.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Values are fixed: compiled programs and listings refer to them. 7 and 9 are never produced.
// What each one does is in the opcode table (script_program.cpp).
enum class ScriptOp : int32_t {
  kOpAdd = 0,
  kOpSub = 1,
  kOpMul = 2,
  kOpDiv = 3,
  kOpPow = 4,
  kOpPushConst = 5,
  kOpPushVar = 6,
  kOpAssign = 8,
  kOpRand = 10,
  kOpGreater = 11,
  kOpLess = 12,
  kOpGreaterEq = 13,
  kOpLessEq = 14,
  kOpEqual = 15,
  kOpNotEqual = 16,
  kOpIf = 17,
  kOpElse = 18,
  kOpEndIf = 19,
  kOpAnd = 20,
  kOpOr = 21,
};
constexpr int kScriptOpCount = static_cast<int>(ScriptOp::kOpOr) + 1;

struct cScriptInstruction {
  ScriptOp op = ScriptOp::kOpEndIf;
  float constant = 0.0f;  // kOpPushConst only
  int32_t slot = -1;      // kOpPushVar and kOpAssign only
};

// What an operation's operand is, which decides how a listing shows it.
enum class eScriptOperand { kNone, kConstant, kSlot };

// Stack effect: how many values an operation pops and then pushes. A pop from an empty stack
// removes nothing and reads 0.0, so the effect is an upper bound on what leaves the stack.
struct cScriptOpInfo {
  const char* mnemonic;
  eScriptOperand operand;
  int pops;
  int pushes;
  const char* meaning;
};

// The opcode table, indexed by op value; values outside 0..21 share one do-nothing entry.
const cScriptOpInfo& ScriptOpInfo(ScriptOp op);

class cScriptProgram {
 public:
  void Append(const cScriptInstruction& instruction);
  const std::vector<cScriptInstruction>& Instructions() const { return instructions_; }
  size_t Size() const { return instructions_.size(); }
  // Changes with every append, and no two appends anywhere give the same value, so a form
  // derived from a program can tell that it is out of date. An empty program has revision 0.
  uint64_t Revision() const { return revision_; }

 private:
  std::vector<cScriptInstruction> instructions_;
  uint64_t revision_ = 0;
};

// The skip rules of if/else, counting nested markers from depth 0. From a false if-marker at
// pc: the else- or endif-marker that closes its true branch. From an else-marker at pc reached
// by execution: the endif-marker that closes it. Either is Size() when the program ends first.
size_t FalseBranchEnd(const cScriptProgram& program, size_t pc);
size_t ElseBranchEnd(const cScriptProgram& program, size_t pc);

// One instruction as a designer reads it: mnemonic and operand, slots by their symbol text
// ("pushc 3", "push hunger", "assign health", "mul").
std::string ScriptInstructionText(const cScriptInstruction& instruction);
