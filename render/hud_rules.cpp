// HUD arithmetic: bar fractions and colours, nest-building progress, fighter captions.
#include "render/hud_rules.h"

#include "world/world.h"

float MotiveFraction(float motive) { return motive * 0.01f; }

cColour MotiveBarColour(float fraction) {
  if (fraction < 0.33f) return {1.0f, 0.0f, 0.0f};
  if (fraction < 0.67f) return {1.0f, 1.0f, 0.0f};
  return {0.0f, 1.0f, 0.0f};
}

float NestBuildProgress(uint32_t nowMs, uint32_t startMs, float windowWidth) {
  return static_cast<float>(nowMs - startMs) * windowWidth * 0.00005f;
}

const char* FighterCaption(const cKeltoGameCritter& fighter) {
  return &fighter == gWorld->GetAvatar() ? "Avatar" : "Critter";
}
