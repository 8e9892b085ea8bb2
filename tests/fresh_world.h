// A world started afresh and played: shared by the new-world test, which plays it in place
// after another world, and by the fresh_world program, which plays it in a process of its own;
// and the fixture of the tests that play the game on the shipped data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/frame_tick.h"
#include "app/input.h"
#include "app/world_start.h"
#include "platform/time_source.h"
#include "render/notices.h"

namespace fresh_world {

constexpr int kPointerX = 400, kPointerY = 300;  // over the avatar: no edge scrolling
constexpr uint32_t kFrameMs = 21;

// Unpaused frames 21 ms apart from `startMs` on the time source, the pointer resting over the
// avatar. The first only starts the tick clock.
inline void PlayFrames(uint32_t startMs, int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    SetManualTime(startMs + kFrameMs * frame);
    AdvanceUnpausedFrame(800, EdgeScrollPointerX());
  }
}

}  // namespace fresh_world

#ifdef GTEST_TEST  // the unit tests (which include gtest first), not the fresh_world program
#include "flat_window.h"
#include "scratch_folder.h"
#include "world_test_support.h"

// A scratch copy of the shipped data/ as the current folder, every process-wide state reset,
// and the stand-in window with the pointer resting over the avatar.
class cShippedGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(std::string(ZOMA_SOURCE_DIR) + "/data", ".",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    world_test::ResetSimulation();
    ResetInputState();
    ResetNotices();
    SetInputWindow(&window_);
    OnMouseMove(fresh_world::kPointerX, fresh_world::kPointerY);
  }
  void TearDown() override {
    SetInputWindow(nullptr);
    UseRealTime();
    ResetGameScripts();
    ResetEvolution();
    ResetNotices();
    ResetWorld();
  }

  cScratchFolder folder_;
  cFlatWindow window_;
};
#endif
