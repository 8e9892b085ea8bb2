// How each world object looks: trees, carcass faces, nests and the critters' arrowheads,
// drawn as flat line drawings and discs at their offsets from the view centre. Installed
// behind the objects' Draw slots.
#include <GL/glu.h>

#include "game/game_clock.h"
#include "game/game_config.h"
#include "game/game_state.h"
#include "render/fixed_matrix.h"
#include "render/grc_circle.h"
#include "render/placed_batch.h"
#include "render/scene_rules.h"
#include "render/object_colours.h"
#include "render/scene.h"
#include "render/tree_shape.h"
#include "render/view_state.h"
#include "render/view_volume.h"
#include "world/geometry.h"
#include "world/objects.h"

namespace {
constexpr float kDegreesPerRadian = 57.295826f;

// Half the width of the box each kind of object is drawn in, with room to spare: a tree's
// widest ring has radius 3; carcass and nest rings radius 2; a critter's arrowhead reaches
// sqrt(5) from its centre. Heights: a tree up to its top ring, a critter up to its apex.
constexpr float kTreeReach = 3.1f;
constexpr float kTreeTop = 4.6f;
constexpr float kGroundMarkReach = 2.1f;
constexpr float kCritterReach = 2.3f;
constexpr float kCritterTop = 0.6f;

void TranslateTo(const cVector& offset) { glTranslatef(offset.x, offset.y, offset.z); }

// Turns a circle's plane onto the ground; its own -z is then up.
void LieFlat() { glRotatef(90.0f, 1.0f, 0.0f, 0.0f); }

// One ring of `radius` lying on the ground at the current origin.
void DrawGroundRing(float radius) {
  const grcCircle ring(10, false, 1.0f);
  glPushMatrix();
  LieFlat();
  ring.DrawAt(0.0f, 0.0f, 0.0f, radius);
  glPopMatrix();
}

void GroundVertex(float x, float z) { glVertex3f(x, 0.0f, z); }

// An X of half-size 0.3 on the ground.
void DrawCross(float cx, float cz) {
  GroundVertex(cx - 0.3f, cz - 0.3f);
  GroundVertex(cx + 0.3f, cz + 0.3f);
  GroundVertex(cx - 0.3f, cz + 0.3f);
  GroundVertex(cx + 0.3f, cz - 0.3f);
}

// A flat arrowhead 2 wide and 3 long along local +z (three corners), with a low apex joined to
// its corners; the segments in the order and direction the plain drawing's loop and lines go.
constexpr float kArrowPoints[4][3] = {{0.0f, 0.0f, 1.0f}, {1.0f, 0.0f, -2.0f}, {-1.0f, 0.0f, -2.0f}, {0.0f, 0.5f, -0.5f}};
constexpr int kArrowApex = 3;
constexpr uint8_t kArrowSegments[6][2] = {{0, 1}, {1, 2}, {2, 0}, {3, 0}, {3, 1}, {3, 2}};
constexpr cPieceShape kArrowShape = {kArrowPoints, 4, kArrowSegments, 6};

void DrawArrowhead() {
  glBegin(GL_LINE_LOOP);
  for (int corner = 0; corner < kArrowApex; ++corner) glVertex3fv(kArrowPoints[corner]);
  glEnd();
  glBegin(GL_LINES);
  for (int corner = 0; corner < kArrowApex; ++corner) {
    glVertex3fv(kArrowPoints[kArrowApex]);
    glVertex3fv(kArrowPoints[corner]);
  }
  glEnd();
}

// Trees and critters in a row of the object list wait here and go to the driver together
// when something else is drawn or the objects are done.
cPlacedBatch gObjectBatch;

bool Batching() { return !plain_drawing && PlacedBatchAvailable(); }

// The frame's matrices as the driver holds them, in float.
cMatrix gModelview, gProjection;

// Model-view x translation to `offset`, as the matrix stack would form it.
cMatrix PlacementAt(const cVector& offset) {
  cMatrix placement = gModelview;
  Translate(placement, offset.x, offset.y, offset.z);
  return placement;
}

cMatrix WithProjection(const cMatrix& modelview) { return Product(gProjection, modelview); }

// Window position with y from the top, like mouse coordinates, for labels and picking.
void StoreScreenPosition(cKeltoGameCritter& critter, const cVector& offset) {
  GLdouble wx, wy, wz;
  gluProject(offset.x, offset.y, offset.z, saved_modelview, saved_projection, saved_viewport, &wx,
             &wy, &wz);
  critter.screen_position = cVector(static_cast<float>(wx), window_height - static_cast<float>(wy),
                                    static_cast<float>(wz), 1.0f);
}

void DebugLineTo(const cVector& from, const cVector& offset, const cColour& colour) {
  glColor3f(colour.r, colour.g, colour.b);
  glVertex3f(from.x, from.y, from.z);
  glVertex3f(from.x + offset.x, from.y + offset.y, from.z + offset.z);
}

// The free-zoom view's lines to neighbours, remembered plants and the target.
void DrawDebugLines(const cKeltoGameCritter& critter, const cVector& from) {
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_LINES);
  for (const cKeltoGameCritter* n : critter.neighbours) {
    DebugLineTo(from, ViewOffset(n->position, critter.position), NeighbourLineColour(critter, *n));
  }
  glColor3f(0.0f, 1.0f, 0.0f);
  for (const cKeltoGamePlant* plant : critter.known_plants) {
    DebugLineTo(from, ViewOffset(plant->position, critter.position),
                KnownPlantLineColour(critter, *plant, gConfig.tree_cover_distance));
  }
  DebugLineTo(from, ViewOffset(critter.target, critter.position), {0.0f, 0.0f, 1.0f});
  glEnd();
}

