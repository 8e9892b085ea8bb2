// The plain evaluator: the stack machine's dispatch and the skip rules of if/else, run straight
// off the instruction list. The lowered code must agree with it on every program.
#include "script/script_evaluator.h"

#include "script/script_arithmetic.h"

namespace {
bool InFrame(int32_t slot, const std::vector<float>& slots) {
  return slot >= 0 && static_cast<size_t>(slot) < slots.size();
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
  const std::vector<cScriptInstruction>& code = program.Instructions();
  stack_.clear();
  for (size_t pc = 0; pc < code.size(); ++pc) {
    const ScriptOp op = code[pc].op;
    if (op == ScriptOp::kOpIf) {
      if (!ScriptIfHolds(Pop())) pc = FalseBranchEnd(program, pc);
    } else if (op == ScriptOp::kOpElse) {
      pc = ElseBranchEnd(program, pc);
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
    case ScriptOp::kOpPow: Binary(ScriptPow); break;
    case ScriptOp::kOpPushConst: Push(instruction.constant); break;
    case ScriptOp::kOpPushVar:
      Push(InFrame(instruction.slot, slots) ? slots[instruction.slot] : 0.0f);
      break;
    case ScriptOp::kOpAssign:
      if (InFrame(instruction.slot, slots)) slots[instruction.slot] = Top();
      Pop();
      break;
    case ScriptOp::kOpRand: Push(ScriptRandom()); break;
    case ScriptOp::kOpGreater: Binary([](float a, float b) { return ScriptTruth(a > b); }); break;
    case ScriptOp::kOpLess: Binary([](float a, float b) { return ScriptTruth(a < b); }); break;
    case ScriptOp::kOpGreaterEq: Binary([](float a, float b) { return ScriptTruth(a >= b); }); break;
    case ScriptOp::kOpLessEq: Binary([](float a, float b) { return ScriptTruth(a <= b); }); break;
    case ScriptOp::kOpEqual: Binary([](float a, float b) { return ScriptTruth(ScriptEqual(a, b)); }); break;
    case ScriptOp::kOpNotEqual: Binary([](float a, float b) { return ScriptTruth(ScriptNotEqual(a, b)); }); break;
    case ScriptOp::kOpAnd: Binary([](float a, float b) { return ScriptTruth(ScriptAnd(a, b)); }); break;
    case ScriptOp::kOpOr: Binary([](float a, float b) { return ScriptTruth(ScriptOr(a, b)); }); break;
    default: break;  // endif-markers, 7, 9 and unknown values do nothing
  }
}
