// Batched drawing's arithmetic: the matrix steps against the driver's own results, bit for
// bit, and the batch's runs, which must keep every piece in drawing order.
#include <gtest/gtest.h>

#include <vector>

#include "render/fixed_matrix.h"
#include "render/placed_batch.h"
#include "render/tree_shape.h"

namespace {
// Read back from Mesa 22.3 (llvmpipe) after gluPerspective(45, 4/3, 1, 1000) and
// glTranslatef(0, 0, -50), glRotatef(35, 1, 0, 0), glRotatef(-123.4, 0, 1, 0).
constexpr cMatrix kProjection = {{0x1.cf876cp+0, 0, 0, 0, 0, 0x1.3504f4p+1, 0, 0, 0, 0, -0x1.008334p+0, -0x1p+0,
                                  0, 0, -0x1.00419ap+1, 0}};
constexpr cMatrix kView = {{-0x1.19d89ep-1, -0x1.ea5768p-2, 0x1.5e23dap-1, 0, 0, 0x1.a367e6p-1, 0x1.25abdp-1, 0,
                            -0x1.ab712cp-1, 0x1.435216p-2, -0x1.cdbfeep-2, 0, 0, 0, -0x1.9p+5, 0x1p+0}};

void ExpectBits(const cMatrix& actual, const cMatrix& expected) {
  for (int i = 0; i < 16; ++i) EXPECT_EQ(actual.m[i], expected.m[i]) << "entry " << i;
}

// The driver's results for a critter (translate, turn about y) and a tree's crown ring (translate,
// lie flat, lift, widen), then the ring's projection x model-view: a step done in another
// order, in double or with a fused multiply-add misses some of these bits.
TEST(FixedMatrix, MatchesTheDriverBitForBit) {
  cMatrix critter = kView;
  Translate(critter, -117.3f, 0.0f, 84.55f);
  RotateAboutY(critter, 0.7f * 57.295826f);
  ExpectBits(critter, {{0x1.de62cp-4, -0x1.23a94cp-1, 0x1.a08918p-1, 0, 0, 0x1.a367e6p-1, 0x1.25abdp-1, 0,
                        -0x1.fc7ef8p-1, -0x1.12640cp-4, 0x1.87deep-4, 0, -0x1.80f5ap+2, 0x1.4b75dp+6,
                        -0x1.50afe6p+7, 0x1p+0}});

  cMatrix ring = kView;
  Translate(ring, 33.3f, 0.0f, -201.7f);
  RotateAboutX(ring, 90.0f);
  Translate(ring, 0.0f, 0.0f, -3.5f);
  Scale(ring, 2.0f, 2.0f, 1.0f);
  ExpectBits(ring, {{-0x1.19d89ep+0, -0x1.ea5768p-1, 0x1.5e23dap+0, 0, -0x1.ab712cp+0, 0x1.435214p-1,
                     -0x1.cdbffp-1, 0, 0x1.39778ap-25, -0x1.a367e6p-1, -0x1.25abdp-1, 0, 0x1.2c1d96p+7,
                     -0x1.330e4cp+6, 0x1.06edf2p+6, 0x1p+0}});
  ExpectBits(Product(kProjection, ring),
             {{-0x1.fe53dep+0, -0x1.27f27ep+1, -0x1.5ed74ep+0, -0x1.5e23dap+0, -0x1.82f9e6p+1, 0x1.864854p+0,
               0x1.ceac98p-1, 0x1.cdbffp-1, 0x1.1bca82p-24, -0x1.fa4486p+0, 0x1.264252p-1, 0x1.25abdp-1,
               0x1.0fb422p+8, -0x1.72a632p+7, -0x1.0f76cp+6, -0x1.06edf2p+6}});
}

// The GL's conventions, where a slip would still round well: which way each step turns and
// which side it multiplies on.
TEST(FixedMatrix, StepsFollowTheGlConventions) {
  const auto apply = [](const cMatrix& m, float x, float y, float z) {
    return std::vector<float>{m.m[0] * x + m.m[4] * y + m.m[8] * z + m.m[12],
                              m.m[1] * x + m.m[5] * y + m.m[9] * z + m.m[13],
                              m.m[2] * x + m.m[6] * y + m.m[10] * z + m.m[14]};
  };
  const cMatrix identity = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
  struct Case {
    const char* what;
    cMatrix matrix;
    std::vector<float> point, expected;
  };
  cMatrix turnY = identity, turnX = identity, moved = identity, movedThenTurned = identity, scaled = identity;
  RotateAboutY(turnY, 90.0f);
  RotateAboutX(turnX, 90.0f);
  Translate(moved, 1.0f, 2.0f, 3.0f);
  Translate(movedThenTurned, 10.0f, 0.0f, 0.0f);
  RotateAboutY(movedThenTurned, 90.0f);
  Scale(scaled, 2.0f, 3.0f, 4.0f);
  const std::vector<Case> cases = {
      {"a quarter turn about y takes +z to +x", turnY, {0, 0, 1}, {1, 0, 0}},
      {"a quarter turn about x takes +y to +z", turnX, {0, 1, 0}, {0, 0, 1}},
      {"translation adds", moved, {1, 1, 1}, {2, 3, 4}},
      {"the turn applies first, in the moved frame", movedThenTurned, {0, 0, 1}, {11, 0, 0}},
      {"scaling is per axis", scaled, {1, 1, 1}, {2, 3, 4}},
  };
  for (const Case& c : cases) {
    const std::vector<float> got = apply(c.matrix, c.point[0], c.point[1], c.point[2]);
    for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(got[axis], c.expected[axis], 1e-6f) << c.what;
  }
  const cMatrix shifted = Product(moved, scaled);
  EXPECT_EQ(apply(shifted, 1, 1, 1), (std::vector<float>{3, 5, 7})) << "a x b applies b first";
}

cMatrix Marked(float value) {
  cMatrix m{};
  m.m[0] = value;
  return m;
}

const float kTwoPoints[2][3] = {{0, 0, 0}, {1, 0, 0}};
const float kTriangle[3][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};

// Lines of one width run on as one list; a polygon stays a piece of its own; any change of
// shape or width starts a new run, so the order of drawing is the order of adding.
TEST(PlacedBatch, RunsKeepTheOrderOfAdding) {
  cPlacedBatch batch;
  batch.Add(ePieceShape::kPolygon, 1.0f, Marked(1), {1, 0, 0}, kTriangle, 3);
  batch.Add(ePieceShape::kPolygon, 1.0f, Marked(2), {1, 0, 0}, kTriangle, 3);
  batch.Add(ePieceShape::kLines, 1.0f, Marked(3), {0, 1, 0}, kTwoPoints, 2);
  batch.Add(ePieceShape::kLines, 1.0f, Marked(4), {0, 1, 0}, kTwoPoints, 2);
  batch.Add(ePieceShape::kLines, 2.0f, Marked(5), {0, 0, 1}, kTwoPoints, 2);
  batch.Add(ePieceShape::kPolygon, 1.0f, Marked(6), {1, 0, 0}, kTriangle, 3);

  struct Expected {
    ePieceShape shape;
    float width;
    std::vector<int> firsts, counts;
  };
  const std::vector<Expected> expected = {{ePieceShape::kPolygon, 1.0f, {0, 3}, {3, 3}},
                                          {ePieceShape::kLines, 1.0f, {6}, {4}},
                                          {ePieceShape::kLines, 2.0f, {10}, {2}},
                                          {ePieceShape::kPolygon, 1.0f, {12}, {3}}};
  ASSERT_EQ(batch.Runs().size(), expected.size());
  for (size_t r = 0; r < expected.size(); ++r) {
    EXPECT_EQ(batch.Runs()[r].shape, expected[r].shape) << "run " << r;
    EXPECT_EQ(batch.Runs()[r].lineWidth, expected[r].width) << "run " << r;
    EXPECT_EQ(batch.Runs()[r].firsts, expected[r].firsts) << "run " << r;
    EXPECT_EQ(batch.Runs()[r].counts, expected[r].counts) << "run " << r;
  }
  // Each vertex carries its own piece's placement and colour.
  const std::vector<cBatchVertex>& v = batch.Vertices();
  ASSERT_EQ(v.size(), 15u);
  EXPECT_EQ(v[4].placement.m[0], 2.0f);
  EXPECT_EQ(v[7].placement.m[0], 3.0f);
  EXPECT_EQ(v[7].position[0], 1.0f);
  EXPECT_EQ(v[10].colour[2], 1.0f);
  batch.Clear();
  EXPECT_TRUE(batch.Empty());
  EXPECT_TRUE(batch.Runs().empty());
}

// A ring is the disc's outline as segments, each from a vertex to the next and the last back
// to the first: the segments a closed loop through the disc's vertices draws.
TEST(TreeCircle, RingIsTheDiscsClosedOutline) {
  const cTreeCircle& circle = TreeCircle();
  for (int s = 0; s < kTreeCircleSegments; ++s) {
    const int next = (s + 1) % kTreeCircleSegments;
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(circle.ring[2 * s][k], circle.disc[s][k]) << "segment " << s;
      EXPECT_EQ(circle.ring[2 * s + 1][k], circle.disc[next][k]) << "segment " << s;
    }
  }
  EXPECT_EQ(circle.disc[0][0], 1.0f) << "the walk starts at (1, 0)";
  EXPECT_EQ(circle.disc[0][1], 0.0f);
}
}  // namespace
