// Lowering a postfix instruction list to register code (see script_code.h for the scheme).
// Only cScriptCode uses it; the tests reach it through cScriptCode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "script/script_code.h"
#include "script/script_program.h"

struct cLoweredScript {
  std::vector<cCodeOp> code;
  // The register file's starting contents: frame and stack positions 0, then 0.0, then the
  // constants. Constants are never written.
  std::vector<float> registers;
};

// False when the program is too tangled to lower without multiplying its size.
bool LowerScript(const cScriptProgram& program, size_t frameSize, cLoweredScript& lowered);
