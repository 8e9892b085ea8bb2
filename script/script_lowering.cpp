// Lowering: walks the postfix list with the stack followed at lowering time, one path at a time,
// and emits register code. Registers: the frame's slots, then one per stack position, then the
// zero that an empty-stack pop reads, then the constants.
#include "script/script_lowering.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace {
// A path may be lowered once per stack depth it can arrive with; beyond this much code per
// instruction the program goes to the plain evaluator.
constexpr size_t kCodePerInstruction = 8;
constexpr size_t kCodeAllowance = 64;

// Where to continue: an instruction index and the stack depth on arrival.
using cPlace = std::pair<size_t, size_t>;

eCodeOp BinaryCode(ScriptOp op) {
  switch (op) {
    case ScriptOp::kOpAdd: return eCodeOp::kAdd;
    case ScriptOp::kOpSub: return eCodeOp::kSub;
    case ScriptOp::kOpMul: return eCodeOp::kMul;
    case ScriptOp::kOpDiv: return eCodeOp::kDiv;
    case ScriptOp::kOpPow: return eCodeOp::kPow;
    case ScriptOp::kOpGreater: return eCodeOp::kGreater;
    case ScriptOp::kOpLess: return eCodeOp::kLess;
    case ScriptOp::kOpGreaterEq: return eCodeOp::kGreaterEq;
    case ScriptOp::kOpLessEq: return eCodeOp::kLessEq;
    case ScriptOp::kOpEqual: return eCodeOp::kEqual;
    case ScriptOp::kOpNotEqual: return eCodeOp::kNotEqual;
    case ScriptOp::kOpAnd: return eCodeOp::kAnd;
    default: return eCodeOp::kOr;
  }
}

// The conditional jump that a comparison followed by an if-marker becomes; kHalt for anything
// else. A comparison yields exactly 1 or 0, so the if holds exactly when the comparison does.
eCodeOp JumpUnlessCode(eCodeOp comparison) {
  switch (comparison) {
    case eCodeOp::kGreater: return eCodeOp::kJumpUnlessGreater;
    case eCodeOp::kLess: return eCodeOp::kJumpUnlessLess;
    case eCodeOp::kGreaterEq: return eCodeOp::kJumpUnlessGreaterEq;
    case eCodeOp::kLessEq: return eCodeOp::kJumpUnlessLessEq;
    case eCodeOp::kEqual: return eCodeOp::kJumpUnlessEqual;
    case eCodeOp::kNotEqual: return eCodeOp::kJumpUnlessNotEqual;
    default: return eCodeOp::kHalt;
  }
}

bool IsBinary(ScriptOp op) {
  const cScriptOpInfo& info = ScriptOpInfo(op);
  return info.pops == 2 && info.pushes == 1;
}

class cLowering {
 public:
  cLowering(const cScriptProgram& program, size_t frameSize, cLoweredScript& out)
      : code_(program.Instructions()), program_(program), frameSize_(frameSize), out_(out) {
    // Each instruction that pushes can raise the depth by one at most, empty-stack pops included.
    size_t positions = 0;
    for (const cScriptInstruction& instruction : code_) positions += ScriptOpInfo(instruction.op).pushes;
    zero_ = static_cast<uint32_t>(frameSize_ + positions);
    out_.registers.assign(zero_ + 1, 0.0f);
  }

  bool Lower() {
    Follow({0, 0});
    while (!waiting_.empty() && !TooLarge()) {
      const cPlace place = waiting_.back();
      waiting_.pop_back();
      if (!labels_.count(place)) Follow(place);
    }
    if (TooLarge()) return false;
    for (const auto& [at, place] : jumps_) out_.code[at].dst = labels_.at(place);
    return true;
  }

 private:
  uint32_t Position(size_t depth) const { return static_cast<uint32_t>(frameSize_ + depth); }
  bool InFrame(int32_t slot) const { return slot >= 0 && static_cast<size_t>(slot) < frameSize_; }
  bool TooLarge() const { return out_.code.size() > kCodePerInstruction * code_.size() + kCodeAllowance; }

  // Lowers one path from a place until it ends, joins code already lowered, or jumps away.
  void Follow(cPlace place) {
    stack_.clear();
    for (size_t depth = 0; depth < place.second; ++depth) stack_.push_back(Position(depth));
    Label(place);
    for (size_t pc = place.first; !TooLarge(); ++pc) {
      if (pc >= code_.size()) return Emit(eCodeOp::kHalt, 0, 0, 0);
      const cScriptInstruction& instruction = code_[pc];
      switch (instruction.op) {
        case ScriptOp::kOpPushConst: stack_.push_back(Constant(instruction.constant)); break;
        case ScriptOp::kOpPushVar:
          stack_.push_back(InFrame(instruction.slot) ? static_cast<uint32_t>(instruction.slot) : zero_);
          break;
        case ScriptOp::kOpRand: PushResult(eCodeOp::kRand, zero_, zero_); break;
        case ScriptOp::kOpAssign: Assign(instruction.slot); break;
        case ScriptOp::kOpIf: If(pc); break;
        case ScriptOp::kOpElse:
          // Reached by execution: the true branch is done.
          return JumpTo(eCodeOp::kJump, zero_, zero_, Continuation(ElseBranchEnd(program_, pc)));
        case ScriptOp::kOpEndIf:
          Settle();  // paths meet here
          if (labels_.count({pc + 1, stack_.size()})) return JumpTo(eCodeOp::kJump, zero_, zero_, {pc + 1, stack_.size()});
          Label({pc + 1, stack_.size()});
          break;
        default:
          if (IsBinary(instruction.op)) {
            const uint32_t b = Pop();
            const uint32_t a = Pop();
            PushResult(BinaryCode(instruction.op), a, b);
          }
          break;  // 7, 9 and unknown values do nothing
      }
    }
  }

