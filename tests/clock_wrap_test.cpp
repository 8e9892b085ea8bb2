// The game's timers late in the 32-bit clock: carcass decay, nest building and the cover timer
// keep their length past 2^31 ms, where single precision steps by 256 ms, and across the wrap
// at 2^32 ms (about 49.7 days of play).
#include <gtest/gtest.h>

#include "app/frame_tick.h"
#include "world_test_support.h"

namespace {
using namespace world_test;

constexpr uint32_t k2Pow31 = 0x80000000u;

struct cTimerStart {
  const char* name;
  uint32_t ms;
};

// Early in a game; 2^31 + 128, which single precision rounds down to 2^31; just before 2^31;
// a few seconds before the wrap, so the timer runs across it; the wrap itself.
const cTimerStart kStarts[] = {
    {"Early", 1000},
    {"Past2Pow31", k2Pow31 + 128},
    {"JustBefore2Pow31", k2Pow31 - 3000},
    {"Across2Pow32", 0xFFFFFFFFu - 4000},
    {"At2Pow32", 0},
};

class ClockWrapTest : public ::testing::TestWithParam<cTimerStart> {
 protected:
  void SetUp() override {
    ResetSimulation();
    AddSpecies(1.0f, 3.0f);
    avatar = AddAvatar(At(100, 100));
    start = GetParam().ms;
  }
  void TearDown() override { UseRealTime(); }

  // Game time `ms` after the start, in the clock's own wrapping arithmetic.
  void ClockAt(uint32_t ms) const { SetGameTime(start + ms); }

  cKeltoGameCritter* avatar = nullptr;
  uint32_t start = 0;
};

TEST_P(ClockWrapTest, ACarcassLivesExactlyItsDecayTime) {
  gConfig.carcass_decay_time = 90000.0f;
  ClockAt(0);
  gWorld->AddCarcass(At(110, 100));
  ClockAt(90000);
  gWorld->UpdateCarcasses();
  EXPECT_EQ(gWorld->carcasses.size(), 1u) << "exactly the decay time is not yet above it";
  ClockAt(90001);
  gWorld->UpdateCarcasses();
  EXPECT_TRUE(gWorld->carcasses.empty()) << "one millisecond later it is gone";
}

TEST_P(ClockWrapTest, NestBuildingEndsOnTheFirstTickAfterTenSeconds) {
  ClockAt(0);
  BuildNest();
  for (uint32_t ms : {21u, 5000u, 9990u, 10000u}) {
    ClockAt(ms);
    RunTick(800, 400);
    EXPECT_TRUE(gGameState.nestBuilding) << ms << " ms after the start";
  }
  ClockAt(10001);
  RunTick(800, 400);
  EXPECT_FALSE(gGameState.nestBuilding) << "still building 10001 ms after the start";
}

TEST_P(ClockWrapTest, TheAvatarStaysHiddenForOneAndAHalfSecondsAfterLeavingCover) {
  cKeltoGamePlant* tree = AddPlant(At(105, 100));
  avatar->RememberPlant(tree);
  ClockAt(static_cast<uint32_t>(-1000));
  avatar->UpdateCover();
  ASSERT_TRUE(avatar->hidden);
  tree->SetPosition(At(150, 100));
  for (uint32_t ms : {0u, 21u, 1500u}) {
    ClockAt(ms);
    avatar->UpdateCover();
    EXPECT_TRUE(avatar->hidden) << ms << " ms after leaving cover";
  }
  ClockAt(1501);
  avatar->UpdateCover();
  EXPECT_FALSE(avatar->hidden) << "still hidden 1501 ms after leaving cover";
}

INSTANTIATE_TEST_SUITE_P(Starts, ClockWrapTest, ::testing::ValuesIn(kStarts),
                         [](const ::testing::TestParamInfo<cTimerStart>& info) { return info.param.name; });
}  // namespace
