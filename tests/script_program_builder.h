// Hand-built behaviour-script programs for the evaluator and lowering tests: what a broken parse
// or a hand-made list can hold, beyond what the parser produces.
#pragma once

#include <initializer_list>

#include "script/script_program.h"

inline cScriptInstruction Const(float value) { return {ScriptOp::kOpPushConst, value, -1}; }
inline cScriptInstruction Assign(int32_t slot) { return {ScriptOp::kOpAssign, 0.0f, slot}; }
inline cScriptInstruction Push(int32_t slot) { return {ScriptOp::kOpPushVar, 0.0f, slot}; }
inline cScriptInstruction Op(ScriptOp op) { return {op, 0.0f, -1}; }

inline cScriptProgram Program(std::initializer_list<cScriptInstruction> code) {
  cScriptProgram program;
  for (const cScriptInstruction& instruction : code) program.Append(instruction);
  return program;
}
