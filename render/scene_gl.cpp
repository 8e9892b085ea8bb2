// The scene: the world pass around the avatar (ground, objects, dials, days counter, fights,
// status) and the frame's 2D overlays (evolution dialog, nest-building bar, hover label).
#include <GL/glut.h>

#include <cstdio>

#include "dialog/evolution.h"
#include "game/game_state.h"
#include "render/dialog_painter.h"
#include "render/grc_circle.h"
#include "render/hud.h"
#include "render/object_colours.h"
#include "render/overlay_2d.h"
#include "render/scene.h"
#include "render/scene_dials.h"
#include "render/scene_rules.h"
#include "render/view_state.h"
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
  window_width = static_cast<float>(glutGet(GLUT_WINDOW_WIDTH));
  window_height = static_cast<float>(glutGet(GLUT_WINDOW_HEIGHT));
}

// A flat sheet of 64 x 64 cells re-centred on the avatar. Depth writes are off, so nothing
// drawn later is ever hidden by the ground.
void DrawGround(const cVector& centre) {
  cColour colour = GroundCellColour(kTerrainLand, {});
  SetLitColor(colour);
  glDepthMask(GL_FALSE);
  glBegin(GL_QUADS);
  for (int i = 0; i < kTerrainCells; ++i) {
    for (int j = 0; j < kTerrainCells; ++j) {
      colour = GroundCellColour(gTerrainClasses[i][j], colour);
      SetLitColor(colour);
      const cVector c = GroundCellCorner(i, j, centre);
      glVertex3f(c.x, 0.0f, c.z);
      glVertex3f(c.x + kCellSize, 0.0f, c.z);
      glVertex3f(c.x + kCellSize, 0.0f, c.z + kCellSize);
      glVertex3f(c.x, 0.0f, c.z + kCellSize);
    }
  }
  glEnd();
  glDepthMask(GL_TRUE);
}

void DrawObjects(const cVector& centre) {
  gWorld->GetAvatar()->Draw(centre);
  for (cKeltoGameObject* object : gWorld->objects) object->Draw(centre);
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
  DrawGround(centre);
  DrawObjects(centre);
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
