// The register-code machine: one switch over the lowered operations, with the value rules the
// plain evaluator uses.
#include "script/script_code.h"

#include <algorithm>
#include <utility>

#include "script/script_arithmetic.h"
#include "script/script_lowering.h"

namespace {
// Every in-frame slot an assignment names, each once: what a run can leave behind.
std::vector<uint32_t> AssignedSlots(const cScriptProgram& program, size_t frameSize) {
  std::vector<uint32_t> slots;
  for (const cScriptInstruction& instruction : program.Instructions()) {
    if (instruction.op != ScriptOp::kOpAssign || instruction.slot < 0) continue;
    const uint32_t slot = static_cast<uint32_t>(instruction.slot);
    if (slot < frameSize && std::find(slots.begin(), slots.end(), slot) == slots.end()) slots.push_back(slot);
  }
  return slots;
}
}  // namespace

cScriptCode::cScriptCode(const cScriptProgram& program, size_t frameSize)
    : revision_(program.Revision()), assignedSlots_(AssignedSlots(program, frameSize)) {
  cLoweredScript lowered;
  if (LowerScript(program, frameSize, lowered)) {
    code_ = std::move(lowered.code);
    registers_ = std::move(lowered.registers);
  } else {
    fallback_ = program;
    registers_.assign(frameSize, 0.0f);
  }
}

float* cScriptCode::FreshSlots() {
  for (const uint32_t slot : assignedSlots_) registers_[slot] = 0.0f;
  return registers_.data();
}

void cScriptCode::Run() {
  if (IsRegisterCode()) {
    RunRegisterCode();
  } else {
    evaluator_.Run(fallback_, registers_);
  }
}

void cScriptCode::RunRegisterCode() {
  float* const r = registers_.data();
  const cCodeOp* const start = code_.data();
  for (const cCodeOp* op = start;;) {
    const float a = r[op->a];
    const float b = r[op->b];
    bool jump = false;
    switch (op->op) {
      case eCodeOp::kAdd: r[op->dst] = a + b; break;
      case eCodeOp::kSub: r[op->dst] = a - b; break;
      case eCodeOp::kMul: r[op->dst] = a * b; break;
      case eCodeOp::kDiv: r[op->dst] = a / b; break;
      case eCodeOp::kPow: r[op->dst] = ScriptPow(a, b); break;
      case eCodeOp::kGreater: r[op->dst] = ScriptTruth(a > b); break;
      case eCodeOp::kLess: r[op->dst] = ScriptTruth(a < b); break;
      case eCodeOp::kGreaterEq: r[op->dst] = ScriptTruth(a >= b); break;
      case eCodeOp::kLessEq: r[op->dst] = ScriptTruth(a <= b); break;
      case eCodeOp::kEqual: r[op->dst] = ScriptTruth(ScriptEqual(a, b)); break;
      case eCodeOp::kNotEqual: r[op->dst] = ScriptTruth(ScriptNotEqual(a, b)); break;
      case eCodeOp::kAnd: r[op->dst] = ScriptTruth(ScriptAnd(a, b)); break;
      case eCodeOp::kOr: r[op->dst] = ScriptTruth(ScriptOr(a, b)); break;
      case eCodeOp::kRand: r[op->dst] = ScriptRandom(); break;
      case eCodeOp::kMove: r[op->dst] = a; break;
      case eCodeOp::kJump: jump = true; break;
      case eCodeOp::kJumpUnlessHolds: jump = !ScriptIfHolds(a); break;
      case eCodeOp::kJumpUnlessGreater: jump = !(a > b); break;
      case eCodeOp::kJumpUnlessLess: jump = !(a < b); break;
      case eCodeOp::kJumpUnlessGreaterEq: jump = !(a >= b); break;
      case eCodeOp::kJumpUnlessLessEq: jump = !(a <= b); break;
      case eCodeOp::kJumpUnlessEqual: jump = !ScriptEqual(a, b); break;
      case eCodeOp::kJumpUnlessNotEqual: jump = !ScriptNotEqual(a, b); break;
      case eCodeOp::kHalt: return;
    }
    op = jump ? start + op->dst : op + 1;
  }
}
