// The population graph (G) laid out for a window: for each species in its colour the critters
// awake over the last days (a line through eight samples a day) and its deaths per day (bars),
// the avatar's kills and meals under each day, axes, and a legend. Pixel coordinates from the
// window's top-left, as the 2D overlay helpers take them. No GL here; population_graph_gl
// draws the layout.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "world/population_history.h"

// At most this many species are drawn (the first ones); the legend counts the rest.
constexpr int kGraphedSpeciesMost = 6;

extern bool gPopulationGraphVisible;
void TogglePopulationGraph();
// Drawn by population_graph_gl over the scene, when visible, from the world's history.
void DrawPopulationGraph();

struct cGraphRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};
struct cGraphText {
  int x = 0, y = 0;  // y is the baseline
  std::string text;
};
struct cGraphLine {
  int species = 0;
  std::vector<std::pair<int, int>> points;
};
// A day without deaths has a bar of no height (top == bottom), drawn as a mark on the axis, so
// it reads apart from a day not yet lived, which has no bar at all.
struct cGraphBar {
  int species = 0;
  cGraphRect rect;
};
struct cLegendEntry {
  int species = 0;  // the swatch's colour
  cGraphRect swatch;
  cGraphText label;
};

struct cPopulationGraph {
  bool fits = false;       // false: the window is too small for plots; only the texts show
  bool smallText = false;  // the small font, for small windows
  cGraphRect panel, awakePlot, deathsPlot;
  int awakeTop = 1, deathsTop = 1;  // the value at the top of each plot
  std::vector<cGraphText> texts;    // title, plot names, axis values, days, the avatar's row, notes
  std::vector<cGraphLine> lines;
  std::vector<cGraphBar> bars;
  std::vector<cLegendEntry> legend;
  int hiddenSpecies = 0;
};

// The smallest 1, 2 or 5 times a power of ten that is at least `value`; 1 for anything below.
int NiceAxisTop(long value);

// The graph for `speciesCount` species over the recorded days (oldest first, at most
// kHistoryDays, the latest at the right edge) in a window of width x height pixels.
cPopulationGraph LayoutPopulationGraph(const std::deque<cDayHistory>& days, int speciesCount, int width, int height);
