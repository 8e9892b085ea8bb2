// zoma-sim: the game without a window, and the designers' balance lab. Builds the world from a
// data folder as the game does, then runs the game's own tick schedule on a simulated clock
// with the avatar left alone or played by the autopilot, and prints one line per game day.
// A sweep runs a range of seeds in parallel processes and ends with a summary over them; the
// days can also go to a CSV file and a gnuplot drawing. The same seeds give the same lines.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/data_folder.h"
#include "platform/standard_options.h"
#include "tools/lab/day_figures.h"
#include "tools/lab/output_file.h"
#include "tools/lab/plot.h"
#include "tools/lab/progress.h"
#include "tools/lab/seed_run.h"
#include "tools/lab/summary.h"
#include "tools/lab/sweep.h"

namespace {
struct cOptions {
  std::optional<std::string> data;  // --data
  cRunOptions run;
  bool seed = false;   // --seed given
  bool sweep = false;  // --seeds given
  uint32_t lastSeed = 1;
  long jobs = 0;  // 0: one per core
  std::string csv, plot;
};

const std::string kHelp =
    "usage: zoma-sim [--data DIR] [--seed N | --seeds A-B [--jobs N]] [--days D] [--critters N]\n"
    "                [--autopilot] [--csv FILE] [--plot FILE.svg]\n"
    "Runs the game without a window on a data folder's ZOMA.ini and scripts and prints one\n"
    "line per game day, then a closing line with the ticks run and the time taken.\n"
    "\n"
    "  --data DIR       the data folder (see Files)\n"
    "  --seed N         the random seed (default 1)\n"
    "  --seeds A-B      every seed from A to B in parallel processes, then a summary line\n"
    "  --jobs N         processes at a time for --seeds (default: one per core)\n"
    "  --days D         game days to run (default 5)\n"
    "  --critters N     N critters instead of ZOMA.ini's num_critters\n"
    "  --autopilot      a simple, sensible player plays the avatar\n"
    "  --csv FILE       write every figure of every day to FILE\n"
    "  --plot FILE.svg  draw the run with gnuplot into FILE.svg\n"
    "  -h, --help       show this help\n"
    "  --version        show the version\n"
    "\n" +
    std::string(kDataFolderHelp) +
    "Writes FILE for --csv and FILE.svg for --plot (relative to the folder it was started in).\n"
    "What the game itself prints goes to standard error.\n"
    "\n"
    "Exit status: 0 when every day ran; 1 when the data folder cannot be entered, a day never\n"
    "ends, or the CSV or the plot cannot be written; 2 for a bad command line.\n";

bool ParseNumber(const char* text, unsigned long max, unsigned long& value) {
  if (*text < '0' || *text > '9') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoul(text, &end, 10);
  return errno == 0 && *end == '\0' && value <= max;
}

// "A-B" with A <= B.
bool ParseSeedRange(const char* text, cOptions& options) {
  const char* dash = std::strchr(text, '-');
  if (!dash) return false;
  const std::string first(text, dash);
  unsigned long a = 0, b = 0;
  if (!ParseNumber(first.c_str(), UINT32_MAX, a) || !ParseNumber(dash + 1, UINT32_MAX, b) || a > b) return false;
  if (b - a >= 100000) return false;
  options.run.seed = static_cast<uint32_t>(a);
  options.lastSeed = static_cast<uint32_t>(b);
  options.sweep = true;
  return true;
}

bool ApplyOption(const std::string& flag, const char* value, cOptions& options) {
  unsigned long number = 0;
  if (flag == "--data") {
    options.data = value;
  } else if (flag == "--seed" && ParseNumber(value, UINT32_MAX, number)) {
    options.run.seed = options.lastSeed = static_cast<uint32_t>(number);
    options.seed = true;
  } else if (flag == "--seeds") {
    return ParseSeedRange(value, options);
  } else if (flag == "--jobs" && ParseNumber(value, 1024, number) && number > 0) {
    options.jobs = static_cast<long>(number);
  } else if (flag == "--days" && ParseNumber(value, 100000, number) && number > 0) {
    options.run.days = static_cast<long>(number);
  } else if (flag == "--critters" && ParseNumber(value, kMostCritters, number)) {
    options.run.critters = static_cast<long>(number);
  } else if (flag == "--csv" && *value) {
    options.csv = value;
  } else if (flag == "--plot" && *value) {
    options.plot = value;
  } else {
    return false;
  }
  return true;
}

// Options that are followed by a value; --autopilot stands alone.
bool TakesValue(const std::string& flag) {
  for (const char* name : {"--data", "--seed", "--seeds", "--jobs", "--days", "--critters", "--csv", "--plot"}) {
    if (flag == name) return true;
  }
  return false;
}

// The exit status when the command line ends the program (after the help, the version or a
// line about what it does not understand); nothing when the run goes ahead.
std::optional<int> ParseOptions(int argc, char** argv, cOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (const std::optional<int> status = AnswerStandardOption("zoma-sim", kHelp.c_str(), flag)) return status;
    if (flag == "--autopilot") {
      options.run.autopilot = true;
    } else if (!TakesValue(flag)) {
      return UnknownOption("zoma-sim", flag);
    } else if (i + 1 >= argc) {
      return UsageError("zoma-sim", flag + " needs a value");
    } else if (!ApplyOption(flag, argv[++i], options)) {
      return UsageError("zoma-sim", "bad value for " + flag + ": " + argv[i]);
    }
  }
  return std::nullopt;
}

