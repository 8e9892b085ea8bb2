// The opcode table and the readable form of instructions.
#include "script/script_program.h"

#include <array>
#include <cstdio>

#include "script/script_symbols.h"

namespace {
using O = eScriptOperand;
constexpr std::array<cScriptOpInfo, kScriptOpCount> kOpTable = {{
    {"add", O::kNone},      {"sub", O::kNone},    {"mul", O::kNone},   {"div", O::kNone},
    {"pow", O::kNone},      {"pushc", O::kConstant}, {"push", O::kSlot}, {"nop7", O::kNone},
    {"assign", O::kSlot},   {"nop9", O::kNone},   {"rand", O::kNone},  {"gt", O::kNone},
    {"lt", O::kNone},       {"ge", O::kNone},     {"le", O::kNone},    {"eq", O::kNone},
    {"ne", O::kNone},       {"if", O::kNone},     {"else", O::kNone},  {"endif", O::kNone},
    {"and", O::kNone},      {"or", O::kNone},
}};
static_assert(kOpTable.size() == static_cast<size_t>(ScriptOp::kOpOr) + 1,
              "one table entry per op value");
constexpr cScriptOpInfo kUnknownOp = {"nop", O::kNone};

std::string SlotText(int32_t slot) {
  if (slot >= 0 && static_cast<size_t>(slot) < ScriptSymbolTable.size()) return ScriptSymbolTable[slot];
  return "#" + std::to_string(slot);
}
}  // namespace

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