const cColour kTrunkColour{1.0f, 0.5f, 0.0f};
const cColour kCrownColour{0.0f, 1.0f, 0.0f};

// The plain way, one disc and ring at a time through the matrix stack.
void DrawTreeAlone(const cVector& offset) {
  glPushMatrix();
  TranslateTo(offset);
  LieFlat();
  const grcCircle trunk(10, true, 1.0f);
  SetLitColor(kTrunkColour);
  for (float height : kTrunkHeights) trunk.DrawAt(0.0f, 0.0f, -height, 1.0f);
  const grcCircle crown(10, false, 1.0f);
  SetLitColor(kCrownColour);
  for (const cTreeRing& ring : kCrownRings) crown.DrawAt(0.0f, 0.0f, -ring.height, ring.radius);
  glPopMatrix();
}

// The fast way: the same circles under the same matrices, formed on the processor and added
// to the batch.
void AddCircle(ePieceKind kind, const cMatrix& tree, const cTreeRing& ring, const cColour& colour,
               const cScreenBox* footprint) {
  cMatrix circle = tree;
  Translate(circle, 0.0f, 0.0f, -ring.height);
  Scale(circle, ring.radius, ring.radius, 1.0f);
  const cTreeCircle& unit = TreeCircle();
  const cPieceShape shape = {unit.points, kTreeCircleSegments, kind == ePieceKind::kDisc ? nullptr : unit.ring,
                             kTreeCircleSegments};
  gObjectBatch.Add(kind, WithProjection(circle), colour, shape, footprint);
}

void AddTree(const cVector& offset) {
  cScreenBox box;
  const cScreenBox* footprint = gViewVolume.ColumnFootprint(offset, kTreeReach, 0.0f, kTreeTop, box) ? &box : nullptr;
  cMatrix tree = PlacementAt(offset);
  RotateAboutX(tree, 90.0f);
  const cColour trunk = LitColour(kTrunkColour, light_factor);
  for (float height : kTrunkHeights) AddCircle(ePieceKind::kDisc, tree, {height, 1.0f}, trunk, footprint);
  const cColour crown = LitColour(kCrownColour, light_factor);
  for (const cTreeRing& ring : kCrownRings) AddCircle(ePieceKind::kThinLines, tree, ring, crown, footprint);
}

