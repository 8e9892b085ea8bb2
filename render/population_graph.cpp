// The population graph's layout: panel, plots, scales, columns of days, lines, bars and legend.
#include "render/population_graph.h"

#include <algorithm>

bool gPopulationGraphVisible = false;
void TogglePopulationGraph() { gPopulationGraphVisible = !gPopulationGraphVisible; }

namespace {
constexpr int kMargin = 16;
constexpr int kTopClear = 80;     // the days-alive count and "Paused" stay readable above the panel
constexpr int kBottomClear = 58;  // the motive bars' strip and a gap
constexpr int kPadding = 8;
constexpr int kSmallBelowWidth = 560;
constexpr int kSmallBelowHeight = 420;
constexpr int kSmallestPlotWidth = 60;
constexpr int kSmallestPlotHeight = 30;

// The font's line height and a typical character width (Helvetica 10 and 12).
struct cTextMetrics {
  int line, character;
  int Width(const std::string& text) const { return static_cast<int>(text.size()) * character; }
};

int Height(const cGraphRect& r) { return r.bottom - r.top; }
int Width(const cGraphRect& r) { return r.right - r.left; }

int ScaledY(const cGraphRect& plot, long value, int top) {
  return plot.bottom - static_cast<int>(static_cast<long long>(value) * Height(plot) / top);
}

class cGraphBuilder {
 public:
  cGraphBuilder(const std::deque<cDayHistory>& days, int speciesCount, int width, int height)
      : days_(days), species_(speciesCount) {
    g_.smallText = width < kSmallBelowWidth || height < kSmallBelowHeight;
    text_ = g_.smallText ? cTextMetrics{12, 5} : cTextMetrics{16, 7};
    g_.panel = {kMargin, kTopClear, width - kMargin, height - kBottomClear};
  }

  cPopulationGraph Build() {
    Add(g_.panel.left + kPadding, g_.panel.top + text_.line, "Population, last days  (G closes)");
    PlacePlots();
    g_.fits = Width(g_.awakePlot) >= kSmallestPlotWidth && Height(g_.awakePlot) >= kSmallestPlotHeight &&
              Height(g_.deathsPlot) >= kSmallestPlotHeight;
    if (!g_.fits) {
      Add(g_.panel.left + kPadding, g_.panel.top + 2 * text_.line, "(the window is too small for it)");
      return g_;
    }
    ChooseSpecies();
    Scale();
    Axes();
    Lines();
    Bars();
    DayRows();
    Legend();
    return g_;
  }

 private:
  void Add(int x, int y, const std::string& text) { g_.texts.push_back(cGraphText{x, y, text}); }

  void PlacePlots() {
    legendWidth_ = g_.smallText ? 96 : 150;
    const int left = g_.panel.left + kPadding + text_.Width("0000") + 6;
    const int right = g_.panel.right - kPadding - legendWidth_;
    const int top = g_.panel.top + 2 * text_.line + kPadding;
    const int bottom = g_.panel.bottom - 2 * text_.line - kPadding;
    const int gap = text_.line + 6;  // the deaths plot's name
    const int awakeBottom = top + (bottom - top - gap) * 55 / 100;
    g_.awakePlot = {left, top, right, awakeBottom};
    g_.deathsPlot = {left, awakeBottom + gap, right, bottom};
  }

  // The first species, as many as the legend has rows for beside its two notes.
  void ChooseSpecies() {
    const int rows = Height(g_.awakePlot) / text_.line + Height(g_.deathsPlot) / text_.line;
    shown_ = std::max(0, std::min({species_, kGraphedSpeciesMost, rows - 2}));
    g_.hiddenSpecies = species_ - shown_;
  }

  void Scale() {
    long awake = 0, deaths = 0;
    for (const cDayHistory& day : days_) {
      for (const std::vector<int>& sample : day.awake)
        for (int s = 0; s < shown_ && s < static_cast<int>(sample.size()); ++s) awake = std::max<long>(awake, sample[s]);
      for (int s = 0; s < shown_ && s < static_cast<int>(day.deaths.size()); ++s) deaths = std::max(deaths, day.deaths[s]);
    }
    g_.awakeTop = NiceAxisTop(awake);
    g_.deathsTop = NiceAxisTop(deaths);
  }

