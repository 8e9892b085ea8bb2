// The inotify folder watch: one non-blocking descriptor, polled with a time-out so that the
// game's rest between frames and its watch for edited files are the same system call.
#include "platform/folder_watch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {
constexpr uint32_t kWrittenMask = IN_CLOSE_WRITE | IN_MOVED_TO;
constexpr uint32_t kRemovedMask = IN_DELETE | IN_MOVED_FROM;

cFolderChange& ChangeFor(std::vector<cFolderChange>& changes, const std::string& name) {
  auto found = std::find_if(changes.begin(), changes.end(), [&](const cFolderChange& c) { return c.name == name; });
  if (found != changes.end()) return *found;
  changes.emplace_back();
  changes.back().name = name;
  return changes.back();
}

// Folds one buffer of events into the changes.
void Fold(const char* buffer, ssize_t length, std::vector<cFolderChange>& changes) {
  for (ssize_t at = 0; at < length;) {
    inotify_event event;
    std::copy(buffer + at, buffer + at + sizeof event, reinterpret_cast<char*>(&event));
    const char* name = buffer + at + sizeof event;
    at += static_cast<ssize_t>(sizeof event + event.len);
    if (event.len == 0) continue;  // an event of the folder itself
    cFolderChange& change = ChangeFor(changes, name);
    if (event.mask & kWrittenMask) change.written = true;
    if (event.mask & kRemovedMask) change.removed = true;
  }
}
}  // namespace

cFolderWatch::~cFolderWatch() {
  if (fd_ >= 0) close(fd_);
}

bool cFolderWatch::Watch(const std::string& folder) {
  if (fd_ >= 0) close(fd_);
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return false;
  if (inotify_add_watch(fd_, folder.c_str(), kWrittenMask | kRemovedMask | IN_ONLYDIR) < 0) {
    close(fd_);
    fd_ = -1;
  }
  return fd_ >= 0;
}

std::vector<cFolderChange> cFolderWatch::Wait(int ms) {
  std::vector<cFolderChange> changes;
  if (fd_ < 0) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return changes;
  }
  pollfd ready{fd_, POLLIN, 0};
  if (poll(&ready, 1, ms) <= 0) return changes;
  // Aligned for inotify_event; room for many events at once.
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t got = read(fd_, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    Fold(buffer, got, changes);
  }
  return changes;
}
