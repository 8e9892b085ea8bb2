// Filling a new folder through a temporary sibling and one rename.
#include "platform/folder_copy.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
std::string Problem(const std::string& what, const std::string& path, int error) {
  return what + " " + path + ": " + std::strerror(error);
}

// Writes all of `size` bytes, flushed to the disc before it returns.
bool WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return fsync(fd) == 0;
}

std::string CopyFile(const std::string& from, const std::string& to) {
  const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return Problem("cannot read", from, errno);
  const int out = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (out < 0) {
    const int error = errno;
    close(in);
    return Problem("cannot write", to, error);
  }
  std::string problem;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) problem = Problem("cannot read", from, errno);
    if (got <= 0) break;
    if (!WriteAll(out, buffer, static_cast<size_t>(got))) {
      problem = Problem("cannot write", to, errno);
      break;
    }
  }
  if (problem.empty() && fsync(out) != 0) problem = Problem("cannot write", to, errno);
  close(in);
  if (close(out) != 0 && problem.empty()) problem = Problem("cannot write", to, errno);
  return problem;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
}  // namespace

std::string CopyIntoNewFolder(const std::string& from, const std::vector<std::string>& names, const std::string& to) {
  const fs::path target(to);
  std::error_code error;
  fs::create_directories(target.parent_path(), error);
  if (error) return "cannot make " + target.parent_path().string() + ": " + error.message();
  std::string pattern = (target.parent_path() / (target.filename().string() + ".new-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) return Problem("cannot make a folder beside", to, errno);
  const std::string temporary = pattern;
  std::string problem;
  for (const std::string& name : names) {
    const std::string source = from + "/" + name;
    if (IsRegularFile(source)) problem = CopyFile(source, temporary + "/" + name);
    if (!problem.empty()) break;
  }
  // mkdtemp makes the folder private; the player's data folder is an ordinary one.
  if (problem.empty() && chmod(temporary.c_str(), 0755) != 0) problem = Problem("cannot open up", temporary, errno);
  if (problem.empty() && rename(temporary.c_str(), to.c_str()) != 0) {
    const int renameError = errno;
    if (!fs::is_directory(target)) problem = Problem("cannot make", to, renameError);
  }
  fs::remove_all(temporary, error);  // left only when something went wrong or lost the race
  return problem;
}
