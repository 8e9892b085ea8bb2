// Drawing a sweep with gnuplot (Debian's gnuplot-nox) into an SVG file: the species counts
// and deaths per day (mean over the seeds) above, the avatar's health and hunger at each
// day's end, one line per seed, below.
#pragma once

#include <string>
#include <vector>

#include "tools/lab/day_figures.h"

// The gnuplot data: first one block per species (day, mean count, mean deaths), then one
// block per seed (day, health, hunger); blocks separated by two blank lines, as gnuplot's
// `index` wants them.
std::string PlotData(const std::vector<std::vector<cDayFigures>>& seeds);
// The gnuplot commands that draw `dataPath` into `svgPath`.
std::string PlotScript(const std::vector<std::vector<cDayFigures>>& seeds, const std::string& dataPath,
                       const std::string& svgPath);
// Runs gnuplot. False (after a message) when it could not draw the file.
bool PlotSweep(const std::vector<std::vector<cDayFigures>>& seeds, const std::string& svgPath);
