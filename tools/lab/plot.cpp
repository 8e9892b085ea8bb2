// The plot's data blocks and commands, and running gnuplot over them.
#include "tools/lab/plot.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/lab/output_file.h"

namespace {
size_t SpeciesCount(const std::vector<std::vector<cDayFigures>>& seeds) {
  return seeds.empty() || seeds.front().empty() ? 0 : seeds.front().front().speciesCounts.size();
}

std::string Line(const char* format, double a, double b, double c) {
  char text[96];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

// gnuplot strings are in single quotes, where only a quote itself needs doubling.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

// The shell's status for a command it cannot find.
constexpr int kCommandNotFound = 127;

// A file of our own in the temporary folder, for gnuplot's data and drawing; removed at the end.
class cScratchFile {
 public:
  cScratchFile() {
    const int fd = mkstemp(path_);
    made_ = fd >= 0;
    if (made_) {
      close(fd);
    } else {
      std::fprintf(stderr, "zoma-sim: cannot make a scratch file for the plot: %s\n", std::strerror(errno));
    }
  }
  ~cScratchFile() {
    if (made_) unlink(path_);
  }
  cScratchFile(const cScratchFile&) = delete;
  cScratchFile& operator=(const cScratchFile&) = delete;

  bool Made() const { return made_; }
  std::string Path() const { return path_; }
  std::string Text() const {
    std::string text;
    std::FILE* file = std::fopen(path_, "r");
    if (!file) return text;
    char buffer[8192];
    for (size_t count; (count = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, count);
    std::fclose(file);
    return text;
  }

 private:
  char path_[32] = "/tmp/zoma-sim-plot-XXXXXX";
  bool made_ = false;
};

// Each plot command is built as a list of "item, "; the last separator has to go.
void EndPlot(std::string& script) {
  if (script.size() >= 2 && script.compare(script.size() - 2, 2, ", ") == 0) script.resize(script.size() - 2);
  script += "\n";
}
}  // namespace

std::string PlotData(const std::vector<std::vector<cDayFigures>>& seeds) {
  std::string data;
  const size_t species = SpeciesCount(seeds);
  for (size_t s = 0; s < species; ++s) {
    for (size_t day = 0; day < seeds.front().size(); ++day) {
      double count = 0.0, deaths = 0.0;
      for (const std::vector<cDayFigures>& days : seeds) {
        if (day >= days.size()) continue;
        count += days[day].speciesCounts[s];
        deaths += days[day].speciesDeaths[s];
      }
      data += Line("%.0f %.3f %.3f\n", static_cast<double>(day + 1), count / seeds.size(), deaths / seeds.size());
    }
    data += "\n\n";
  }
  for (const std::vector<cDayFigures>& days : seeds) {
    for (const cDayFigures& d : days) data += Line("%.0f %.1f %.1f\n", static_cast<double>(d.day), d.health, d.hunger);
    data += "\n\n";
  }
  return data;
}

std::string PlotScript(const std::vector<std::vector<cDayFigures>>& seeds, const std::string& dataPath,
                       const std::string& svgPath) {
  const size_t species = SpeciesCount(seeds);
  const std::string data = Quoted(dataPath);
  std::string script = "set terminal svg size 1000,900 dynamic background '#ffffff'\n";
  script += "set output " + Quoted(svgPath) + "\n";
  script += "set multiplot layout 2,1\nset xlabel 'day'\nset key outside right\nset grid\n";
  script += "set title 'Critters of each species (solid) and their deaths per day (dashed), mean over seeds'\n";
  script += "plot ";
  for (size_t s = 0; s < species; ++s) {
    const std::string index = std::to_string(s);
    const std::string name = "species" + std::to_string(s + 1);
    script += data + " index " + index + " using 1:2 with linespoints lc " + std::to_string(s + 1) + " title '" +
              name + "', " + data + " index " + index + " using 1:3 with lines dt 2 lc " + std::to_string(s + 1) +
              " title '" + name + " deaths', ";
  }
  EndPlot(script);
  script += "set title \"Avatar's health (solid) and hunger (dashed) at each day's end, one colour per seed\"\n";
  script += "set yrange [0:105]\nplot ";
  for (size_t i = 0; i < seeds.size(); ++i) {
    const std::string index = std::to_string(species + i);
    const std::string seed = seeds[i].empty() ? "?" : std::to_string(seeds[i].front().seed);
    const std::string colour = " lc " + std::to_string(i + 1);
    script += data + " index " + index + " using 1:2 with linespoints" + colour + " title 'seed " + seed + "', " +
              data + " index " + index + " using 1:3 with lines dt 2" + colour + " notitle, ";
  }
  EndPlot(script);
  script += "unset multiplot\n";
  return script;
}

bool PlotSweep(const std::vector<std::vector<cDayFigures>>& seeds, const std::string& svgPath) {
  cScratchFile data, drawing;
  if (!data.Made() || !drawing.Made() || !WriteOutputFile(data.Path(), PlotData(seeds))) return false;
  // gnuplot draws into a scratch file and we copy it: gnuplot says nothing through its exit
  // status when it cannot write, and sends the whole drawing to its standard output instead.
  std::FILE* gnuplot = popen("exec gnuplot >/dev/null", "w");
  int status = -1;
  if (gnuplot) {
    const std::string script = PlotScript(seeds, data.Path(), drawing.Path());
    std::fwrite(script.data(), 1, script.size(), gnuplot);
    status = pclose(gnuplot);
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == kCommandNotFound) {
    std::fprintf(stderr, "zoma-sim: cannot run gnuplot for %s (is gnuplot-nox installed?)\n", svgPath.c_str());
    return false;
  }
  const std::string svg = drawing.Text();
  if (status != 0 || svg.empty()) {
    std::fprintf(stderr, "zoma-sim: gnuplot could not draw %s\n", svgPath.c_str());
    return false;
  }
  return WriteOutputFile(svgPath, svg);
}
