// Frame rate of the game's drawing: opens the game's 800 x 600 window on a seeded world built
// from a data folder and draws the game's frame back to back, once with the folder's ZOMA.ini
// and once with its critter count raised to 1000. Needs a display; without a GPU run it under
// Xvfb, which gives Mesa's software renderer, as players without a GPU get:
//   xvfb-run -s "-screen 0 1280x800x24" build/bench/frame_rate_gl_bench data [frames]
#include <GL/freeglut.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "app/frame_loop.h"
#include "game/game_clock.h"
#include "game/random.h"
#include "world/world.h"

namespace {
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kWarmUpFrames = 30;
constexpr uint32_t kSeed = 20240601;

void OpenGameWindow(int& argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow("GLUT App");
  glutReshapeWindow(kWindowWidth, kWindowHeight);
  glutDisplayFunc([] {});
  while (glutGet(GLUT_WINDOW_WIDTH) != kWindowWidth || glutGet(GLUT_WINDOW_HEIGHT) != kWindowHeight) {
    glutMainLoopEvent();
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A scratch folder holding the data folder's ZOMA.ini with `num_critters` replaced.
std::string FolderWithCritters(const std::string& dataFolder, int critters) {
  char folder[] = "/tmp/zoma-frame-bench-XXXXXX";
  if (!mkdtemp(folder)) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  const std::string ini = ReadFile(dataFolder + "/ZOMA.ini");
  const std::regex key(R"((^|\n)(\s*num_critters\s*=)[^\r\n]*)", std::regex::icase);
  std::ofstream(std::string(folder) + "/ZOMA.ini")
      << std::regex_replace(ini, key, "$01$02" + std::to_string(critters));
  return folder;
}

// Builds the world in `folder` as the game does at start-up, with a fixed seed.
void BuildSeededWorld(const std::string& folder) {
  if (chdir(folder.c_str()) != 0) std::fprintf(stderr, "cannot enter %s\n", folder.c_str());
  ResetWorld();
  SeedRandom(kSeed);
  StartGameClock();
  InitGraphics();
}

// Processor time of the whole process (the game's thread and the renderer's threads), which
// other load on the machine disturbs less than the time on the clock.
double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void MeasureFrames(const char* name, int frames) {
  for (int i = 0; i < kWarmUpFrames; ++i) DisplayFrame();
  glFinish();
  const double processorStart = ProcessorSeconds();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < frames; ++i) DisplayFrame();
  glFinish();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double processor = ProcessorSeconds() - processorStart;
  std::printf("%-18s %5zu critters  %6.1f frames/s  %6.2f ms/frame  %6.2f ms processor/frame\n",
              name, gWorld->critters.size(), frames / seconds, 1000.0 * seconds / frames,
              1000.0 * processor / frames);
  std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
  OpenGameWindow(argc, argv);
  const std::string data = argc > 1 ? argv[1] : "data";
  const int frames = argc > 2 ? std::atoi(argv[2]) : 300;
  char here[4096];
  const std::string dataFolder = (data[0] == '/' || !getcwd(here, sizeof here)) ? data : std::string(here) + "/" + data;

  std::printf("Renderer: %s, window %d x %d\n", glGetString(GL_RENDERER), kWindowWidth, kWindowHeight);
  BuildSeededWorld(dataFolder);
  MeasureFrames("shipped ZOMA.ini", frames);
  const std::string crowded = FolderWithCritters(dataFolder, 1000);
  BuildSeededWorld(crowded);
  std::remove((crowded + "/ZOMA.ini").c_str());
  rmdir(crowded.c_str());
  MeasureFrames("1000 critters", frames);
}
