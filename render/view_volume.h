// What the frame's camera can see, for skipping objects that could not put a single pixel on
// the screen. GL-free: it works from the matrices the scene captures, so it is tested headless.
#pragma once

#include "game/vector.h"
#include "render/footprint_grid.h"

class cViewVolume {
 public:
  // From the frame's model-view and projection matrices (column-major, as GL returns them) and
  // the viewport size in pixels.
  void Set(const double modelview[16], const double projection[16], float width, float height);

  // True when every point of the box from `low` to `high` (view-centre space) lies outside the
  // same side of the view, widened by a few pixels so that wide lines whose geometry ends just
  // past the edge still count as seen. Then nothing in the box can be drawn.
  bool BoxOutside(const cVector& low, const cVector& high) const;
  // The same for a box centred on `at`, `halfWidth` across in x and z and from `bottom` to
  // `top` in y.
  bool ColumnOutside(const cVector& at, float halfWidth, float bottom, float top) const;
  // The pixels the column can touch, widened by a few pixels for line widths and rounding, into
  // `box`; false when that is not known (part of the column is at or behind the eye).
  bool ColumnFootprint(const cVector& at, float halfWidth, float bottom, float top, cScreenBox& box) const;
  // From now until the next Set, nothing counts as outside.
  void SeeEverything() { seeEverything_ = true; }

 private:
  struct cPlane {
    double c[4];  // a point (x, y, z) is beyond it where c0 x + c1 y + c2 z + c3 > 0
  };
  double clip_[16] = {};  // projection x model-view, column-major
  cPlane sides_[6] = {};  // the widened view's six sides
  double marginX_ = 0.0, marginY_ = 0.0;  // the widening, as fractions of the clip range
  double width_ = 0.0, height_ = 0.0;     // the viewport's, in pixels
  bool seeEverything_ = false;
};

// Set by the scene at the start of every world pass.
extern cViewVolume gViewVolume;
