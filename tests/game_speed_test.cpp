// Game speed: x1 and faster play the same ticks, the cap per frame, pausing, the full stop's
// single tick, the keys and the status box.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/frame_tick.h"
#include "app/game_speed.h"
#include "app/input.h"
#include "app/world_start.h"
#include "render/notices.h"
#include "fresh_world.h"
#include "world_snapshot.h"
#include "world_test_support.h"

namespace {
using namespace world_test;
using world_snapshot::FirstDifference;
using world_snapshot::WorldSnapshot;

constexpr uint32_t kStartMs = 5000;

class GameSpeedTest : public cShippedGameTest {
 protected:
  void SetUp() override {
    cShippedGameTest::SetUp();
    SetManualTime(kStartMs);
    StartWorld(7);
  }

  // The first unpaused frame, at game time 0: it only starts the tick clock.
  void FirstFrame() {
    SetManualTime(now_);
    EXPECT_EQ(AdvanceUnpausedFrame(800, EdgeScrollPointerX()), 0);
  }

  // Unpaused frames with the time source stepped `stepMs` each, until `ticks` ticks have run.
  struct cPlayed {
    int frames = 0;
    int mostTicksInAFrame = 0;
  };
  cPlayed Play(int ticks, uint32_t stepMs) {
    cPlayed played;
    for (int ran = 0; ran < ticks; ++played.frames) {
      now_ += stepMs;
      SetManualTime(now_);
      const int frameTicks = AdvanceUnpausedFrame(800, EdgeScrollPointerX());
      ran += frameTicks;
      played.mostTicksInAFrame = std::max(played.mostTicksInAFrame, frameTicks);
      EXPECT_LE(ran, ticks) << "a frame ran past the ticks asked for";
    }
    return played;
  }

  // The avatar walks off and builds no nest: ticks with movement, the pre-tick steps and days.
  static void SendAvatarWalking() {
    cKeltoGameCritter* avatar = gWorld->GetAvatar();
    avatar->target = avatar->position + cVector(60.0f, 0.0f, 40.0f, 0.0f);
  }

