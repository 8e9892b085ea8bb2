// Which kinds of piece already cover which part of the window, in tiles of a few pixels: what
// lets a batch draw pieces out of their order where no two of them can share a pixel.
#pragma once

#include <cstdint>
#include <vector>

// A rectangle of window pixels, x from the left and y from the bottom of the viewport, that
// holds every pixel a piece can touch.
struct cScreenBox {
  float left, bottom, right, top;
};

class cFootprintGrid {
 public:
  // The viewport's size in pixels; forgets every mark.
  void Resize(int width, int height);
  // Forgets every mark.
  void Clear();
  // True when a tile under `box` carries any of the kind bits in `kinds`. Parts of the box
  // beyond the viewport count as its edge tiles.
  bool Touches(const cScreenBox& box, uint32_t kinds) const;
  // Marks the tiles under `box` with the kind bits in `kinds`.
  void Mark(const cScreenBox& box, uint32_t kinds);

 private:
  struct cTile {
    uint32_t clearing = 0;  // the clearing its kinds were marked after
    uint32_t kinds = 0;
  };
  struct cTileSpan {
    int x0, y0, x1, y1;
  };
  cTileSpan Span(const cScreenBox& box) const;

  int columns_ = 1, rows_ = 1;
  uint32_t clearing_ = 1;
  std::vector<cTile> tiles_ = std::vector<cTile>(1);
};
