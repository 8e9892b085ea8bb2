// zoma --seed N: the world is built from seed N instead of the clock, so a world can be shared.
// The option is taken out of the command line; the rest goes on to GLUT or the timedemo.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct cSeedOption {
  std::optional<uint32_t> seed;
  std::string error;  // set when --seed is given without a whole number from 0 to 4294967295
};

// Removes "--seed N" from argv (argc shrinks by 2). The last one given wins.
cSeedOption TakeSeedOption(int& argc, char** argv);