class cGLObjectPainter : public cObjectPainter {
 public:
  // A tree: a trunk of stacked discs under a crown of shrinking rings.
  void DrawPlant(const cKeltoGamePlant& plant, const cVector& centre) override {
    const cVector offset = ViewOffset(plant.position, centre);
    if (gViewVolume.ColumnOutside(offset, kTreeReach, 0.0f, kTreeTop)) return;
    if (Batching()) {
      AddTree(offset);
    } else {
      DrawTreeAlone(offset);
    }
  }

  // A dead critter's face: a ring with crossed-out eyes and a flat mouth.
  void DrawCarcass(const cKeltoGameCarcass& carcass, const cVector& centre) override {
    const cVector offset = ViewOffset(carcass.position, centre);
    if (gViewVolume.ColumnOutside(offset, kGroundMarkReach, 0.0f, 0.0f)) return;
    DrawPlacedBatch(gObjectBatch);
    glPushMatrix();
    TranslateTo(offset);
    SetLitColor(CarcassColour(carcass, GameTime(), gConfig.carcass_decay_time));
    DrawGroundRing(2.0f);
    glBegin(GL_LINES);
    DrawCross(-0.75f, -0.65f);
    DrawCross(0.75f, -0.65f);
    GroundVertex(-0.75f, 0.65f);
    GroundVertex(0.75f, 0.65f);
    glEnd();
    glPopMatrix();
  }

  // A ring with spokes from the centre, through the nest's outline point pairs.
  void DrawNest(const cKeltoGameNest& nest, const cVector& centre) override {
    const cVector offset = ViewOffset(nest.position, centre);
    if (gViewVolume.ColumnOutside(offset, kGroundMarkReach, 0.0f, 0.0f)) return;
    DrawPlacedBatch(gObjectBatch);
    glPushMatrix();
    TranslateTo(offset);
    SetLitColor(1.0f, 0.6f, 0.0f);
    DrawGroundRing(2.0f);
    glBegin(GL_LINES);
    for (const cVector& point : nest.outline) glVertex3f(point.x, point.y, point.z);
    glEnd();
    glPopMatrix();
  }

  // An arrowhead along the heading in the species colour (not dimmed at night); asleep, the
  // critter is not drawn and keeps its last screen position. Out of view it still gets its
  // screen position; its debug lines may cross the view from anywhere.
  void DrawCritter(cKeltoGameCritter& critter, const cVector& centre) override {
    if (critter.state == kStateSleeping) return;
    const cVector offset = ViewOffset(critter.position, centre);
    StoreScreenPosition(critter, offset);
    if (!gGameState.freeZoom && gViewVolume.ColumnOutside(offset, kCritterReach, 0.0f, kCritterTop)) return;
    const cColour body = CritterBodyColour(critter);
    const float degrees = critter.heading * kDegreesPerRadian;
    if (Batching() && !gGameState.freeZoom) {
      cMatrix placement = PlacementAt(offset);
      RotateAboutY(placement, degrees);
      // No footprint: drawn last in a group, a critter never makes one close, and the trees
      // all come before the critters in the list.
      gObjectBatch.Add(ePieceKind::kWideLines, WithProjection(placement), body, kArrowShape, nullptr);
      return;
    }
    DrawPlacedBatch(gObjectBatch);
    glPushMatrix();
    TranslateTo(offset);
    glRotatef(degrees, 0.0f, 1.0f, 0.0f);
    glColor3f(body.r, body.g, body.b);
    glLineWidth(2.0f);
    DrawArrowhead();
    glLineWidth(1.0f);
    if (gGameState.freeZoom && critter.aware) DrawGroundRing(1.0f);
    glPopMatrix();
    if (gGameState.freeZoom) DrawDebugLines(critter, offset);
  }
};

cGLObjectPainter gGLObjectPainter;
}  // namespace

void InstallObjectPainter() { gObjectPainter = &gGLObjectPainter; }

void StartObjects() {
  gModelview = MatrixFromDoubles(saved_modelview);
  gProjection = MatrixFromDoubles(saved_projection);
  gObjectBatch.Start(saved_viewport[2], saved_viewport[3]);
}

void FinishObjects() { DrawPlacedBatch(gObjectBatch); }
