// The heads-up display in window pixels (top-left origin): the avatar's motive strip along
// the bottom, the fighters' health panels along the top, and the nest-building bar.
#pragma once

#include <string>

class cKeltoGameCritter;

// One labelled bar; the label sits at x = 2 and the bar runs from x0 to x1 - 2.
void DrawMotiveBar(const std::string& label, float x0, float y, float x1, float fraction);
// The black strip with the Hunger, Energy and Health bars.
void DrawAvatarStatus(const cKeltoGameCritter& avatar);
// A fighter's health in its species colour, captioned "Avatar" or "Critter".
void DrawFighterPanel(float x, float y, const cKeltoGameCritter& critter);
// Half-transparent progress bar with "Building Nest" across the middle of the window.
void DrawNestBuildingBar();
