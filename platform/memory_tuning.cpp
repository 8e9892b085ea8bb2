// glibc's trim and mmap thresholds, raised once at start-up.
#include "platform/memory_tuning.h"

#include <malloc.h>

namespace {
constexpr int kKeptBytes = 64 * 1024 * 1024;
}  // namespace

void KeepFreedMemoryForReuse() {
  mallopt(M_TRIM_THRESHOLD, kKeptBytes);
  mallopt(M_MMAP_THRESHOLD, kKeptBytes);
}
