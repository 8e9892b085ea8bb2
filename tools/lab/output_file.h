// Writing one of the lab's results (the CSV, the plot) to the path the designer gave: every
// failure, from a missing folder to a full disk found only when the file is closed, is told
// in one line, so a run never ends quietly without its file.
#pragma once

#include <string>

// Writes text to path, replacing what was there. False, after the line "zoma-sim: cannot write
// PATH: REASON" on standard error, when any step fails.
bool WriteOutputFile(const std::string& path, const std::string& text);