// Everything the game itself prints (script comments, configuration notes, the avatar's
// abilities after a lost advance) goes to standard error; the returned stream is the original
// standard output, kept for the lab's own lines.
std::FILE* SeparateResultsFromGameOutput() {
  std::fflush(stdout);
  std::FILE* results = fdopen(dup(STDOUT_FILENO), "w");
  dup2(STDERR_FILENO, STDOUT_FILENO);
  return results;
}

// Paths given on the command line are relative to where zoma-sim was started, not to DIR.
std::string FromStartFolder(const std::string& path, const std::string& startFolder) {
  return path.empty() || path[0] == '/' ? path : startFolder + "/" + path;
}

bool WriteCsv(const std::string& path, const std::vector<std::vector<cDayFigures>>& seeds) {
  const size_t species = seeds.empty() || seeds.front().empty() ? 0 : seeds.front().front().speciesCounts.size();
  std::string text = CsvHeader(species) + "\n";
  for (const std::vector<cDayFigures>& days : seeds) {
    for (const cDayFigures& day : days) text += CsvRow(day) + "\n";
  }
  return WriteOutputFile(path, text);
}

// One seed in this process, its day lines printed as the days end, then the closing line.
bool RunOneSeed(const cOptions& options, std::FILE* out, std::vector<std::vector<cDayFigures>>& seeds) {
  seeds.emplace_back();
  cProgressBar progress(static_cast<uint32_t>(options.run.days), "days");
  const auto wallStart = std::chrono::steady_clock::now();
  const long ticks = RunSeed(options.run, [&](const cDayFigures& day) {
    seeds.back().push_back(day);
    progress.Show(static_cast<uint32_t>(day.day));
    std::fprintf(out, "%s\n", FormatDayLine(day).c_str());
    std::fflush(out);
  });
  if (ticks < 0) return false;
  const double wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  std::fprintf(out, "ticks %ld, wall time %.3f s, %.0f ticks per second\n", ticks, wallSeconds,
               wallSeconds > 0.0 ? ticks / wallSeconds : 0.0);
  return true;
}

// Every seed of the range in child processes; lines in seed order, then the summary.
bool RunSeedRange(const cOptions& options, std::FILE* out, std::vector<std::vector<cDayFigures>>& seeds) {
  const uint32_t count = options.lastSeed - options.run.seed + 1;
  cProgressBar progress(count, "seeds");
  cSweep sweep;
  sweep.first = options.run.seed;
  sweep.last = options.lastSeed;
  sweep.jobs = static_cast<int>(options.jobs > 0 ? options.jobs : sysconf(_SC_NPROCESSORS_ONLN));
  sweep.runSeed = [&](uint32_t seed, std::FILE* rows) {
    // The children's game messages would bury the results; a single seed shows them.
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) dup2(quiet, STDOUT_FILENO);
    cRunOptions run = options.run;
    run.seed = seed;
    return RunSeed(run, [&](const cDayFigures& day) { std::fprintf(rows, "%s\n", CsvRow(day).c_str()); }) >= 0;
  };
  sweep.onSeed = [&](const std::vector<cDayFigures>& days) {
    seeds.push_back(days);
    for (const cDayFigures& day : days) std::fprintf(out, "seed %ld %s\n", day.seed, FormatDayLine(day).c_str());
  };
  sweep.onProgress = [&](uint32_t finished) { progress.Show(finished); };
  if (!RunSweep(sweep)) return false;
  std::fprintf(out, "%s\n", SummaryLine(seeds, options.run.days).c_str());
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  cOptions options;
  if (const std::optional<int> status = ParseOptions(argc, argv, options)) return *status;
  // Either would silently override the other, depending on the order given.
  if (options.seed && options.sweep) return UsageError("zoma-sim", "give either --seed N or --seeds A-B, not both");
  char startFolder[4096];
  if (!getcwd(startFolder, sizeof startFolder)) std::strcpy(startFolder, ".");
  // The game reads ZOMA.ini and its scripts from the current directory.
  if (!EnterDataFolder("zoma-sim", options.data)) return 1;
  if (!ConfiguredDaysCanBeRun()) return 1;
  std::FILE* results = SeparateResultsFromGameOutput();
  std::vector<std::vector<cDayFigures>> seeds;
  const bool ran = options.sweep ? RunSeedRange(options, results, seeds) : RunOneSeed(options, results, seeds);
  std::fclose(results);
  if (!ran) return 1;
  if (!options.csv.empty() && !WriteCsv(FromStartFolder(options.csv, startFolder), seeds)) return 1;
  if (!options.plot.empty() && !PlotSweep(seeds, FromStartFolder(options.plot, startFolder))) return 1;
  return 0;
}
