// The timedemo's command line and the set-up of its fixed views on a small world.
#include <gtest/gtest.h>

#include <vector>

#include "app/demo_options.h"
#include "app/demo_views.h"
#include "app/frame_times.h"
#include "world_test_support.h"

namespace {
using namespace world_test;

cDemoCommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "zoma");
  return ParseDemoCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(DemoCommandLine, ReadsFramesShotViewsAndCritters) {
  const cDemoCommandLine line =
      Parse({"--timedemo", "300", "--view", "night", "--shot", "12", "out.ppm", "--view", "fight", "--critters", "1000", "--plain"});
  ASSERT_TRUE(line.isDemo);
  EXPECT_EQ(line.error, "");
  EXPECT_EQ(line.options.frames, 300);
  EXPECT_EQ(line.options.shotFrame, 12);
  EXPECT_EQ(line.options.shotFile, "out.ppm");
  EXPECT_EQ(line.options.views, (std::vector<eDemoView>{eDemoView::kNight, eDemoView::kFight}));
  EXPECT_EQ(line.options.critters, 1000);
  EXPECT_TRUE(line.options.plain);
  const cDemoCommandLine shotAlone = Parse({"--shot", "7", "a.ppm"});
  EXPECT_EQ(shotAlone.error, "");
  EXPECT_EQ(shotAlone.options.frames, 7) << "a shot alone draws up to its frame";
}

// Without demo options the line is left to GLUT; with them, what the demo cannot use is refused.
TEST(DemoCommandLine, LeavesPlainLinesToGlutAndRefusesWhatItCannotUse) {
  const std::vector<std::vector<const char*>> plain = {{}, {"-display", ":0"}, {"--view", "night"}}, bad = {
      {"--timedemo"},           {"--timedemo", "0"},          {"--timedemo", "12x"},
      {"--shot", "5"},          {"--timedemo", "10", "--shot", "11", "a.ppm"},
      {"--timedemo", "10", "--view", "sideways"}, {"--timedemo", "10", "--critters", "-3"},
      {"--timedemo", "10", "-display", ":0"},
  };
  for (const auto& args : plain) {
    const cDemoCommandLine line = Parse(args);
    EXPECT_FALSE(line.isDemo) << args.size() << " arguments";
    EXPECT_EQ(line.error, "");
  }
  for (const auto& args : bad) {
    const cDemoCommandLine line = Parse(args);
    EXPECT_TRUE(line.isDemo);
    EXPECT_NE(line.error, "") << args.size() << " arguments, last " << args.back();
  }
}

class DemoViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSimulation();
    AddSpecies(1.0f, 3.0f);
    AddSpecies(1.0f, 3.0f);
    avatar = AddAvatar(At(509, 100));
    SetDayClock(100000, 50000);
  }
  void TearDown() override { UseRealTime(); }
  cKeltoGameCritter* avatar = nullptr;
};

// Night is midnight; the walk goes 30 east of x 509, round the world to 27; the whole world
// holds the camera out past the clamp.
TEST_F(DemoViewTest, NightWalkAndWholeWorldSetTheirScene) {
  ApplyDemoView(eDemoView::kNight);
  EXPECT_FLOAT_EQ(gDayClock.DaylightLevel(), -1.0f);
  ApplyDemoView(eDemoView::kWalk);
  EXPECT_FLOAT_EQ(avatar->target.x, 27.0f);
  EXPECT_FLOAT_EQ(avatar->target.z, 100.0f);
  ApplyDemoView(eDemoView::kWholeWorld);
  ClampCameraDistance();
  EXPECT_EQ(gCamera.distance, kWholeWorldCameraDistance);
}

// The nearest awake rival is brought within reach on the side away from the world's edge; a
// sleeping one and one of the avatar's own kind are passed over.
TEST_F(DemoViewTest, FightTakesTheNearestAwakeRival) {
  cKeltoGameCritter* ownKind = AddCritter(At(505, 100), avatar->species);
  cKeltoGameCritter* asleep = AddCritter(At(500, 100), 1);
  asleep->state = kStateSleeping;
  cKeltoGameCritter* rival = AddCritter(At(300, 100), 1);
  ApplyDemoView(eDemoView::kFight);
  ASSERT_EQ(gWorld->fights.size(), 1u);
  EXPECT_EQ(gWorld->fights.front().b, rival);
  EXPECT_FLOAT_EQ(rival->position.x, 505.0f);
  EXPECT_NE(ownKind->state, kStateFighting);
}
}  // namespace

// Only frames longer than the limit count as slow; an empty run has none.
TEST(FrameTimes, ShareOfFramesLongerThanTheLimit) {
  struct Case {
    std::vector<double> times;
    double percent;
  };
  const std::vector<Case> cases = {{{}, 0.0}, {{5, 19.9, 20.0}, 0.0}, {{20.01}, 100.0}, {{10, 25, 40, 15}, 50.0}};
  for (const Case& c : cases) {
    cFrameTimes times;
    for (double t : c.times) times.Add(t);
    EXPECT_DOUBLE_EQ(times.PercentLongerThan(20.0), c.percent) << c.times.size() << " frames";
  }
}
