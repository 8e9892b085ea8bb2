// The timedemo's run: the game's start-up without the about box and the control panel, a fixed
// seed, game time stepped 20 ms per frame by hand and no player input, then the frame function
// called back to back in an 800 x 600 window.
#include "app/timedemo.h"

#include <GL/freeglut.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/config.h"
#include "app/demo_views.h"
#include "app/frame_times.h"
#include "app/frame_loop.h"
#include "app/input.h"
#include "app/main_window.h"
#include "app/world_start.h"
#include "platform/display_check.h"
#include "platform/ppm_image.h"
#include "platform/time_source.h"
#include "render/driver_report.h"
#include "render/view_state.h"

namespace {
constexpr uint32_t kDemoSeed = 20240601;
constexpr uint32_t kFrameMs = 20;

// GLUT's default reshape sets the viewport only when it handles the resize, which may come
// after glutGet already reports the new size; drawing before that would fill a corner.
void WaitForFullWindowViewport() {
  WaitForMainWindowSize();
  for (int attempt = 0; attempt < 100; ++attempt) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] == kMainWindowWidth && viewport[3] == kMainWindowHeight) return;
    glutMainLoopEvent();
  }
}

void StartDemoGame(const cDemoOptions& options, uint32_t seed) {
  SetManualTime(0);
  CreateMainWindow();
  PrintDriverReport();
  glutDisplayFunc(DisplayFrame);
  gNumCrittersOverride = options.critters;
  plain_drawing = options.plain;
  StartWorld(seed);
  InitGraphics();
  InitDirectInputMouse();
  WaitForFullWindowViewport();
  OnMouseMove(kMainWindowWidth / 2, kMainWindowHeight / 2);  // resting over the avatar
}

// Processor time of the whole process: the game's thread and the renderer's threads.
double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The picture is read from the back buffer before it is presented: what the front buffer
// holds after a swap is the window system's business.
const cDemoOptions* gShotOptions = nullptr;
int gFrame = 0;
bool gShotSaved = false;

void SaveShotIfDue() {
  if (gFrame != gShotOptions->shotFrame) return;
  std::vector<uint8_t> rgb(static_cast<size_t>(kMainWindowWidth) * kMainWindowHeight * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kMainWindowWidth, kMainWindowHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  gShotSaved = WritePpmBottomUp(gShotOptions->shotFile, kMainWindowWidth, kMainWindowHeight, rgb);
}
}  // namespace

int RunTimedemo(const cDemoCommandLine& commandLine, char* programName, std::optional<uint32_t> seed) {
  if (!commandLine.error.empty()) {
    std::fprintf(stderr, "zoma: %s\n%s\n", commandLine.error.c_str(), kDemoUsage);
    return 2;
  }
  const cDemoOptions& options = commandLine.options;
  int argc = 1;
  char* argv[] = {programName, nullptr};
  RequireDisplay(argc, argv);
  glutInit(&argc, argv);
  StartDemoGame(options, seed.value_or(kDemoSeed));
  gShotOptions = &options;
  if (options.shotFrame) SetBeforePresentHook(SaveShotIfDue);
  const double processorStart = ProcessorSeconds();
  const auto start = std::chrono::steady_clock::now();
  cFrameTimes frameTimes;
  for (gFrame = 1; gFrame <= options.frames; ++gFrame) {
    const auto frameStart = std::chrono::steady_clock::now();
    SetManualTime(kFrameMs * gFrame);
    FrameUpdate();
    if (gFrame == 1) {
      for (eDemoView view : options.views) ApplyDemoView(view);
    }
    frameTimes.Add(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - frameStart).count());
  }
  glFinish();
  if (options.shotFrame && !gShotSaved) {
    std::fprintf(stderr, "zoma: cannot write %s\n", options.shotFile.c_str());
    return 1;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // On a machine busy with other work the time on the clock says more about that work than
  // about the frame; the processor time the frames took says less.
  const double processor = ProcessorSeconds() - processorStart;
  // Script comments are echoed without a line end, so these lines start afresh. A frame longer
  // than its 20 ms of game time is one in which the game, ticking once a frame, fell behind.
  std::printf("\ntimedemo: frames longer than %u ms: %.1f%%", kFrameMs, frameTimes.PercentLongerThan(kFrameMs));
  std::printf("\ntimedemo: processor %.2f ms a frame (all threads)", 1000.0 * processor / options.frames);
  std::printf("\ntimedemo: %d frames in %.3f s, %.1f frames/s\n", options.frames, seconds,
              options.frames / seconds);
  return 0;
}
