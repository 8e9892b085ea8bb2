// The game window: created as the game's start-up and the timedemo both need it.
#pragma once

constexpr int kMainWindowWidth = 800;
constexpr int kMainWindowHeight = 600;

// RGB, double-buffered with depth, titled "GLUT App", 800 x 600; its id goes to gGameState.
void CreateMainWindow();
// Runs GLUT's events until the window has taken its size (at most about a second).
void WaitForMainWindowSize();
