// The plain evaluator: runs a compiled behaviour script straight off its instruction list. The
// tests keep it as the reference that the lowered code (script_code.h) is checked against.
#pragma once

#include <vector>

#include "script/script_program.h"

// Every run starts with an empty value stack; whatever a run leaves on it is discarded.
class cScriptEvaluator {
 public:
  // One forward pass over the program. Reads slots with push and writes them with assign;
  // a slot index outside the frame reads 0 and is never written.
  void Run(const cScriptProgram& program, std::vector<float>& slots);

 private:
  void Push(float value) { stack_.push_back(value); }
  // An empty stack reads 0.0 and the run goes on.
  float Pop();
  float Top() const { return stack_.empty() ? 0.0f : stack_.back(); }
  template <typename Operation>
  void Binary(Operation operation);
  void Execute(const cScriptInstruction& instruction, std::vector<float>& slots);

  std::vector<float> stack_;
};
