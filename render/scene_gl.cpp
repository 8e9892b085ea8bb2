// The scene: the world pass around the avatar (ground, objects, dials, days counter, fights,
// status) and the frame's 2D overlays (evolution dialog, nest-building bar, hover label).
#include <GL/glut.h>

#include <cstdio>

#include "dialog/evolution.h"
#include "game/game_state.h"
#include "platform/window_size.h"
#include "render/dialog_painter.h"
#include "render/grc_circle.h"
#include "render/hud.h"
#include "render/object_colours.h"
#include "render/overlay_2d.h"
#include "render/scene.h"
#include "render/scene_dials.h"
#include "render/scene_rules.h"
#include "render/view_state.h"
#include "render/view_volume.h"
#include "terrain/terrain_classes.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/world.h"

namespace {
constexpr float kCellSize = 8.0f;

void CaptureView() {
  glGetDoublev(GL_MODELVIEW_MATRIX, saved_modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, saved_projection);
  glGetIntegerv(GL_VIEWPORT, saved_viewport);
  window_width = static_cast<float>(DrawingWindowWidth());
  window_height = static_cast<float>(DrawingWindowHeight());
  if (plain_drawing) {
    gViewVolume.SeeEverything();
  } else {
    gViewVolume.Set(saved_modelview, saved_projection, static_cast<float>(saved_viewport[2]),
                    static_cast<float>(saved_viewport[3]));
  }
}

// Every cell of ground row i lies in this strip: re-centred offsets are within +-256 and a cell
// reaches 8 beyond its corner.
bool GroundRowOutside(int i, const cVector& centre) {
  const float x = GroundCellCorner(i, 0, centre).x;
  return gViewVolume.BoxOutside(cVector(x, 0.0f, -kWorldSize * 0.5f),
                                cVector(x + kCellSize, 0.0f, kWorldSize * 0.5f + kCellSize));
}

// A flat sheet of 64 x 64 cells re-centred on the avatar. Depth writes are off, so nothing
// drawn later is ever hidden by the ground. Rows and cells out of view are skipped, but an
// unknown class still keeps the colour of the cell before it, seen or not.
void DrawGround(const cVector& centre) {
  cColour colour = GroundCellColour(kTerrainLand, {});
  SetLitColor(colour);
  glDepthMask(GL_FALSE);
  glBegin(GL_QUADS);
  for (int i = 0; i < kTerrainCells; ++i) {
    const bool rowOutside = GroundRowOutside(i, centre);
    for (int j = 0; j < kTerrainCells; ++j) {
      colour = GroundCellColour(gTerrainClasses[i][j], colour);
      if (rowOutside) continue;
      const cVector c = GroundCellCorner(i, j, centre);
      if (gViewVolume.BoxOutside(c, cVector(c.x + kCellSize, 0.0f, c.z + kCellSize))) continue;
      SetLitColor(colour);
      glVertex3f(c.x, 0.0f, c.z);
      glVertex3f(c.x + kCellSize, 0.0f, c.z);
      glVertex3f(c.x + kCellSize, 0.0f, c.z + kCellSize);
      glVertex3f(c.x, 0.0f, c.z + kCellSize);
    }
  }
  glEnd();
  glDepthMask(GL_TRUE);
}

// A crowd's objects lie all over memory and no longer fit the caches: asking for an object a
// few places ahead spares the wait on each first read. Drawing reads a critter's first
// cache lines (position and heading, state, species, cover, screen position).
constexpr size_t kFetchAhead = 4;
constexpr size_t kDrawnBytes = 256;

void FetchForDrawing(const cKeltoGameObject* object) {
  const char* start = reinterpret_cast<const char*>(object);
  for (size_t offset = 0; offset < kDrawnBytes; offset += 64) __builtin_prefetch(start + offset);
}

void DrawObjects(const cVector& centre) {
  StartObjects();
  gWorld->GetAvatar()->Draw(centre);
  const std::vector<cKeltoGameObject*>& objects = gWorld->objects;
  for (size_t i = 0; i < objects.size(); ++i) {
    if (i + kFetchAhead < objects.size()) FetchForDrawing(objects[i + kFetchAhead]);
    objects[i]->Draw(centre);
  }
  FinishObjects();
}

// Every colour of the ground and the objects has alpha 1, so blending them changes no pixel and
// is left off; the ground, drawn first on a cleared depth buffer and writing no depth, passes
// the depth test everywhere, so it is drawn without it.
void DrawOpaqueWorld(const cVector& centre) {
  glDisable(GL_BLEND);
  const GLboolean depthTest = glIsEnabled(GL_DEPTH_TEST);
  glDisable(GL_DEPTH_TEST);
  DrawGround(centre);
  if (depthTest) glEnable(GL_DEPTH_TEST);
  DrawObjects(centre);
  glEnable(GL_BLEND);
}

void DrawDaysCounter(const cKeltoGameCritter& avatar) {
  if (avatar.state == kStateFighting) return;
  char text[64];
  std::snprintf(text, sizeof text, "Consecutive Days Alive: %d", days_alive);
  glColor3f(0.0f, 1.0f, 0.0f);
  Begin2D();
  DrawText2D(0, 16, GLUT_BITMAP_HELVETICA_18, text);
  End2D();
}

void LineBetween(const cVector& from, const cVector& to) {
  glBegin(GL_LINES);
  glVertex3f(from.x, from.y, from.z);
  glVertex3f(to.x, to.y, to.z);
  glEnd();
}

// Rings on the ground at the fight's centre; after a round, a strike line in the attacker's
// colour, which stays current for the rings of later fights.
void DrawFight(const cFight& fight, const cVector& centre, const grcCircle& ring) {
  const cVector at = ViewOffset(fight.centre, centre);
  glPushMatrix();
  glTranslatef(at.x, at.y, at.z);
  glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
  ring.DrawAt(0.0f, 0.0f, 0.0f, 1.0f);
  ring.DrawAt(0.0f, 0.0f, 0.0f, 5.0f);
  glPopMatrix();
  if (fight.turn == 1) {
    const cColour c = SpeciesColour(fight.attacker->species);
    glColor3f(c.r, c.g, c.b);
    LineBetween(ViewOffset(fight.a->position, centre), ViewOffset(fight.b->position, centre));
  }
  const cKeltoGameCritter* avatar = gWorld->GetAvatar();
  if (fight.a == avatar || fight.b == avatar) {
    DrawFighterPanel(2.0f, 2.0f, *fight.a);
    DrawFighterPanel(window_width * 0.5f + 2.0f, 2.0f, *fight.b);
  }
}

void DrawFights(const cVector& centre) {
  const grcCircle ring(10, false, 1.0f);
  glColor3f(0.5f, 1.0f, 0.0f);
  for (const cFight& fight : gWorld->fights) DrawFight(fight, centre, ring);
}

void DrawHoverLabel(int pointerX, int pointerY) {
  const cKeltoGameObject* hovered = gGameState.hoveredObject;
  if (!hovered) return;
  glColor3f(0.0f, 1.0f, 0.0f);
  DrawText2D(pointerX, pointerY, GLUT_BITMAP_HELVETICA_12,
             hovered->GetDescription());
}
}  // namespace

