// The game-advancing half of the frame function, free of GL so that the windowed game and the
// headless simulator run exactly the same schedule. The windowed frame adds camera, steering,
// hover picking and drawing around it.
#pragma once

// Control-panel commands; the E key opens Level Up and the M key builds a nest too.
void RefillMotives();
void LevelUp();
void BuildNest();

// Unpaused frame, first step: any movement of the avatar cancels nest building.
void CancelNestBuildingIfMoving();

// Unpaused frame, tick step: on the first unpaused frame only starts the tick clock; after
// that runs one tick when more than 20 ms of game time have passed since the last one.
// `windowWidth` and `mouseX` drive edge scrolling. Returns true when a tick ran.
bool TickIfDue(int windowWidth, int mouseX);

// One tick: edge scrolling, nest building with its script, the carry script, WorldTick.
void RunTick(int windowWidth, int mouseX);
