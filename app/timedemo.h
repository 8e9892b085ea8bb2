// The timedemo: the game's frames drawn back to back from a fixed start, timed, and optionally
// one of them saved as a picture. Everyone who runs it gets the same frames.
#pragma once

#include <cstdint>
#include <optional>

#include "app/demo_options.h"

// Runs the demo the command line asks for and returns the process's exit status: 0 after
// printing "timedemo: F frames in T s, N frames/s" as the last line, 2 on a bad command line,
// 1 when the picture cannot be saved. Without a seed the demo's own fixed seed is used.
int RunTimedemo(const cDemoCommandLine& commandLine, char* programName, std::optional<uint32_t> seed);
