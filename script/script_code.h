// The fast form of a compiled behaviour script: register code lowered once from the postfix
// instruction list, run over one float array that holds the slot frame, the stack positions and
// the constants. The postfix list stays the compiled form that listings and the rules speak of;
// this is only how the game runs it.
//
// Lowering follows the stack statically: every stack position gets a register of its own, pushed
// constants and slots are read where they are used instead of being copied, an operation writes
// straight into the slot an assignment takes it to, a comparison feeding an if-marker becomes one
// conditional jump, and the if/else skips become jumps resolved at lowering. Where two paths meet
// with different stack depths the code after the meeting is lowered once per depth; a program so
// tangled that this would multiply its code is left to the plain evaluator instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "script/script_evaluator.h"
#include "script/script_program.h"

// One register-code operation: r[dst] = r[a] op r[b]; for jumps dst is the target.
enum class eCodeOp : uint8_t {
  kAdd, kSub, kMul, kDiv, kPow,
  kGreater, kLess, kGreaterEq, kLessEq, kEqual, kNotEqual, kAnd, kOr,
  kRand, kMove,
  kJump, kJumpUnlessHolds,  // the second: when r[a] fails the if-marker's truth test
  kJumpUnlessGreater, kJumpUnlessLess, kJumpUnlessGreaterEq, kJumpUnlessLessEq,
  kJumpUnlessEqual, kJumpUnlessNotEqual,
  kHalt,
};

struct cCodeOp {
  eCodeOp op = eCodeOp::kHalt;
  uint32_t dst = 0, a = 0, b = 0;
};

class cScriptCode {
 public:
  // Runs nothing and matches no program until lowered.
  cScriptCode() = default;
  // Slots 0..frameSize-1 are the frame; an instruction naming a slot outside it reads 0 and
  // writes nothing, as in the plain evaluator with a frame of that size.
  cScriptCode(const cScriptProgram& program, size_t frameSize);

  // True while the program is unchanged since this code was lowered from it.
  bool LoweredFrom(const cScriptProgram& program) const { return revision_ == program.Revision(); }
  // The frame, kept from run to run. Slots the program assigns are set back to 0 here, so with
  // the caller refilling its own slots every run starts from what a fresh zeroed frame holds.
  float* FreshSlots();
  // One run over the frame; allocates nothing.
  void Run();

  // False when the program was left to the plain evaluator.
  bool IsRegisterCode() const { return !code_.empty(); }
  size_t CodeSize() const { return code_.size(); }

 private:
  void RunRegisterCode();

  uint64_t revision_ = ~uint64_t{0};  // no program has this revision
  std::vector<cCodeOp> code_;     // empty when left to the plain evaluator
  std::vector<float> registers_;  // frame, then stack positions, then 0.0, then constants
  std::vector<uint32_t> assignedSlots_;
  // Only for programs too tangled to lower: the list itself, run by the plain evaluator over
  // registers_, which then holds just the frame.
  cScriptProgram fallback_;
  cScriptEvaluator evaluator_;
};
