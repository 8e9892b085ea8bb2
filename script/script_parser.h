// The behaviour-script compiler's entry point.
#pragma once

#include <cstdint>

#include "script/script_program.h"

// Compiles a NUL-terminated text (needed for the duration of the call only), appending the
// instructions in postfix order to whatever the program already holds. Returns 0 when the
// whole text was accepted; 1 after the first syntax error, having printed "parse error"; 2
// when nesting outgrows the parser's 10000-entry stack, having printed "parser stack
// overflow". Instructions emitted before an error stay in the program. Echoed comment text
// ends with a line break. `name`, the text's file if it has one, opens the scanner's fatal
// message.
int32_t ParseScript(const char* text, cScriptProgram& program, const char* name = nullptr);
