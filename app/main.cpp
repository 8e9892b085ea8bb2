// Program entry: the start-up sequence, in the order the subsystems depend on, then GLUT's loop.
#include <GL/freeglut.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/frame_loop.h"
#include "app/frame_tick.h"
#include "app/input.h"
#include "app/pause_control.h"
#include "dialog/evolution.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/random.h"
#include "platform/control_panel_window.h"
#include "platform/display_check.h"
#include "platform/glut_input.h"
#include "platform/message_box.h"
#include "platform/message_box_window.h"
#include "platform/time_source.h"
#include "render/driver_report.h"
#include "script/game_scripts.h"
#include "world/script_hooks.h"

namespace {
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

const char* const kAboutText =
    "ZOMA - a creature-simulation game\n"
    "\n"
    "Program: the ZOMA developers\n"
    "Windows and input: freeglut, the free OpenGL Utility Toolkit\n"
    "Control panel: ZOMA's own stand-in for the GLUI user-interface library";

// Game time stands still while a box is open, as no frame runs meanwhile.
void ShowMessageBoxPausingTheGame(const std::string& caption, const std::string& text) {
  cGamePauseScope pause;
  ShowMessageBoxWindow(caption, text);
}

void CreateMainWindow() {
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  gGameState.mainWindow = glutCreateWindow("GLUT App");
  glutReshapeWindow(kWindowWidth, kWindowHeight);
}

// Input to the game window is ignored while a message box is open, but for a release, which
// still ends a drag; Shift and the wheel are noted for the simulation before the handlers run.
void OnGameMouseButton(int button, int state, int x, int y) {
  if (MessageBoxWindowOpen()) {
    OnMouseButtonUnderMessageBox(button, state);
    return;
  }
  NoteShiftFromModifiers();
  if (TakeWheelButton(button, state)) return;
  OnMouseButton(button, state, x, y);
}

void OnGameSpecialKey(int key, int x, int y) {
  if (MessageBoxWindowOpen() || NoteShiftKey(key, true)) return;
  OnSpecialKey(key, x, y);
}

void OnGameSpecialKeyUp(int key, int, int) { NoteShiftKey(key, false); }

void OnGameKeyboard(unsigned char key, int x, int y) {
  if (MessageBoxWindowOpen()) return;
  NoteShiftFromModifiers();
  OnKeyboard(key, x, y);
}

void OnGameWindowClosed() { std::exit(0); }

void RegisterCallbacks() {
  glutDisplayFunc(DisplayFrame);
  glutPassiveMotionFunc(OnMouseMove);
  glutEntryFunc(OnMouseEntry);
  glutMouseFunc(OnGameMouseButton);
  glutSpecialFunc(OnGameSpecialKey);
  glutKeyboardFunc(OnGameKeyboard);
  glutSpecialUpFunc(OnGameSpecialKeyUp);
  glutMouseWheelFunc(OnMouseWheel);
  glutCloseFunc(OnGameWindowClosed);
}

// The panel goes beside the game window, so the window must have taken its size first.
void WaitForMainWindowSize() {
  glutSetWindow(gGameState.mainWindow);
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (glutGet(GLUT_WINDOW_WIDTH) == kWindowWidth && glutGet(GLUT_WINDOW_HEIGHT) == kWindowHeight) return;
    glutMainLoopEvent();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void CreateControlPanel() {
  WaitForMainWindowSize();
  cControlPanel* panel = create_glui("Sample App Control Panel", -1, -1);
  panel->set_main_gfx_window(gGameState.mainWindow);
  panel->add_button("Refill Motives", RefillMotives);
  panel->add_button("Level Up", LevelUp);
  panel->add_button("Build Nest", BuildNest);
  panel->add_checkbox("Pause", &gGameState.paused, SetPausedFromPanel);
}
}  // namespace

int main(int argc, char** argv) {
  RequireDisplay(argc, argv);
  glutInit(&argc, argv);
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
  SetMessageBoxBackend(ShowMessageBoxPausingTheGame);
  ShowMessageBox("ZOMA", kAboutText);
  SeedRandom(TimeGetTime());
  StartGameClock();
  CreateMainWindow();
  PrintDriverReport();
  InitGameScripts();
  RegisterCallbacks();
  InitGraphics();
  InitDirectInputMouse();
  BuildEvolutionDialog();
  CreateControlPanel();
  set_glutIdleFunc(FrameUpdate);
  glutMainLoop();
}
