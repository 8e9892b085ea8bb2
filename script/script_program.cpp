// The opcode table, the instruction list and the readable form of instructions.
#include "script/script_program.h"

#include <cstdio>
#include <iterator>

#include "script/script_symbols.h"

namespace {
using O = eScriptOperand;
// One row per op value, in value order.
constexpr cScriptOpInfo kOpTable[] = {
    {"add", O::kNone, 2, 1, "pop b, pop a, push a + b"},
    {"sub", O::kNone, 2, 1, "pop b, pop a, push a - b"},
    {"mul", O::kNone, 2, 1, "pop b, pop a, push a * b"},
    {"div", O::kNone, 2, 1, "pop b, pop a, push a / b (IEEE: infinity or NaN on zero)"},
    {"pow", O::kNone, 2, 1, "pop b, pop a, push b raised to a: the right operand is the base"},
    {"pushc", O::kConstant, 0, 1, "push the constant"},
    {"push", O::kSlot, 0, 1, "push slots[slot]; outside the frame 0"},
    {"nop7", O::kNone, 0, 0, "never produced; does nothing"},
    {"assign", O::kSlot, 1, 0, "slots[slot] = top, then pop; pushes nothing"},
    {"nop9", O::kNone, 0, 0, "never produced; does nothing"},
    {"rand", O::kNone, 0, 1, "push the next shared random draw scaled into [0, 1]"},
    {"gt", O::kNone, 2, 1, "pop b, pop a, push a > b"},
    {"lt", O::kNone, 2, 1, "pop b, pop a, push a < b"},
    {"ge", O::kNone, 2, 1, "pop b, pop a, push a >= b"},
    {"le", O::kNone, 2, 1, "pop b, pop a, push a <= b"},
    {"eq", O::kNone, 2, 1, "pop b, pop a, push |a - b| < 0.0001"},
    {"ne", O::kNone, 2, 1, "pop b, pop a, push |a - b| > 0.0001"},
    {"if", O::kNone, 1, 0, "pop the condition; below 1.0 skips to the matching else or endif"},
    {"else", O::kNone, 0, 0, "end of a true branch: skips to the matching endif"},
    {"endif", O::kNone, 0, 0, "marker only"},
    {"and", O::kNone, 2, 1, "pop b, pop a, push b > 0.00001 and a > 0.0001"},
    {"or", O::kNone, 2, 1, "pop b, pop a, push b > 0.00001 or a > 0.0001"},
};

constexpr bool SameText(const char* a, const char* b) {
  return *a == *b && (*a == '\0' || SameText(a + 1, b + 1));
}
constexpr bool Named(ScriptOp op, const char* mnemonic) {
  return SameText(kOpTable[static_cast<int>(op)].mnemonic, mnemonic);
}
static_assert(std::size(kOpTable) == kScriptOpCount, "one table row per op value");
static_assert(Named(ScriptOp::kOpAdd, "add") && Named(ScriptOp::kOpPushConst, "pushc") &&
                  Named(ScriptOp::kOpAssign, "assign") && Named(ScriptOp::kOpRand, "rand") &&
                  Named(ScriptOp::kOpIf, "if") && Named(ScriptOp::kOpEndIf, "endif") &&
                  Named(ScriptOp::kOpOr, "or"),
              "rows are in op value order");
constexpr cScriptOpInfo kUnknownOp = {"nop", O::kNone, 0, 0, "unknown value; does nothing"};

uint64_t gLastRevision = 0;

std::string SlotText(int32_t slot) {
  if (slot >= 0 && static_cast<size_t>(slot) < ScriptSymbolTable.size()) return ScriptSymbolTable[slot];
  return "#" + std::to_string(slot);
}
}  // namespace

void cScriptProgram::Append(const cScriptInstruction& instruction) {
  instructions_.push_back(instruction);
  revision_ = ++gLastRevision;
}

const cScriptOpInfo& ScriptOpInfo(ScriptOp op) {
  const auto index = static_cast<int32_t>(op);
  return index >= 0 && index < kScriptOpCount ? kOpTable[index] : kUnknownOp;
}

std::string ScriptInstructionText(const cScriptInstruction& instruction) {
  const cScriptOpInfo& info = ScriptOpInfo(instruction.op);
  std::string text = info.mnemonic;
  if (info.operand == eScriptOperand::kConstant) {
    char number[32];
    std::snprintf(number, sizeof number, " %g", instruction.constant);
    text += number;
  } else if (info.operand == eScriptOperand::kSlot) {
    text += " " + SlotText(instruction.slot);
  }
  return text;
}

namespace {
// The first marker after pc that the predicate accepts at nesting depth 0.
template <typename Stop>
size_t SkipForward(const cScriptProgram& program, size_t pc, Stop stop) {
  const std::vector<cScriptInstruction>& code = program.Instructions();
  int depth = 0;
  for (size_t i = pc + 1; i < code.size(); ++i) {
    const ScriptOp op = code[i].op;
    if (depth == 0 && stop(op)) return i;
    if (op == ScriptOp::kOpIf) ++depth;
    if (op == ScriptOp::kOpEndIf) --depth;
  }
  return code.size();
}
}  // namespace

size_t FalseBranchEnd(const cScriptProgram& program, size_t pc) {
  return SkipForward(program, pc, [](ScriptOp op) { return op == ScriptOp::kOpElse || op == ScriptOp::kOpEndIf; });
}

size_t ElseBranchEnd(const cScriptProgram& program, size_t pc) {
  return SkipForward(program, pc, [](ScriptOp op) { return op == ScriptOp::kOpEndIf; });
}
