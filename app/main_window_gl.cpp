// Creating the game window and waiting for it to take its size.
#include "app/main_window.h"

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

#include "game/game_state.h"
#include "platform/window_placement.h"

void CreateMainWindow() {
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  gGameState.mainWindow = glutCreateWindow("GLUT App");
  glutReshapeWindow(kMainWindowWidth, kMainWindowHeight);
  PlaceCurrentWindowWhereNoManagerDoes();
}

void WaitForMainWindowSize() {
  glutSetWindow(gGameState.mainWindow);
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (glutGet(GLUT_WINDOW_WIDTH) == kMainWindowWidth && glutGet(GLUT_WINDOW_HEIGHT) == kMainWindowHeight) return;
    glutMainLoopEvent();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}
