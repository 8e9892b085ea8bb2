// The evaluator: the stack machine's dispatch and the skip rules of if/else.
#include "script/script_evaluator.h"

#include <cmath>

#include "game/random.h"

namespace {
// The nearest floats to 0.0001 and 0.00001: equality tolerance and the logic operators' truth
// thresholds for the left and right operand.
constexpr float kEqualityTolerance = 0.0001f;
constexpr float kLeftTruthThreshold = 0.0001f;
constexpr float kRightTruthThreshold = 0.00001f;

using Code = std::vector<cScriptInstruction>;

float Truth(bool value) { return value ? 1.0f : 0.0f; }

// An if-marker's condition holds at 1.0 or more, and for NaN.
bool IfConditionHolds(float condition) { return !(condition < 1.0f); }

bool InFrame(int32_t slot, const std::vector<float>& slots) {
  return slot >= 0 && static_cast<size_t>(slot) < slots.size();
}

// From a false if-marker at pc: the else- or endif-marker that closes its true branch, or the
// end of the program.
size_t SkipFalseBranch(const Code& code, size_t pc) {
  int depth = 0;
  for (size_t i = pc + 1; i < code.size(); ++i) {
    const ScriptOp op = code[i].op;
    if ((op == ScriptOp::kOpElse || op == ScriptOp::kOpEndIf) && depth == 0) return i;
    if (op == ScriptOp::kOpIf) ++depth;
    if (op == ScriptOp::kOpEndIf) --depth;
  }
  return code.size();
}

// From an else-marker at pc (its true branch done): the endif-marker that closes it, or the
// end of the program. Nested else-markers are passed over.
size_t SkipElseBranch(const Code& code, size_t pc) {
  int depth = 0;
  for (size_t i = pc + 1; i < code.size(); ++i) {
    const ScriptOp op = code[i].op;
    if (op == ScriptOp::kOpEndIf && depth == 0) return i;
    if (op == ScriptOp::kOpIf) ++depth;
    if (op == ScriptOp::kOpEndIf) --depth;
  }
  return code.size();
}
}  // namespace

float cScriptEvaluator::Pop() {
  if (stack_.empty()) return 0.0f;
  const float value = stack_.back();
  stack_.pop_back();
  return value;
}

template <typename Operation>
void cScriptEvaluator::Binary(Operation operation) {
  const float b = Pop();
  const float a = Pop();
  Push(operation(a, b));
}

void cScriptEvaluator::Run(const cScriptProgram& program, std::vector<float>& slots) {
  const Code& code = program.Instructions();
  stack_.clear();
  for (size_t pc = 0; pc < code.size(); ++pc) {
    const ScriptOp op = code[pc].op;
    if (op == ScriptOp::kOpIf) {
      if (!IfConditionHolds(Pop())) pc = SkipFalseBranch(code, pc);
    } else if (op == ScriptOp::kOpElse) {
      pc = SkipElseBranch(code, pc);
    } else {
      Execute(code[pc], slots);
    }
  }
}

void cScriptEvaluator::Execute(const cScriptInstruction& instruction, std::vector<float>& slots) {
  switch (instruction.op) {
    case ScriptOp::kOpAdd: Binary([](float a, float b) { return a + b; }); break;
    case ScriptOp::kOpSub: Binary([](float a, float b) { return a - b; }); break;
    case ScriptOp::kOpMul: Binary([](float a, float b) { return a * b; }); break;
    case ScriptOp::kOpDiv: Binary([](float a, float b) { return a / b; }); break;
    case ScriptOp::kOpPow: Binary([](float a, float b) { return std::pow(b, a); }); break;
    case ScriptOp::kOpPushConst: Push(instruction.constant); break;
    case ScriptOp::kOpPushVar:
      Push(InFrame(instruction.slot, slots) ? slots[instruction.slot] : 0.0f);
      break;
    case ScriptOp::kOpAssign:
      if (InFrame(instruction.slot, slots)) slots[instruction.slot] = Top();
      Pop();
      break;
    case ScriptOp::kOpRand: Push(static_cast<float>(NextRandom()) * kInverseRandomMax); break;
    case ScriptOp::kOpGreater: Binary([](float a, float b) { return Truth(a > b); }); break;
    case ScriptOp::kOpLess: Binary([](float a, float b) { return Truth(a < b); }); break;
    case ScriptOp::kOpGreaterEq: Binary([](float a, float b) { return Truth(a >= b); }); break;
    case ScriptOp::kOpLessEq: Binary([](float a, float b) { return Truth(a <= b); }); break;
    case ScriptOp::kOpEqual:
      Binary([](float a, float b) { return Truth(std::fabs(a - b) < kEqualityTolerance); });
      break;
    case ScriptOp::kOpNotEqual:
      Binary([](float a, float b) { return Truth(std::fabs(a - b) > kEqualityTolerance); });
      break;
    case ScriptOp::kOpAnd:
      Binary([](float a, float b) {
        return Truth(b > kRightTruthThreshold && a > kLeftTruthThreshold);
      });
      break;
    case ScriptOp::kOpOr:
      Binary([](float a, float b) {
        return Truth(b > kRightTruthThreshold || a > kLeftTruthThreshold);
      });
      break;
    default: break;  // endif-markers, 7, 9 and unknown values do nothing
  }
}
