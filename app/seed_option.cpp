// Reading and removing --seed N.
#include "app/seed_option.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
// Decimal digits only: strtoul would take a sign, blanks and wrap a negative number round.
std::optional<uint32_t> SeedNumber(const char* text) {
  if (!text || *text < '0' || *text > '9') return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0' || value > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(value);
}
}  // namespace

cSeedOption TakeSeedOption(int& argc, char** argv) {
  cSeedOption option;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") != 0) {
      argv[kept++] = argv[i];
      continue;
    }
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    option.seed = SeedNumber(value);
    if (!option.seed) option.error = "--seed needs a whole number from 0 to 4294967295";
  }
  argv[kept] = nullptr;
  argc = kept;
  if (!option.error.empty()) option.seed.reset();
  return option;
}
