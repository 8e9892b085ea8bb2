// The HUD: the avatar's motive strip, the fighters' health panels and the nest-building bar,
// drawn in window pixels with the overlay helpers.
#include <GL/glut.h>

#include <algorithm>

#include "game/game_clock.h"
#include "game/game_state.h"
#include "render/hud.h"
#include "render/hud_rules.h"
#include "render/object_colours.h"
#include "render/overlay_2d.h"
#include "render/view_state.h"
#include "world/objects.h"

namespace {
void* const kSmallFont = GLUT_BITMAP_HELVETICA_12;
void* const kLargeFont = GLUT_BITMAP_HELVETICA_18;

constexpr float kStripHeight = 48.0f;  // three rows of 16 pixels
constexpr float kRowHeight = 16.0f;

void SetColour(const cColour& c) { glColor3f(c.r, c.g, c.b); }

int LabelColumnWidth() {
  return std::max({TextWidth2D(kSmallFont, "Health:"), TextWidth2D(kSmallFont, "Energy:"),
                   TextWidth2D(kSmallFont, "Hunger:")});
}
}  // namespace

void DrawMotiveBar(const std::string& label, float x0, float y, float x1, float fraction) {
  glColor3f(0.0f, 1.0f, 0.0f);
  DrawText2D(2, static_cast<int>(y + 10.0f), kSmallFont, label);
  x1 -= 2.0f;
  DrawFrame2D(static_cast<int>(x0), static_cast<int>(y), static_cast<int>(x1),
              static_cast<int>(y + 14.0f));
  const float fill = (x1 - x0) * fraction;
  SetColour(MotiveBarColour(fraction));
  // For an empty motive the corners cross, leaving a two-pixel sliver at the left end.
  FillRect2D(static_cast<int>(x0 + 1.0f), static_cast<int>(y + 1.0f),
             static_cast<int>(x0 + fill - 1.0f), static_cast<int>(y + 13.0f));
}

void DrawAvatarStatus(const cKeltoGameCritter& avatar) {
  const float w = window_width, h = window_height;
  Begin2D();
  const float x0 = static_cast<float>(LabelColumnWidth() + 4);
  glColor3f(0.0f, 0.0f, 0.0f);
  FillRect2D(0, static_cast<int>(h - kStripHeight), static_cast<int>(w), static_cast<int>(h));
  DrawMotiveBar("Health:", x0, h - kRowHeight, w, MotiveFraction(avatar.health));
  DrawMotiveBar("Energy:", x0, h - 2.0f * kRowHeight, w, MotiveFraction(avatar.energy));
  DrawMotiveBar("Hunger:", x0, h - 3.0f * kRowHeight, w, MotiveFraction(avatar.hunger));
  End2D();
}

// The panel's bottom edge is the fixed line 22: every caller draws at y = 2.
void DrawFighterPanel(float x, float y, const cKeltoGameCritter& critter) {
  const float w = window_width;
  Begin2D();
  SetColour(SpeciesColour(critter.species));
  DrawFrame2D(static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + w * 0.5f - 4.0f), 22);
  FillRect2D(static_cast<int>(x + 1.0f), static_cast<int>(y + 1.0f),
             static_cast<int>(x + (w * 0.5f - 6.0f) * critter.health * 0.01f + 1.0f), 21);
  glColor3f(1.0f, 1.0f, 1.0f);
  const char* caption = FighterCaption(critter);
  const float captionWidth = static_cast<float>(TextWidth2D(kLargeFont, caption));
  DrawText2D(static_cast<int>(x + w * 0.25f - 4.0f - captionWidth * 0.5f),
             static_cast<int>(y + 16.0f), kLargeFont, caption);
  End2D();
}

// Drawn inside the scene's 2D mode.
void DrawNestBuildingBar() {
  const float w = window_width, h = window_height;
  const float progress = NestBuildProgress(GameTime(), gGameState.nestBuildStartMs, w);
  const int left = static_cast<int>(w * 0.25f);
  const int top = static_cast<int>(h * 0.5f), bottom = static_cast<int>(h * 0.5f + 16.0f);
  glColor4f(0.0f, 1.0f, 0.0f, 0.5f);
  DrawFrame2D(left, top, static_cast<int>(w * 0.75f), bottom);
  FillRect2D(left, top, static_cast<int>(w * 0.25f + progress), bottom);
  glColor3f(1.0f, 1.0f, 1.0f);
  const char* caption = "Building Nest";
  DrawText2D(static_cast<int>((w - static_cast<float>(TextWidth2D(kSmallFont, caption))) * 0.5f),
             static_cast<int>(h * 0.5f + 12.0f), kSmallFont, caption);
}
