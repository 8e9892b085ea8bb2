// The HUD's arithmetic, kept apart from GL so it is tested headless: motive fractions and
// bar colours, the nest-building progress and the fighter captions.
#pragma once

#include <cstdint>

#include "render/colour.h"

class cKeltoGameCritter;

// A 0..100 motive as the 0..1 fraction a bar shows (single precision, as the thresholds).
float MotiveFraction(float motive);
// Green from 0.67 up, yellow below it, red below 0.33.
cColour MotiveBarColour(float fraction);
// Pixels of the nest-building bar filled after building since `startMs`: half the window
// width over the 10 seconds building takes; not clamped.
float NestBuildProgress(uint32_t nowMs, uint32_t startMs, float windowWidth);
// "Avatar" for the world's avatar, "Critter" for any other fighter.
const char* FighterCaption(const cKeltoGameCritter& fighter);
