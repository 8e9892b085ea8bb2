// The frame function and the game window's GL state.
#include "app/frame_loop.h"

#include <GL/glut.h>

#include "app/camera_gl.h"
#include "app/data_reload.h"
#include "app/frame_rest.h"
#include "app/frame_tick.h"
#include "app/input.h"
#include "app/save_commands.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "platform/time_source.h"
#include "platform/window_size.h"
#include "render/file_notice.h"
#include "render/notices.h"
#include "render/population_graph.h"
#include "render/scene.h"
#include "world/script_hooks.h"
#include "world/world.h"

namespace {
void (*gBeforePresent)() = nullptr;

void SetUpLight() {
  const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
  const GLfloat directional[] = {1.0f, 1.0f, 1.0f, 0.0f};  // w = 0: a light from a direction
  glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT0, GL_POSITION, directional);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHTING);
}

void SetUpDrawingState() {
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
}

// What a saved data file did is shown at once, also while paused.
void ShowDataReload(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  ShowFileNotice(lines, GameTime());
  RequestFrame();
}

void DrawAndPresent() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SetupCamera();
  glDisable(GL_LIGHTING);
  DrawScene(gInputState.mouseX, gInputState.mouseY);
  DrawPopulationGraph();
  DrawNotices();
  if (gBeforePresent) gBeforePresent();
  glutSwapBuffers();
  EndFirstFrame();
}
}  // namespace

void InitGraphics() {
  SetUpLight();
  SetUpDrawingState();
}

void FrameUpdate() {
  glutSetWindow(gGameState.mainWindow);
  ForgetWindowSize();
  const cCamera before = gCamera;
  ZoomByWheel(WheelStep());
  TurnCameraTowardTarget();
  // The world stands still while paused; only this part of the frame advances it.
  if (!gGameState.paused) {
    AdvanceUnpausedFrame(DrawingWindowWidth(), EdgeScrollPointerX());
    AutosaveOnNewDay();
  }
  if (CloseRunOutNewWorldQuestion(TimeGetTime())) RequestFrame();
  if (FrameShouldDraw(gGameState.paused, !SameView(before, gCamera))) DrawAndPresent();
  // Input that arrives meanwhile waits at most this long: GLUT handles it after the idle call.
  // An edited data file ends the rest at once.
  ShowDataReload(RestAndReloadData(RestMilliseconds(gGameState.paused)));
}

void DisplayFrame() {
  ForgetWindowSize();
  DrawAndPresent();
}

void SetBeforePresentHook(void (*hook)()) { gBeforePresent = hook; }