  uint32_t now_ = kStartMs;
};

// The same seed at x1 with frames 21 ms apart and faster with frames at any spacing gives the
// same world after the same number of ticks; past the cap a frame runs at most 16.
TEST_F(GameSpeedTest, EverySpeedPlaysTheTicksOfX1WithFrames21MsApart) {
  constexpr int kTicks = 3 * 2016;  // a multiple of every case's ticks per frame
  FirstFrame();
  SendAvatarWalking();
  const std::string start = WorldSnapshot();
  Play(kTicks, 21);
  const std::string atX1 = WorldSnapshot();
  ASSERT_NE(atX1, start);

  struct {
    int speed;
    uint32_t stepMs;
    int ticksPerFrame;  // 0: none or one, as the owed time adds up
  } cases[] = {{8, 21, 8}, {8, 168, kMostTicksPerFrame}, {8, 500, kMostTicksPerFrame}, {4, 21, 4},
               {2, 21, 2}, {2, 10, 0}, {4, 5, 0}, {8, 2, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "x" << c.speed << ", frames " << c.stepMs << " ms apart");
    TearDown();
    SetUp();
    now_ = kStartMs;
    SetGameSpeed(c.speed);
    FirstFrame();
    SendAvatarWalking();
    ASSERT_EQ(FirstDifference(WorldSnapshot(), start), "");
    const cPlayed played = Play(kTicks, c.stepMs);
    EXPECT_EQ(FirstDifference(WorldSnapshot(), atX1), "");
    if (c.ticksPerFrame) {
      EXPECT_EQ(played.frames, kTicks / c.ticksPerFrame);
    }
    EXPECT_LE(played.mostTicksInAFrame, kMostTicksPerFrame);
  }
}

// Past the cap the owed time is dropped, not carried into later frames.
TEST_F(GameSpeedTest, AFrameFarBehindRunsTheCapAndForgetsTheRest) {
  SetGameSpeed(8);
  FirstFrame();
  now_ += 10000;
  SetManualTime(now_);
  EXPECT_EQ(AdvanceUnpausedFrame(800, 400), kMostTicksPerFrame);
  now_ += 21;
  SetManualTime(now_);
  EXPECT_EQ(AdvanceUnpausedFrame(800, 400), 8) << "the next frame owes only its own time";
}

// Changing speed neither moves nor loses game time, and a pause at any speed holds it; the time
// spent paused is owed to nobody.
TEST_F(GameSpeedTest, SpeedChangesAndPausesKeepGameTime) {
  FirstFrame();
  Play(10, 21);
  for (int speed : {8, 2, 4, 1, 8}) {
    const uint32_t before = GameTime();
    SetGameSpeed(speed);
    EXPECT_EQ(GameTime(), before) << "x" << speed;
    EXPECT_EQ(GameSpeed(), speed);
  }
  SetGameSpeed(3);
  EXPECT_EQ(GameSpeed(), 8) << "only 1, 2, 4 and 8";
  PauseGame();
  const uint32_t paused = GameTime();
  now_ += 60000;
  SetManualTime(now_);
  EXPECT_EQ(GameTime(), paused);
  ResumeGame();
  now_ += 21;
  SetManualTime(now_);
  EXPECT_EQ(AdvanceUnpausedFrame(800, 400), 8) << "the paused minute is not played afterwards";
  EXPECT_EQ(GameTime(), paused + 8 * kTickStepMs);
  SetGameSpeed(1);
  now_ += 5;
  SetManualTime(now_);
  EXPECT_EQ(GameTime(), paused + 8 * kTickStepMs + 5) << "x1 follows the time source again";
}

// While paused the full stop runs exactly one tick, one step of game time, and stays paused;
// while running it does nothing.
TEST_F(GameSpeedTest, FullStopRunsOneTickWhilePausedOnly) {
  FirstFrame();
  Play(5, 21);
  const uint32_t before = GameTime();
  const std::string world = WorldSnapshot();
  OnKeyboard('.', 0, 0);
  EXPECT_EQ(GameTime(), before) << "running: nothing";
  EXPECT_EQ(WorldSnapshot(), world);
  SendAvatarWalking();
  for (int speed : {1, 8}) {
    SetGameSpeed(speed);
    OnKeyboard('p', 0, 0);
    const uint32_t paused = GameTime();
    const cVector from = gWorld->GetAvatar()->position;
    OnKeyboard('.', 0, 0);
    EXPECT_EQ(GameTime(), paused + kTickStepMs) << "x" << speed;
    EXPECT_EQ(gGameState.lastTickMs, paused + kTickStepMs);
    EXPECT_EQ(gGameState.paused, 1);
    EXPECT_GT(WrappedDistance(*gWorld->GetAvatar(), from), 0.0f) << "the avatar took one step";
    now_ += 1000;
    SetManualTime(now_);
    EXPECT_EQ(AdvanceUnpausedFrame(800, 400), 0) << "no frame ticks while paused";
    EXPECT_EQ(GameTime(), paused + kTickStepMs);
    OnKeyboard('p', 0, 0);
  }
}

TEST_F(GameSpeedTest, DigitKeysSetTheSpeedAndTheStatusBoxShowsIt) {
  for (auto [key, speed] : {std::pair{'3', 4}, {'2', 2}, {'4', 8}, {'5', 8}, {'0', 8}, {'1', 1}}) {
    OnKeyboard(key, 0, 0);
    EXPECT_EQ(GameSpeed(), speed) << key;
  }
  struct {
    bool paused;
    int speed;
    const char* shown;
  } cases[] = {{false, 1, ""}, {false, 2, "×2"}, {false, 8, "×8"}, {true, 4, "Paused  (P resumes)"},
               {true, 1, "Paused  (P resumes)"}};
  for (const auto& c : cases) EXPECT_EQ(StatusNotice(c.paused, c.speed), c.shown) << c.paused << " x" << c.speed;
}
}  // namespace
