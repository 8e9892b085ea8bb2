// Reading a designer's text file: the file is opened without blocking (a FIFO would otherwise
// wait for a writer), checked to be a regular file, and read no further than one byte past the
// limit, so even a file that grows while it is read is never taken in whole.
#include "platform/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

const std::string kTooLarge = "is larger than 1 MiB";

// Up to limit + 1 bytes, so that a file over the limit shows itself.
std::string ReadUpTo(int fd, size_t limit, int& error) {
  std::string text(limit + 1, '\0');
  size_t filled = 0;
  while (filled < text.size()) {
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

cDataFile ReadDataFile(const std::string& path) {
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
  } else if (static_cast<unsigned long long>(status.st_size) > kDataFileLimit) {
    file.problem = kTooLarge;
  } else {
    file.text = ReadUpTo(fd, kDataFileLimit, error);
    if (error != 0) file.problem = Unreadable(error);
    else if (file.text.size() > kDataFileLimit) file.problem = kTooLarge;
    if (!file.Read()) file.text.clear();
  }
  close(fd);
  return file;
}
