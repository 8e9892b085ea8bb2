// Batched drawing's arithmetic: the matrix steps against the driver's own results, bit for
// bit, and the batch's groups, which must keep the drawing order wherever two pieces can meet.
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

const float kTriangle[3][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
const uint8_t kTriangleOutline[3][2] = {{0, 1}, {1, 2}, {2, 0}};
const cPieceShape kDiscShape = {kTriangle, 3, nullptr, 0};
const cPieceShape kLinesShape = {kTriangle, 3, kTriangleOutline, 3};

cPieceShape ShapeOf(ePieceKind kind) { return kind == ePieceKind::kDisc ? kDiscShape : kLinesShape; }

// The pieces in the order the GL side draws them (group by group, kind by kind), each named by
// the mark in its placement.
std::vector<int> DrawingOrder(const cPlacedBatch& batch) {
  std::vector<int> order;
  cGroupEnd from{};
  for (const cGroupEnd& to : batch.Groups()) {
    for (int k = 0; k < kPieceKinds; ++k) {
      const cKindList& list = batch.Kind(static_cast<ePieceKind>(k));
      for (int v = from.vertices[k]; v < to.vertices[k]; v += 3) {
        order.push_back(static_cast<int>(list.vertices[v].placement.m[0]));
      }
    }
    from = to;
  }
  return order;
}

bool Overlap(const cScreenBox& a, const cScreenBox& b) {
  return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

// Whatever the kinds and footprints, two pieces that may share a pixel (their footprints meet,
// or one has none) are drawn in the order they were added, and every piece is drawn once.
TEST(PlacedBatch, PiecesThatMayShareAPixelKeepTheirOrder) {
  uint32_t state = 12345;
  const auto next = [&state](int below) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<uint32_t>(below));
  };
  for (int round = 0; round < 200; ++round) {
    cPlacedBatch batch;
    batch.Start(800, 600);
    std::vector<cScreenBox> boxes;
    std::vector<bool> placed;
    const int pieces = 2 + next(60);
    for (int id = 0; id < pieces; ++id) {
      const auto kind = static_cast<ePieceKind>(next(kPieceKinds));
      const float x = static_cast<float>(next(900)) - 50.0f, y = static_cast<float>(next(700)) - 50.0f;
      const cScreenBox box = {x, y, x + static_cast<float>(next(80)), y + static_cast<float>(next(80))};
      const bool known = next(8) != 0;
      boxes.push_back(box);
      placed.push_back(known);
      batch.Add(kind, Marked(static_cast<float>(id)), {}, ShapeOf(kind), known ? &box : nullptr);
    }
    const std::vector<int> order = DrawingOrder(batch);
    ASSERT_EQ(order.size(), static_cast<size_t>(pieces)) << "round " << round;
    for (size_t i = 0; i < order.size(); ++i) {
      for (size_t j = i + 1; j < order.size(); ++j) {
        const int a = order[i], b = order[j];
        if (a < b) continue;
        const bool mayShare = !placed[a] || !placed[b] || Overlap(boxes[a], boxes[b]);
        EXPECT_FALSE(mayShare) << "round " << round << ": piece " << b << " drawn after piece " << a;
      }
    }
  }
}

// Trees far apart share one group: all their discs, then all their rings; a tree over an earlier
// one's rings, or a disc after pieces with no footprint, starts a new group. Wide lines, drawn
// last, never close a group.
TEST(PlacedBatch, GroupsCloseOnlyWhereTheOrderWouldChange) {
  const cScreenBox left = {10, 10, 40, 40}, right = {500, 10, 530, 40}, overLeft = {30, 30, 60, 60};
  struct Case {
    const char* what;
    std::vector<std::pair<ePieceKind, const cScreenBox*>> pieces;
    size_t groups;
  };
  const ePieceKind disc = ePieceKind::kDisc, thin = ePieceKind::kThinLines, wide = ePieceKind::kWideLines;
  const std::vector<Case> cases = {
      {"trees apart", {{disc, &left}, {thin, &left}, {disc, &right}, {thin, &right}}, 1},
      {"a tree over another", {{disc, &left}, {thin, &left}, {disc, &overLeft}, {thin, &overLeft}}, 2},
      {"a disc with no footprint after rings", {{disc, &left}, {thin, &left}, {disc, nullptr}}, 2},
      {"rings with no footprint after discs", {{disc, &left}, {thin, nullptr}, {thin, nullptr}}, 1},
      {"critters after trees", {{disc, &left}, {thin, &left}, {wide, nullptr}, {wide, nullptr}}, 1},
      {"a tree after a critter", {{wide, nullptr}, {disc, &right}}, 2},
  };
  for (const Case& c : cases) {
    cPlacedBatch batch;
    batch.Start(800, 600);
    for (const auto& [kind, box] : c.pieces) batch.Add(kind, Marked(0), {}, ShapeOf(kind), box);
    EXPECT_EQ(batch.Groups().size(), c.groups) << c.what;
  }
}

