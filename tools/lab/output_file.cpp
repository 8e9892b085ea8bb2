// Writing a result file and telling every way it can fail.
#include "tools/lab/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool WriteOutputFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
  int error = errno;
  // A full disk or a quota may only show when the last buffer goes out, at closing.
  if (file && std::fclose(file) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written) std::fprintf(stderr, "zoma-sim: cannot write %s: %s\n", path.c_str(), std::strerror(error));
  return written;
}
