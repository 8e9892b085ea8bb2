// The view volume the scene skips unseen objects with: a camera 50 units above the origin
// looking straight down, 100 degrees tall, in an 800 x 600 window, as the game starts.
#include <gtest/gtest.h>

#include <cmath>

#include "render/view_volume.h"

namespace {
// gluPerspective(100, 4/3, 1, 1000), then translate (0, 0, -50) and rotate 90 about x.
cViewVolume TopDownView() {
  const double f = 1.0 / std::tan(50.0 * 3.14159265358979 / 180.0), aspect = 800.0 / 600.0;
  const double n = 1.0, far = 1000.0;
  const double projection[16] = {f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + n) / (n - far), -1,
                                 0, 0, 2 * far * n / (n - far), 0};
  const double modelview[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, -50, 1};
  cViewVolume view;
  view.Set(modelview, projection, 800.0f, 600.0f);
  return view;
}

TEST(ViewVolume, SkipsOnlyBoxesWhollyOutOnOneSide) {
  // From 50 up, the ground shows to about +-79 in x and +-60 in z; 8 pixels are about 1.5 units.
  struct { const char* what; cVector low, high; bool outside; } cases[] = {
      {"at the centre", {-1, 0, -1}, {1, 1, 1}, false},
      {"straddling the right edge", {78, 0, 0}, {82, 0, 1}, false},
      {"just past the right edge, within the margin", {80, 0, 0}, {81, 0, 1}, false},
      {"well past the right edge", {85, 0, 0}, {90, 0, 1}, true},
      {"well past the far edge", {0, 0, 65}, {1, 0, 70}, true},
      {"spanning the whole view", {-200, 0, -200}, {200, 0, 200}, false},
      {"above the eye", {-1, 60, -1}, {1, 61, 1}, true},
      {"beyond the far plane", {-1, -960, -1}, {1, -955, 1}, true},
  };
  const cViewVolume view = TopDownView();
  for (const auto& c : cases) EXPECT_EQ(view.BoxOutside(c.low, c.high), c.outside) << c.what;
}

TEST(ViewVolume, ColumnIsTheBoxAroundItsFoot) {
  const cViewVolume view = TopDownView();
  EXPECT_FALSE(view.ColumnOutside({84, 0, 0}, 6.0f, 0.0f, 4.5f));
  EXPECT_TRUE(view.ColumnOutside({90, 0, 0}, 3.0f, 0.0f, 4.5f));
}
// From 50 up a unit is about 5 pixels: a column's footprint holds its corners' window
// positions, widened a little, and is refused once the column reaches the eye.
TEST(ViewVolume, ColumnFootprintHoldsTheColumnOnScreen) {
  const cViewVolume view = TopDownView();
  cScreenBox box;
  ASSERT_TRUE(view.ColumnFootprint({0, 0, 0}, 1.0f, 0.0f, 0.0f, box));
  const double unit = 300.0 / (50.0 * std::tan(50.0 * 3.14159265358979 / 180.0));
  EXPECT_LT(box.left, 400.0 - unit);
  EXPECT_GT(box.right, 400.0 + unit);
  EXPECT_LT(box.bottom, 300.0 - unit);
  EXPECT_GT(box.top, 300.0 + unit);
  EXPECT_GT(box.left, 400.0 - unit - 5.0) << "widened by a few pixels, not more";
  EXPECT_LT(box.top, 300.0 + unit + 5.0);

  ASSERT_TRUE(view.ColumnFootprint({20, 0, 10}, 1.0f, 0.0f, 25.0f, box));
  EXPECT_GT(box.left, 400.0 + 19.0 * unit - 5.0) << "a column's foot lies east of the centre";
  EXPECT_LT(box.top, 300.0) << "and +z is down the screen in this view";
  EXPECT_GT(box.right, 400.0 + 2.0 * 21.0 * unit) << "its top, halfway to the eye, looks twice as far out";
  EXPECT_FALSE(view.ColumnFootprint({0, 0, 0}, 1.0f, 0.0f, 60.0f, box)) << "reaching past the eye";
}
// The plain definition, corner by corner, as an oracle: outside when all eight corners lie
// beyond the same side of the view widened by 8 pixels.
bool CornersOutside(const double clip[16], const cVector& low, const cVector& high) {
  const double mx = 16.0 / 800.0, my = 16.0 / 600.0;
  unsigned all = 0x3F;
  for (int corner = 0; corner < 8; ++corner) {
    const double p[3] = {corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y, corner & 4 ? high.z : low.z};
    double q[4];
    for (int r = 0; r < 4; ++r) q[r] = clip[r] * p[0] + clip[4 + r] * p[1] + clip[8 + r] * p[2] + clip[12 + r];
    unsigned out = 0;
    if (q[0] < -q[3] * (1 + mx)) out |= 1;
    if (q[0] > q[3] * (1 + mx)) out |= 2;
    if (q[1] < -q[3] * (1 + my)) out |= 4;
    if (q[1] > q[3] * (1 + my)) out |= 8;
    if (q[2] < -q[3]) out |= 16;
    if (q[2] > q[3]) out |= 32;
    all &= out;
  }
  return all != 0;
}

TEST(ViewVolume, AgreesWithTheCornerByCornerTestOnRandomBoxes) {
  // A tilted, turned camera 40 units back, as in the follow view.
  const double f = 1.0 / std::tan(30.0 * 3.14159265358979 / 180.0), aspect = 800.0 / 600.0;
  const double projection[16] = {f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, -1001.0 / 999.0, -1, 0, 0, -2000.0 / 999.0, 0};
  const double c = std::cos(0.5), s = std::sin(0.5), t = std::cos(1.1), u = std::sin(1.1);
  // rotate 0.5 rad about x, then 1.1 rad about y, then move 40 back
  const double modelview[16] = {t, s * u, -c * u, 0, 0, c, s, 0, u, -s * t, c * t, 0, 0, 0, -40, 1};
  cViewVolume view;
  view.Set(modelview, projection, 800.0f, 600.0f);
  double clip[16];
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 4; ++row) {
      clip[col * 4 + row] = 0;
      for (int k = 0; k < 4; ++k) clip[col * 4 + row] += projection[k * 4 + row] * modelview[col * 4 + k];
    }
  }
  uint32_t state = 99;
  const auto random = [&state](float range) {
    state = state * 1664525u + 1013904223u;
    return (static_cast<float>(state >> 8) / 16777216.0f - 0.5f) * range;
  };
  int outside = 0;
  for (int i = 0; i < 20000; ++i) {
    const cVector low(random(400), random(100), random(400));
    const cVector high(low.x + random(20) + 10, low.y + random(20) + 10, low.z + random(20) + 10);
    const bool expected = CornersOutside(clip, low, high);
    outside += expected;
    ASSERT_EQ(view.BoxOutside(low, high), expected) << "box " << i;
  }
  EXPECT_GT(outside, 2000) << "the boxes should fall on both sides";
  EXPECT_LT(outside, 18000);
}
}  // namespace
