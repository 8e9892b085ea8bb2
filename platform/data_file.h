// Reading a designer's text file (ZOMA.ini, the behaviour scripts): only a regular, readable
// file of at most kDataFileLimit bytes is read, so a folder, a FIFO, a device or a runaway file
// in its place never blocks, aborts or fills memory; it counts as missing instead.
#pragma once

#include <cstddef>
#include <string>

// Far above any designer's file (the shipped ones are a few KiB).
constexpr size_t kDataFileLimit = 1u << 20;

struct cDataFile {
  std::string text;     // the whole file, when problem is empty
  std::string problem;  // why it was not read, to follow the path: "does not exist", "is a folder", ...
  bool missing = false; // no file of that name at all, the ordinary case of a file left out

  bool Read() const { return problem.empty(); }
};

// A file over `limit` bytes counts as unreadable ("is larger than 1 MiB").
cDataFile ReadDataFile(const std::string& path, size_t limit = kDataFileLimit);
