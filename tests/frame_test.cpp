// The frame's GL-free steps: camera easing and zoom, hover picking, the first-frame rule, and
// pausing from the control panel and around modal boxes.
#include <gtest/gtest.h>

#include "app/approach_angle.h"
#include "app/camera.h"
#include "app/frame_tick.h"
#include "app/game_clock.h"
#include "app/game_state.h"
#include "app/pause_control.h"
#include "platform/time_source.h"
#include "world/world.h"

TEST(ApproachAngle, TakesTheShortWayRoundWithoutWrapping) {
  struct { float current, target, factor, expected; } cases[] = {
      {350, 10, 0.1f, 352},   // target lifted to 370
      {10, 350, 0.1f, 368},   // current lifted to 370, then eased down toward 350
      {0, 180, 0.5f, 90},     // exactly half a turn apart: no lifting either way
      {0, 181, 0.5f, 270.5f}, // just past half a turn: current lifted to 360
      {-30, 30, 0.5f, 0},
      {720, 0, 1.0f, 720},    // whole turns are added until within 180, never wrapped back
      {90, 90, 0.3f, 90},
  };
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(ApproachAngle(c.current, c.target, c.factor), c.expected)
        << c.current << " toward " << c.target << " by " << c.factor;
  }
}

class FrameStepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    ResetWorld();
    gCamera = cCamera{};
    gWorld->avatar = new cKeltoGameCritter;
    gWorld->avatar->is_avatar = true;
    gWorld->avatar->SetPosition(cVector(100, 0, 100));
  }
  void TearDown() override { ResetWorld(); }

  cKeltoGamePlant* AddPlantAt(float x, float z) {
    auto* plant = new cKeltoGamePlant;
    plant->SetPosition(cVector(x, 0, z));
    gWorld->objects.push_back(plant);
    return plant;
  }
};

TEST_F(FrameStepTest, WheelForwardMovesTheCameraCloser) {
  struct { int step; float expected; } cases[] = {{1, 47}, {-1, 53}, {0, 50}};
  for (const auto& c : cases) {
    gCamera.distance = 50;
    ZoomByWheel(c.step);
    EXPECT_FLOAT_EQ(gCamera.distance, c.expected) << "wheel step " << c.step;
  }
}

TEST_F(FrameStepTest, TopDownYawJumpsToTheOffsetTheShortWayRound) {
  gCamera.iso_cam = false;
  gCamera.yaw = 350;
  gCamera.yawOffset = 10;
  TurnCameraTowardTarget();
  EXPECT_FLOAT_EQ(gCamera.yaw, 370);
}

TEST_F(FrameStepTest, FollowYawEasesBehindTheAvatar) {
  gCamera.iso_cam = true;
  gCamera.yaw = 0;
  gCamera.yawOffset = 30;
  gWorld->avatar->heading = 1.5707963f;  // facing +x: the camera wants 180 - 90 + 30 = 120
  TurnCameraTowardTarget();
  EXPECT_NEAR(gCamera.yaw, 12.0f, 1e-4);
  for (int frame = 0; frame < 200; ++frame) TurnCameraTowardTarget();
  EXPECT_NEAR(gCamera.yaw, 120.0f, 1e-3);
}

TEST_F(FrameStepTest, HoverPicksNearTheGroundPointAroundTheAvatar) {
  cKeltoGamePlant* nearPlant = AddPlantAt(105, 100);
  AddPlantAt(106.5f, 100);
  UpdateHoveredObject(cVector(5.5f, 0, 0));  // relative to the avatar at (100, 100)
  EXPECT_EQ(gGameState.hoveredObject, nearPlant);
  UpdateHoveredObject(cVector(-20, 0, 0));
  EXPECT_EQ(gGameState.hoveredObject, nullptr) << "nothing within picking distance";
}

TEST_F(FrameStepTest, HoverPicksAcrossTheWorldEdge) {
  gWorld->avatar->SetPosition(cVector(511, 0, 300));
  cKeltoGamePlant* plant = AddPlantAt(0.5f, 300);
  UpdateHoveredObject(cVector(1, 0, 0));  // world x 512: the same place as 0
  EXPECT_EQ(gGameState.hoveredObject, plant);
}

TEST_F(FrameStepTest, OnlyTheFirstFrameSwitchesFreeZoomOff) {
  EndFirstFrame();
  EXPECT_FALSE(gGameState.freeZoom);
  EXPECT_FALSE(gGameState.firstFrame);
  gGameState.freeZoom = true;  // the D key
  EndFirstFrame();
  EXPECT_TRUE(gGameState.freeZoom) << "later frames leave the player's free zoom alone";
}

class PauseControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    SetManualTime(10000);
    StartGameClock();
  }
  void TearDown() override { UseRealTime(); }
};

TEST_F(PauseControlTest, CheckBoxPausesAndResumesLikeTheKey) {
  SetManualTime(11000);
  SetPausedFromPanel(1);
  EXPECT_EQ(gGameState.paused, 1);
  SetManualTime(15000);
  EXPECT_EQ(GameTime(), 1000u) << "ticked: game time stands still";
  SetPausedFromPanel(0);
  EXPECT_EQ(gGameState.paused, 0);
  EXPECT_EQ(GameTime(), 1000u) << "unticked: game time goes on from where it stopped";
  SetManualTime(15250);
  EXPECT_EQ(GameTime(), 1250u);
}

TEST_F(PauseControlTest, RepeatedStatesChangeNothing) {
  struct { int first, second; } cases[] = {{1, 1}, {0, 0}};
  for (const auto& c : cases) {
    ResetGameState();
    SetManualTime(10000);
    StartGameClock();
    SetManualTime(12000);
    SetPausedFromPanel(c.first);
    SetManualTime(13000);
    const uint32_t before = GameTime();
    SetPausedFromPanel(c.second);
    EXPECT_EQ(GameTime(), before) << "state " << c.first << " set twice must not move game time";
    EXPECT_EQ(gGameState.paused, c.second);
  }
}

TEST_F(PauseControlTest, ModalScopeHoldsTimeAndKeepsAnEarlierPause) {
  SetManualTime(12000);
  {
    cGamePauseScope box;
    SetManualTime(20000);
    EXPECT_EQ(GameTime(), 2000u);
  }
  EXPECT_EQ(gGameState.paused, 0);
  EXPECT_EQ(GameTime(), 2000u) << "the time the box was open is not counted";

  PauseGame();
  { cGamePauseScope box; }
  EXPECT_EQ(gGameState.paused, 1) << "a game paused before the box stays paused after it";
}
