// The frame's GL-free steps: camera easing, zoom and its limits, the throttled tick with edge
// scrolling and nest building, hover picking, the first-frame rule, and pausing around modal boxes.
#include <gtest/gtest.h>

#include "app/approach_angle.h"
#include "app/frame_tick.h"
#include "app/pause_control.h"
#include "script/game_scripts.h"
#include "script/script_parser.h"
#include "world/script_hooks.h"
#include "world_test_support.h"

namespace {
using namespace world_test;

TEST(ApproachAngle, TakesTheShortWayRoundWithoutWrapping) {
  struct { float current, target, factor, expected; } cases[] = {
      {350, 10, 0.1f, 352},    // target lifted to 370
      {10, 350, 0.1f, 368},    // current lifted to 370, then eased down toward 350
      {0, 180, 0.5f, 90},      // exactly half a turn apart: no lifting either way
      {0, 181, 0.5f, 270.5f},  // just past half a turn: current lifted to 360
      {720, 0, 1.0f, 720},     // whole turns are added until within 180, never wrapped back
  };
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(ApproachAngle(c.current, c.target, c.factor), c.expected)
        << c.current << " toward " << c.target << " by " << c.factor;
  }
}

class FrameStepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSimulation();
    AddSpecies(1.0f, 3.0f);
    avatar = AddAvatar(At(100, 100));
  }
  void TearDown() override { UseRealTime(); }

  cKeltoGameCritter* avatar = nullptr;
};

TEST_F(FrameStepTest, WheelZoomsAndTheClampKeepsTheLimitsUnlessFreeZoom) {
  struct { int wheel; bool freeZoom; float minimum, maximum, expected; } cases[] = {
      {1, false, 10, 100, 47},   {-1, false, 10, 100, 53}, {0, false, 60, 100, 60},
      {-30, false, 10, 100, 100}, {-30, true, 10, 100, 140},
      {0, false, 60, 40, 60},  // crossed limits: the minimum wins
  };
  for (const auto& c : cases) {
    gCamera.distance = 50;
    gCamera.minDistance = c.minimum;
    gCamera.maxDistance = c.maximum;
    gGameState.freeZoom = c.freeZoom;
    ZoomByWheel(c.wheel);
    ClampCameraDistance();
    EXPECT_FLOAT_EQ(gCamera.distance, c.expected) << "wheel " << c.wheel << " free " << c.freeZoom;
  }
}

TEST_F(FrameStepTest, YawJumpsToTheOffsetTopDownAndEasesBehindTheAvatarInFollowView) {
  gCamera.yaw = 350;
  gCamera.yawOffset = 10;
  TurnCameraTowardTarget();
  EXPECT_FLOAT_EQ(gCamera.yaw, 370);

  gCamera.iso_cam = true;
  gCamera.yaw = 0;
  gCamera.yawOffset = 30;
  avatar->heading = 1.5707963f;  // facing +x: the camera wants 180 - 90 + 30 = 120
  TurnCameraTowardTarget();
  EXPECT_NEAR(gCamera.yaw, 12.0f, 1e-4);
  for (int frame = 0; frame < 200; ++frame) TurnCameraTowardTarget();
  EXPECT_NEAR(gCamera.yaw, 120.0f, 1e-3);
}

TEST_F(FrameStepTest, TicksOnlyAfterMoreThanTwentyMillisecondsAndNotOnTheFirstFrame) {
  struct { uint32_t now; bool ticks; } frames[] = {
      {1000, false},  // the first unpaused frame only starts the tick clock
      {1020, false}, {1021, true}, {1041, false}, {1042, true},
      {500, true},    // game time stepped back: unsigned wrap-around ticks at once
  };
  for (const auto& f : frames) {
    SetGameTime(f.now);
    EXPECT_EQ(TickIfDue(800, 400), f.ticks) << "at " << f.now;
    if (f.ticks) {
      EXPECT_EQ(gGameState.lastTickMs, f.now);
    }
  }
}

// With no pointer in the window nothing scrolls, but the offset is still wrapped.
TEST_F(FrameStepTest, EdgeScrollingTurnsUpToFiveDegreesPerTickAndWrapsOnce) {
  struct { std::optional<int> mouseX; float offset, expected; } cases[] = {
      {25, 10, 10},  {775, 10, 10},   {24, 10, 9.8f},  {776, 10, 10.2f}, {0, 10, 5},
      {800, 10, 15}, {400, 360, 360}, {400, -0.5f, 359.5f}, {0, 2, 357}, {800, 358, 3},
      {std::nullopt, 10, 10}, {std::nullopt, -0.5f, 359.5f},
  };
  for (const auto& c : cases) {
    gCamera.yawOffset = c.offset;
    RunTick(800, c.mouseX);
    EXPECT_NEAR(gCamera.yawOffset, c.expected, 1e-4) << "x " << c.mouseX.value_or(-1) << " from " << c.offset;
  }
}

