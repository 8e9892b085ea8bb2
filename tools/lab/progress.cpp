// Drawing the progress bar on a terminal.
#include "tools/lab/progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {
constexpr uint32_t kBarWidth = 30;
}  // namespace

cProgressBar::cProgressBar(uint32_t total, const char* unit)
    : total_(total), unit_(unit), shown_(isatty(STDERR_FILENO) == 1) {
  Show(0);
}

void cProgressBar::Show(uint32_t done) {
  if (!shown_ || total_ == 0) return;
  const uint32_t filled = done * kBarWidth / total_;
  std::fprintf(stderr, "\r[%s%s] %u/%u %s", std::string(filled, '#').c_str(),
               std::string(kBarWidth - filled, '-').c_str(), done, total_, unit_);
  std::fflush(stderr);
}

cProgressBar::~cProgressBar() {
  if (shown_) std::fprintf(stderr, "\r\033[K");
}
