// A progress bar on standard error, only when standard error is a terminal: piped or
// redirected output stays exactly the results.
#pragma once

#include <cstdint>

class cProgressBar {
 public:
  cProgressBar(uint32_t total, const char* unit);
  void Show(uint32_t done);
  // Clears the bar's line.
  ~cProgressBar();

 private:
  uint32_t total_;
  const char* unit_;
  bool shown_;
};