// A piece's vertices carry its placement and colour; a line piece's segments become index
// pairs into its own vertices, in order and direction; a disc is one polygon.
TEST(PlacedBatch, PiecesBecomeVerticesIndicesAndPolygons) {
  cPlacedBatch batch;
  batch.Start(800, 600);
  batch.Add(ePieceKind::kThinLines, Marked(1), {0, 1, 0}, kLinesShape, nullptr);
  batch.Add(ePieceKind::kThinLines, Marked(2), {0, 0, 1}, kLinesShape, nullptr);
  batch.Add(ePieceKind::kDisc, Marked(3), {1, 0, 0}, kDiscShape, nullptr);
  const cKindList& lines = batch.Kind(ePieceKind::kThinLines);
  EXPECT_EQ(lines.indices, (std::vector<uint32_t>{0, 1, 1, 2, 2, 0, 3, 4, 4, 5, 5, 3}));
  ASSERT_EQ(lines.vertices.size(), 6u);
  EXPECT_EQ(lines.vertices[4].placement.m[0], 2.0f);
  EXPECT_EQ(lines.vertices[4].position[0], 1.0f);
  EXPECT_EQ(lines.vertices[4].colour[2], 1.0f);
  const cKindList& discs = batch.Kind(ePieceKind::kDisc);
  EXPECT_EQ(discs.polygonFirsts, std::vector<int>{0});
  EXPECT_EQ(discs.polygonCounts, std::vector<int>{3});
  EXPECT_TRUE(discs.indices.empty());
  EXPECT_EQ(batch.LastColour(), (cColour{1, 0, 0}));
  batch.Clear();
  EXPECT_TRUE(batch.Empty());
  EXPECT_TRUE(batch.Kind(ePieceKind::kThinLines).vertices.empty());
}

// The grid answers for the open group only, counts a box past the window's edge as the edge
// tiles, and forgets on clearing.
TEST(FootprintGrid, MarksTilesByKind) {
  cFootprintGrid grid;
  grid.Resize(800, 600);
  grid.Mark({100, 100, 110, 110}, 1u);
  grid.Mark({-50, -50, -40, -40}, 2u);
  EXPECT_TRUE(grid.Touches({105, 105, 106, 106}, 1u));
  EXPECT_FALSE(grid.Touches({105, 105, 106, 106}, 2u)) << "another kind";
  EXPECT_FALSE(grid.Touches({200, 200, 210, 210}, 1u)) << "elsewhere";
  EXPECT_TRUE(grid.Touches({0, 0, 1, 1}, 2u)) << "off the window, at its corner";
  EXPECT_TRUE(grid.Touches({-900, -900, 2000, 2000}, 1u)) << "a box round the whole window";
  grid.Clear();
  EXPECT_FALSE(grid.Touches({0, 0, 800, 600}, 3u));
}

// A ring is the circle's closed outline: each point to the next and the last back to the first.
TEST(TreeCircle, RingIsTheClosedOutline) {
  const cTreeCircle& circle = TreeCircle();
  for (int s = 0; s < kTreeCircleSegments; ++s) {
    EXPECT_EQ(circle.ring[s][0], s);
    EXPECT_EQ(circle.ring[s][1], (s + 1) % kTreeCircleSegments);
  }
  EXPECT_EQ(circle.points[0][0], 1.0f) << "the walk starts at (1, 0)";
  EXPECT_EQ(circle.points[0][1], 0.0f);
}
}  // namespace