// The move-nest script runs on every tick while building, the completing one included;
// building ends on the first tick more than 10000 ms after it began.
TEST_F(FrameStepTest, NestBuildingMovesTheNestAfterTenSecondsOncePerDay) {
  InitGameScripts();
  for (int s = 0; s < kGameScriptCount; ++s) GameScriptProgram(static_cast<eGameScript>(s)) = {};
  ParseScript("defend = defend + 1", GameScriptProgram(eGameScript::kMoveNest));
  SetGameTime(1000);
  BuildNest();
  avatar->SetPosition(At(120, 130));
  avatar->target = At(120, 130);
  const float defendBefore = avatar->defend;
  for (uint32_t now : {5000u, 11000u}) {
    SetGameTime(now);
    RunTick(800, 400);
    EXPECT_TRUE(gGameState.nestBuilding) << now;
  }
  SetGameTime(11001);
  RunTick(800, 400);
  EXPECT_FALSE(gGameState.nestBuilding);
  EXPECT_FLOAT_EQ(gWorld->nests.front()->position.x, 120.0f);
  EXPECT_FLOAT_EQ(gWorld->nests.front()->position.z, 130.0f);
  EXPECT_EQ(avatar->defend, defendBefore + 3);
  BuildNest();
  EXPECT_FALSE(gGameState.nestBuilding) << "one nest move a day";
  ResetGameScripts();

  nest_move_allowed = true;
  BuildNest();
  avatar->speed = 1.0f;
  CancelNestBuildingIfMoving();
  EXPECT_FALSE(gGameState.nestBuilding) << "moving cancels building";
}

// The tick reads the day clock for its hooks: the move-nest hook runs before the world's tick,
// the avatar-motives hook inside it, and both see the day as it is at this tick.
TEST_F(FrameStepTest, HooksSeeTheDayOfTheirTick) {
  InitGameScripts();
  for (int s = 0; s < kGameScriptCount; ++s) GameScriptProgram(static_cast<eGameScript>(s)) = {};
  ParseScript("defend = is_day", GameScriptProgram(eGameScript::kMoveNest));
  ParseScript("attack = is_day", GameScriptProgram(eGameScript::kAvatarMotives));
  SetDayClock(1000, 1000);
  gConfig.motive_cycle = 500;
  gWorld->motive_clock_ms = 0;
  gGameState.nestBuilding = true;
  gGameState.nestBuildStartMs = 0.0f;
  for (const auto& [now, day] : {std::pair{600u, 1.0f}, std::pair{1600u, 0.0f}, std::pair{2100u, 1.0f}}) {
    SetGameTime(now);
    RunTick(800, 400);
    EXPECT_EQ(avatar->defend, day) << "move nest at " << now;
    EXPECT_EQ(avatar->attack, day) << "avatar motives at " << now;
  }
  ResetGameScripts();
}

TEST_F(FrameStepTest, HoverPicksNearestWithinReachAcrossTheWorldEdge) {
  cKeltoGamePlant* nearPlant = AddPlant(At(105, 100));
  AddPlant(At(106.5f, 100));
  UpdateHoveredObject(cVector(5.5f, 0, 0));  // relative to the avatar at (100, 100)
  EXPECT_EQ(gGameState.hoveredObject, nearPlant);
  UpdateHoveredObject(cVector(-20, 0, 0));
  EXPECT_EQ(gGameState.hoveredObject, nullptr) << "nothing within picking distance";
  avatar->SetPosition(At(511, 300));
  cKeltoGamePlant* acrossTheEdge = AddPlant(At(0.5f, 300));
  UpdateHoveredObject(cVector(1, 0, 0));  // world x 512: the same place as 0
  EXPECT_EQ(gGameState.hoveredObject, acrossTheEdge);
}

TEST_F(FrameStepTest, OnlyTheFirstFrameSwitchesFreeZoomOff) {
  EndFirstFrame();
  EXPECT_FALSE(gGameState.freeZoom);
  EXPECT_FALSE(gGameState.firstFrame);
  gGameState.freeZoom = true;  // the D key
  EndFirstFrame();
  EXPECT_TRUE(gGameState.freeZoom) << "later frames leave the player's free zoom alone";
}

// A second ResumeGame would restart the clock base and throw game time back; a modal box holds
// game time still and leaves an earlier pause in place.
TEST_F(FrameStepTest, RepeatedPanelStatesAndModalBoxesKeepGameTime) {
  for (int state : {1, 0}) {
    SetGameTime(2000);
    SetPausedFromPanel(state);
    SetGameTime(3000);
    const uint32_t before = GameTime();
    SetPausedFromPanel(state);
    EXPECT_EQ(GameTime(), before) << "state " << state << " set twice must not move game time";
    EXPECT_EQ(gGameState.paused, state);
  }
  const uint32_t before = GameTime();
  {
    cGamePauseScope box;
    SetGameTime(20000);
    EXPECT_EQ(GameTime(), before);
  }
  EXPECT_EQ(gGameState.paused, 0);
  EXPECT_EQ(GameTime(), before) << "the time the box was open is not counted";
  PauseGame();
  { cGamePauseScope box; }
  EXPECT_EQ(gGameState.paused, 1) << "a game paused before the box stays paused after it";
}

}  // namespace
