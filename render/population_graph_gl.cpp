// Drawing the population graph over the scene from its layout, with the 2D overlay helpers.
#include <GL/glut.h>

#include "platform/window_size.h"
#include "render/colour.h"
#include "render/object_colours.h"
#include "render/overlay_2d.h"
#include "render/population_graph.h"
#include "world/species.h"
#include "world/world.h"

namespace {
void SetColour(const cColour& c) { glColor3f(c.r, c.g, c.b); }

void FillRect(const cGraphRect& r) { FillRect2D(r.left, r.top, r.right, r.bottom); }

void DrawPlotFrame(const cGraphRect& plot) {
  glColor3f(0.7f, 0.7f, 0.7f);
  DrawLine2D(plot.left, plot.top, plot.left, plot.bottom);
  DrawLine2D(plot.left, plot.bottom, plot.right, plot.bottom);
}

void DrawBars(const std::vector<cGraphBar>& bars) {
  for (const cGraphBar& bar : bars) {
    SetColour(SpeciesColour(bar.species));
    const cGraphRect& r = bar.rect;
    // A day without deaths: a mark on the axis, one pixel high.
    if (r.top == r.bottom) DrawLine2D(r.left, r.bottom - 1, r.right, r.bottom - 1);
    else FillRect(r);
  }
}

void DrawLines(const std::vector<cGraphLine>& lines) {
  glLineWidth(2.0f);
  for (const cGraphLine& line : lines) {
    SetColour(SpeciesColour(line.species));
    // The first sample of a world makes no line yet: a dot shows it.
    if (line.points.size() == 1) {
      const auto [x, y] = line.points[0];
      FillRect2D(x - 1, y - 1, x + 2, y + 2);
    }
    for (size_t i = 1; i < line.points.size(); ++i)
      DrawLine2D(line.points[i - 1].first, line.points[i - 1].second, line.points[i].first, line.points[i].second);
  }
  glLineWidth(1.0f);
}
}  // namespace

void DrawPopulationGraph() {
  if (!gPopulationGraphVisible) return;
  const cPopulationGraph g = LayoutPopulationGraph(gWorld->history.Days(), static_cast<int>(gSpeciesTable.size()),
                                                   DrawingWindowWidth(), DrawingWindowHeight());
  void* font = g.smallText ? GLUT_BITMAP_HELVETICA_10 : GLUT_BITMAP_HELVETICA_12;
  Begin2D();
  glColor4f(0.0f, 0.0f, 0.0f, 0.85f);
  FillRect(g.panel);
  glColor3f(1.0f, 1.0f, 1.0f);
  DrawFrame2D(g.panel.left, g.panel.top, g.panel.right, g.panel.bottom);
  if (g.fits) {
    DrawPlotFrame(g.awakePlot);
    DrawPlotFrame(g.deathsPlot);
    DrawBars(g.bars);
    DrawLines(g.lines);
    for (const cLegendEntry& entry : g.legend) {
      SetColour(SpeciesColour(entry.species));
      FillRect(entry.swatch);
      glColor3f(1.0f, 1.0f, 1.0f);
      DrawText2D(entry.label.x, entry.label.y, font, entry.label.text);
    }
  }
  glColor3f(1.0f, 1.0f, 1.0f);
  for (const cGraphText& text : g.texts) DrawText2D(text.x, text.y, font, text.text);
  End2D();
}
