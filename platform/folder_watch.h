// Watching one folder for files written, renamed into place or removed, through inotify. The
// folder is watched rather than each file, since editors often save by writing a temporary
// file and renaming it over the old one. Only finished writes are reported (a file closed
// after writing, or renamed in), so a file caught half-written is never announced.
#pragma once

#include <string>
#include <vector>

// What happened to one name since the last look, all events for it folded together.
struct cFolderChange {
  std::string name;
  bool written = false;  // closed after writing, or renamed into the folder
  bool removed = false;  // deleted, or renamed away
};

class cFolderWatch {
 public:
  cFolderWatch() = default;
  ~cFolderWatch();
  cFolderWatch(const cFolderWatch&) = delete;
  cFolderWatch& operator=(const cFolderWatch&) = delete;

  // Starts watching `folder`; false (and nothing watched) when inotify or the folder refuses.
  bool Watch(const std::string& folder);
  bool Watching() const { return fd_ >= 0; }

  // Waits at most `ms` milliseconds (0: just looks) for something to happen in the folder,
  // then returns what happened, in the order the names were first touched. Never blocks
  // longer; returns nothing when not watching (after sleeping the same time).
  std::vector<cFolderChange> Wait(int ms);

 private:
  int fd_ = -1;
};
