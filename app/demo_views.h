// Setting up the timedemo's fixed views on a built world, through the same commands a player's
// keys run. Headless, so each view's set-up is tested without a window.
#pragma once

#include "app/demo_options.h"

// Far enough out for a top-down camera to show all of the 512-unit world in an 800 x 600 window.
constexpr float kWholeWorldCameraDistance = 330.0f;

void ApplyDemoView(eDemoView view);