  // Where execution goes after a skip that stopped at `stop` (the program's size: the end).
  cPlace Continuation(size_t stop) const { return {std::min(stop + 1, code_.size()), stack_.size()}; }

  void Label(cPlace place) {
    labels_[place] = static_cast<uint32_t>(out_.code.size());
    blockStart_ = out_.code.size();
  }

  void Emit(eCodeOp op, uint32_t dst, uint32_t a, uint32_t b) { out_.code.push_back({op, dst, a, b}); }

  // Settles the stack first: whoever arrives at the target finds every value in its position.
  void JumpTo(eCodeOp op, uint32_t a, uint32_t b, cPlace target) {
    Settle();
    jumps_.emplace_back(out_.code.size(), target);
    Emit(op, 0, a, b);
    if (!labels_.count(target)) waiting_.push_back(target);
  }

  // The last operation of the current straight run, when it wrote `reg`: its result can be
  // redirected, as no one else can reach the value.
  cCodeOp* LastWriterOf(uint32_t reg) {
    if (out_.code.size() <= blockStart_ || out_.code.back().dst != reg) return nullptr;
    // Operations up to kMove compute a value; the rest jump.
    return out_.code.back().op <= eCodeOp::kMove ? &out_.code.back() : nullptr;
  }

  uint32_t Constant(float value) {
    // Same bits, same register; 0.0 is the zero register itself.
    const auto first = out_.registers.begin() + zero_;
    const auto found = std::find_if(first, out_.registers.end(),
                                    [value](float c) { return std::memcmp(&c, &value, sizeof c) == 0; });
    if (found != out_.registers.end()) return static_cast<uint32_t>(found - out_.registers.begin());
    out_.registers.push_back(value);
    return static_cast<uint32_t>(out_.registers.size() - 1);
  }

  // An empty stack reads 0.0 and stays empty.
  uint32_t Pop() {
    if (stack_.empty()) return zero_;
    const uint32_t reg = stack_.back();
    stack_.pop_back();
    return reg;
  }

  void PushResult(eCodeOp op, uint32_t a, uint32_t b) {
    const uint32_t position = Position(stack_.size());
    Emit(op, position, a, b);
    stack_.push_back(position);
  }

  // Values still standing for a constant or a slot are copied into their positions.
  void Settle() {
    for (size_t depth = 0; depth < stack_.size(); ++depth) {
      if (stack_[depth] == Position(depth)) continue;
      Emit(eCodeOp::kMove, Position(depth), stack_[depth], 0);
      stack_[depth] = Position(depth);
    }
  }

  void Assign(int32_t slot) {
    const uint32_t value = Pop();
    if (!InFrame(slot)) return;
    const uint32_t target = static_cast<uint32_t>(slot);
    // Pushes of this slot not yet used must still see the value from before the assignment.
    bool pendingReads = false;
    for (size_t depth = 0; depth < stack_.size(); ++depth) {
      if (stack_[depth] != target) continue;
      Emit(eCodeOp::kMove, Position(depth), target, 0);
      stack_[depth] = Position(depth);
      pendingReads = true;
    }
    cCodeOp* writer = pendingReads ? nullptr : LastWriterOf(value);
    if (writer && value >= Position(0)) {
      writer->dst = target;
    } else if (value != target) {
      Emit(eCodeOp::kMove, target, value, 0);
    }
  }

  void If(size_t pc) {
    const uint32_t condition = Pop();
    cCodeOp* writer = LastWriterOf(condition);
    const eCodeOp fused = writer && condition >= Position(0) ? JumpUnlessCode(writer->op) : eCodeOp::kHalt;
    const cPlace skip = Continuation(FalseBranchEnd(program_, pc));
    if (fused == eCodeOp::kHalt) return JumpTo(eCodeOp::kJumpUnlessHolds, condition, zero_, skip);
    // Settling writes only positions below the comparison's result, so its operands stay intact.
    const cCodeOp comparison = *writer;
    out_.code.pop_back();
    JumpTo(fused, comparison.a, comparison.b, skip);
  }

  const std::vector<cScriptInstruction>& code_;
  const cScriptProgram& program_;
  size_t frameSize_;
  cLoweredScript& out_;
  uint32_t zero_ = 0;
  std::vector<uint32_t> stack_;  // the register each stack value is read from
  std::map<cPlace, uint32_t> labels_;
  std::vector<std::pair<size_t, cPlace>> jumps_;
  std::vector<cPlace> waiting_;
  size_t blockStart_ = 0;
};
}  // namespace

bool LowerScript(const cScriptProgram& program, size_t frameSize, cLoweredScript& lowered) {
  lowered = cLoweredScript{};
  return cLowering(program, frameSize, lowered).Lower();
}