void SetLitColor(float r, float g, float b) { SetLitColor(cColour{r, g, b}); }

void SetLitColor(const cColour& colour) {
  const cColour lit = LitColour(colour, light_factor);
  glColor3f(lit.r, lit.g, lit.b);
}

void DrawWorld(const cVector& centre) {
  CaptureView();
  light_factor = BrightnessFromDaylight(gDayClock.DaylightLevel());
  DrawOpaqueWorld(centre);
  const double depth = ViewCentreDepth();
  DrawHomeCompass(depth);
  DrawDaylightDial(depth);
  glEnable(GL_DEPTH_TEST);
  DrawDaysCounter(*gWorld->GetAvatar());
  DrawFights(centre);
  DrawAvatarStatus(*gWorld->GetAvatar());
}

void DrawScene(int pointerX, int pointerY) {
  if (!gWorld->GetAvatar()) return;  // nothing to look at before the world is built
  if (!gObjectPainter) InstallObjectPainter();
  glMatrixMode(GL_MODELVIEW);
  view_centre = *gWorld->GetAvatar()->GetPosition();
  DrawWorld(view_centre);
  Begin2D();
  if (EvolutionDialogVisible()) DrawEvolutionDialog();
  if (gGameState.nestBuilding) DrawNestBuildingBar();
  DrawHoverLabel(pointerX, pointerY);
  End2D();
}
