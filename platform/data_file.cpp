// Reading a designer's text file: the file is opened without blocking (a FIFO would otherwise
// wait for a writer), checked to be a regular file, and read no further than one byte past the
// limit, so even a file that grows while it is read is never taken in whole.
#include "platform/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
std::string Unreadable(int error) { return std::string("cannot be read (") + std::strerror(error) + ")"; }

std::string KindProblem(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder";
  if (S_ISFIFO(mode)) return "is a FIFO, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a regular file";
  return "is not a regular file";
}

// "is larger than 1 MiB": limits are whole MiB.
std::string TooLarge(size_t limit) { return "is larger than " + std::to_string(limit >> 20) + " MiB"; }

// Up to limit + 1 bytes, so that a file over the limit shows itself. Room grows with what is
// read, so a large limit costs nothing for a small file.
std::string ReadUpTo(int fd, size_t limit, int& error) {
  constexpr size_t kChunk = 64 * 1024;
  std::string text;
  size_t filled = 0;
  while (filled < limit + 1) {
    if (text.size() == filled) text.resize(std::min(limit + 1, filled + std::max(kChunk, filled)));
    const ssize_t got = read(fd, text.data() + filled, text.size() - filled);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    filled += static_cast<size_t>(got);
  }
  text.resize(filled);
  return text;
}
}  // namespace

cDataFile ReadDataFile(const std::string& path, size_t limit) {
  cDataFile file;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    file.missing = errno == ENOENT;
    file.problem = file.missing ? "does not exist" : errno == EISDIR ? "is a folder" : Unreadable(errno);
    return file;
  }
  struct stat status {};
  int error = 0;
  if (fstat(fd, &status) != 0) {
    file.problem = Unreadable(errno);
  } else if (!S_ISREG(status.st_mode)) {
    file.problem = KindProblem(status.st_mode);
  } else if (static_cast<unsigned long long>(status.st_size) > limit) {
    file.problem = TooLarge(limit);
  } else {
    file.text = ReadUpTo(fd, limit, error);
    if (error != 0) file.problem = Unreadable(error);
    else if (file.text.size() > limit) file.problem = TooLarge(limit);
    if (!file.Read()) file.text.clear();
  }
  close(fd);
  return file;
}
