// Forking a child per seed and gathering the children's rows in seed order.
#include "tools/lab/sweep.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {
struct cChild {
  pid_t pid = -1;
  std::FILE* rows = nullptr;
  bool ended = false;
  bool succeeded = false;
};

bool StartChild(const cSweep& sweep, uint32_t seed, cChild& child) {
  child.rows = std::tmpfile();
  if (!child.rows) {
    std::fprintf(stderr, "zoma-sim: no scratch file for seed %u: %s\n", seed, std::strerror(errno));
    return false;
  }
  std::fflush(nullptr);  // nothing buffered may be written twice
  child.pid = fork();
  if (child.pid < 0) {
    std::fprintf(stderr, "zoma-sim: cannot start a process for seed %u: %s\n", seed, std::strerror(errno));
    return false;
  }
  if (child.pid == 0) {
    const bool ok = sweep.runSeed(seed, child.rows);
    std::fflush(nullptr);
    _exit(ok ? 0 : 1);
  }
  return true;
}

std::vector<cDayFigures> ReadRows(std::FILE* rows) {
  std::vector<cDayFigures> days;
  std::rewind(rows);
  char* line = nullptr;
  size_t capacity = 0;
  ssize_t length = 0;
  while ((length = getline(&line, &capacity, rows)) > 0) {
    if (line[length - 1] == '\n') line[length - 1] = '\0';
    cDayFigures day;
    if (ParseCsvRow(line, day)) days.push_back(day);
  }
  std::free(line);
  return days;
}

// Waits for any child to end and marks it.
void ReapOne(std::vector<cChild>& children) {
  int status = 0;
  const pid_t pid = wait(&status);
  for (cChild& child : children) {
    if (child.pid != pid || child.ended) continue;
    child.ended = true;
    child.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
}
}  // namespace

bool RunSweep(const cSweep& sweep) {
  const size_t count = sweep.last - sweep.first + 1;
  std::vector<cChild> children(count);
  size_t started = 0, handed = 0, running = 0;
  uint32_t finished = 0;
  bool ok = true;
  while (handed < count) {
    while (ok && running < static_cast<size_t>(sweep.jobs) && started < count) {
      ok = StartChild(sweep, sweep.first + static_cast<uint32_t>(started), children[started]);
      if (!ok) break;
      ++running;
      ++started;
    }
    if (running == 0) break;
    ReapOne(children);
    --running;
    if (sweep.onProgress) sweep.onProgress(++finished);
    for (; handed < started && children[handed].ended; ++handed) {
      cChild& child = children[handed];
      if (!child.succeeded) {
        std::fprintf(stderr, "zoma-sim: seed %u failed\n", sweep.first + static_cast<uint32_t>(handed));
        ok = false;
      }
      if (ok) sweep.onSeed(ReadRows(child.rows));
      std::fclose(child.rows);
    }
  }
  for (; running > 0; --running) ReapOne(children);
  return ok && handed == count;
}
