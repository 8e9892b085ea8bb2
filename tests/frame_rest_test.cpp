// The frame function's rest: paused or hidden it draws only what may have changed.
#include <gtest/gtest.h>

#include "app/frame_rest.h"

namespace {
class FrameRestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFrameRest();
    FrameShouldDraw(false, false);  // the start-up frame takes the first request
  }
  void TearDown() override { ResetFrameRest(); }
};

TEST_F(FrameRestTest, RunningVisibleAlwaysDrawsWithoutRest) {
  for (int frame = 0; frame < 3; ++frame) EXPECT_TRUE(FrameShouldDraw(false, false));
  EXPECT_EQ(RestMilliseconds(false), 0);
}

TEST_F(FrameRestTest, PausedDrawsOnceForEachRequestOrCameraMove) {
  EXPECT_FALSE(FrameShouldDraw(true, false));
  EXPECT_TRUE(FrameShouldDraw(true, true));
  EXPECT_FALSE(FrameShouldDraw(true, false));
  RequestFrame();
  EXPECT_TRUE(FrameShouldDraw(true, false));
  EXPECT_FALSE(FrameShouldDraw(true, false));
  EXPECT_EQ(RestMilliseconds(true), 16);
}

TEST_F(FrameRestTest, HiddenNeverDrawsAndDrawsAgainWhenShown) {
  NoteWindowVisible(false);
  RequestFrame();
  EXPECT_FALSE(FrameShouldDraw(false, true));
  EXPECT_FALSE(FrameShouldDraw(true, true));
  EXPECT_EQ(RestMilliseconds(false), 5);
  FrameShouldDraw(true, false);
  NoteWindowVisible(true);
  EXPECT_TRUE(FrameShouldDraw(true, false));  // shown again: the picture is redrawn once
  EXPECT_FALSE(FrameShouldDraw(true, false));
}

TEST(SameView, AnyCameraFieldThatMovesThePictureCounts) {
  const cCamera base;
  float cCamera::*fields[] = {&cCamera::distance, &cCamera::yaw, &cCamera::pitch, &cCamera::yawOffset,
                              &cCamera::fieldOfView};
  for (float cCamera::*field : fields) {
    cCamera moved = base;
    moved.*field += 0.001f;
    EXPECT_FALSE(SameView(base, moved));
  }
  cCamera follow = base;
  follow.iso_cam = true;
  EXPECT_FALSE(SameView(base, follow));
  EXPECT_TRUE(SameView(base, base));
}
}  // namespace
