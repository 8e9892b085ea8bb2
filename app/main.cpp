// Program entry: the start-up sequence, in the order the subsystems depend on, then GLUT's loop.
#include <GL/freeglut.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "app/data_reload.h"
#include "app/frame_loop.h"
#include "app/frame_rest.h"
#include "app/frame_tick.h"
#include "app/game_command_line.h"
#include "app/input.h"
#include "app/main_window.h"
#include "app/pause_control.h"
#include "app/save_commands.h"
#include "app/timedemo.h"
#include "app/world_start.h"
#include "game/game_state.h"
#include "platform/control_panel_window.h"
#include "platform/display_check.h"
#include "platform/glut_input.h"
#include "platform/memory_tuning.h"
#include "platform/message_box.h"
#include "platform/message_box_window.h"
#include "platform/time_source.h"
#include "render/driver_report.h"

namespace {
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

// Input to the game window is ignored while a message box is open, but for a release, which
// still ends a drag; Shift and the wheel are noted for the simulation before the handlers run.
// Every input to the game window may change the picture, so each asks for a frame, which a
// paused game would otherwise not draw.
void OnGameMouseButton(int button, int state, int x, int y) {
  if (MessageBoxWindowOpen()) {
    OnMouseButtonUnderMessageBox(button, state, x, y);
    return;
  }
  RequestFrame();
  NoteShiftFromModifiers();
  if (TakeWheelButton(button, state)) return;
  OnMouseButton(button, state, x, y);
}

void OnGameSpecialKey(int key, int x, int y) {
  if (MessageBoxWindowOpen() || NoteShiftKey(key, true)) return;
  RequestFrame();
  OnSpecialKey(key, x, y);
}

void OnGameSpecialKeyUp(int key, int, int) { NoteShiftKey(key, false); }

void OnGameKeyboard(unsigned char key, int x, int y) {
  if (MessageBoxWindowOpen()) return;
  RequestFrame();
  NoteShiftFromModifiers();
  OnKeyboard(key, x, y);
}

// The hover label follows the pointer, also while paused.
void OnGameMouseMove(int x, int y) {
  OnMouseMove(x, y);
  RequestFrame();
}

void OnGameWindowStatus(int status) { NoteWindowVisible(status != GLUT_HIDDEN && status != GLUT_FULLY_COVERED); }

void OnGameWindowClosed() {
  AutosaveOnClose();
  std::exit(0);
}

void RegisterCallbacks() {
  glutDisplayFunc(DisplayFrame);
  glutPassiveMotionFunc(OnGameMouseMove);
  glutEntryFunc(OnMouseEntry);
  glutMouseFunc(OnGameMouseButton);
  glutSpecialFunc(OnGameSpecialKey);
  glutKeyboardFunc(OnGameKeyboard);
  glutSpecialUpFunc(OnGameSpecialKeyUp);
  glutMouseWheelFunc(OnMouseWheel);
  glutCloseFunc(OnGameWindowClosed);
  glutWindowStatusFunc(OnGameWindowStatus);
}

void CreateControlPanel() {
  WaitForMainWindowSize();  // the panel goes beside the game window
  cControlPanel* panel = create_glui("Sample App Control Panel", -1, -1);
  panel->set_main_gfx_window(gGameState.mainWindow);
  // The commands change what the game window shows, paused or not.
  panel->add_button("Refill Motives", [] { RefillMotives(); RequestFrame(); });
  panel->add_button("Level Up", [] { LevelUp(); RequestFrame(); });
  panel->add_button("Build Nest", [] { BuildNest(); RequestFrame(); });
  panel->add_checkbox("Pause", &gGameState.paused, SetPausedFromPanel);
  SetControlPanelClosing(AutosaveOnClose);
}
}  // namespace

int main(int argc, char** argv) {
  KeepFreedMemoryForReuse();
  const cGameCommandLine commandLine = ParseGameCommandLine(argc, argv);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  if (commandLine.demo.isDemo) {
    if (!EnterDataFolder("zoma", commandLine.dataFolder)) return 1;
    return RunTimedemo(commandLine.demo, argv[0], commandLine.seed);
  }
  // GLUT sees only its own options; glutInit may take them out of the list.
  std::vector<std::string> glutArguments = commandLine.glutArguments;
  std::vector<char*> glutArgv;
  for (std::string& argument : glutArguments) glutArgv.push_back(argument.data());
  glutArgv.push_back(nullptr);
  int glutArgc = static_cast<int>(glutArguments.size());
  RequireDisplay(glutArgc, glutArgv.data());
  if (!EnterDataFolder("zoma", commandLine.dataFolder)) return 1;
  glutInit(&glutArgc, glutArgv.data());
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
  SetMessageBoxBackend(ShowMessageBoxPausingTheGame);
  ShowMessageBox("ZOMA", kAboutText);
  const uint32_t seed = commandLine.seed.value_or(TimeGetTime());
  CreateMainWindow();
  PrintDriverReport();
  RegisterCallbacks();
  PrintWorldSeed(seed, false);  // the driver report ends its lines
  StartWorld(seed);
  InitGraphics();
  InitDirectInputMouse();
  StartFromSave(commandLine.start);
  CreateControlPanel();
  WatchDataFolder();
  set_glutIdleFunc(FrameUpdate);
  glutMainLoop();
}