  void AxisValues(const cGraphRect& plot, int top, const char* name) {
    Add(plot.left, plot.top - 4, name);
    const std::string topText = std::to_string(top);
    Add(plot.left - 4 - text_.Width(topText), plot.top + text_.line / 2, topText);
    Add(plot.left - 4 - text_.Width("0"), plot.bottom, "0");
  }

  void Axes() {
    AxisValues(g_.awakePlot, g_.awakeTop, "Critters awake");
    AxisValues(g_.deathsPlot, g_.deathsTop, "Deaths per day");
  }

  // Days fill the columns from the right: the day under way is the last.
  int ColumnLeft(size_t dayIndex) const {
    const size_t column = kHistoryDays - days_.size() + dayIndex;
    return g_.awakePlot.left + static_cast<int>(column * Width(g_.awakePlot) / kHistoryDays);
  }
  int ColumnWidth() const { return Width(g_.awakePlot) / static_cast<int>(kHistoryDays); }

  void Lines() {
    for (int s = 0; s < shown_; ++s) {
      cGraphLine line{s, {}};
      for (size_t d = 0; d < days_.size(); ++d) {
        const std::vector<std::vector<int>>& samples = days_[d].awake;
        for (size_t j = 0; j < samples.size(); ++j) {
          const int value = s < static_cast<int>(samples[j].size()) ? samples[j][s] : 0;
          const int x = ColumnLeft(d) + static_cast<int>((2 * j + 1) * ColumnWidth() / (2 * kHistorySamplesPerDay));
          line.points.emplace_back(x, ScaledY(g_.awakePlot, value, g_.awakeTop));
        }
      }
      g_.lines.push_back(line);
    }
  }

  void Bars() {
    if (shown_ == 0) return;
    const int group = ColumnWidth() * 8 / 10;
    const int width = std::max(1, group / shown_);
    for (size_t d = 0; d < days_.size(); ++d) {
      const int left = ColumnLeft(d) + ColumnWidth() / 10;
      for (int s = 0; s < shown_; ++s) {
        const long deaths = s < static_cast<int>(days_[d].deaths.size()) ? days_[d].deaths[s] : 0;
        const cGraphRect bar{left + s * width, ScaledY(g_.deathsPlot, deaths, g_.deathsTop), left + (s + 1) * width,
                             g_.deathsPlot.bottom};
        g_.bars.push_back(cGraphBar{s, bar});
      }
    }
  }

  // Under each day: its number, then the avatar's kills (k) and meals (m).
  void DayRows() {
    for (size_t d = 0; d < days_.size(); ++d) {
      const int x = ColumnLeft(d) + ColumnWidth() / 10;
      const std::string day = std::to_string(days_[d].day + 1);
      Add(x, g_.deathsPlot.bottom + text_.line, g_.smallText ? day : "day " + day);
      Add(x, g_.deathsPlot.bottom + 2 * text_.line,
          "k" + std::to_string(days_[d].kills) + " m" + std::to_string(days_[d].meals));
    }
  }

  void Legend() {
    const int left = g_.awakePlot.right + kPadding;
    const int swatch = text_.line - 6;
    int baseline = g_.awakePlot.top + text_.line;
    for (int s = 0; s < shown_; ++s, baseline += text_.line) {
      const cGraphRect box{left, baseline - swatch, left + swatch, baseline};
      g_.legend.push_back(cLegendEntry{s, box, cGraphText{left + swatch + 5, baseline, "species " + std::to_string(s + 1)}});
    }
    if (g_.hiddenSpecies > 0) {
      Add(left, baseline, "+" + std::to_string(g_.hiddenSpecies) + " more not shown");
      baseline += text_.line;
    }
    Add(left, baseline, g_.smallText ? "k, m: yours" : "k, m: your kills, meals");
  }

  const std::deque<cDayHistory>& days_;
  const int species_;
  cPopulationGraph g_;
  cTextMetrics text_{16, 7};
  int legendWidth_ = 0;
  int shown_ = 0;
};
}  // namespace

int NiceAxisTop(long value) {
  long step = 1;
  for (;;) {
    for (long factor : {1L, 2L, 5L})
      if (step * factor >= value) return static_cast<int>(step * factor);
    step *= 10;
  }
}

cPopulationGraph LayoutPopulationGraph(const std::deque<cDayHistory>& days, int speciesCount, int width, int height) {
  return cGraphBuilder(days, speciesCount, width, height).Build();
}
