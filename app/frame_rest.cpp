// The resting rule of the frame function.
#include "app/frame_rest.h"

namespace {
constexpr int kDisplayFrameMs = 16;      // about 60 frames a second
constexpr int kHiddenRunningRestMs = 5;  // a quarter of the 20 ms tick period

bool gFrameRequested = true;
bool gWindowVisible = true;
}  // namespace

void RequestFrame() { gFrameRequested = true; }

void NoteWindowVisible(bool visible) {
  if (visible && !gWindowVisible) gFrameRequested = true;
  gWindowVisible = visible;
}

bool FrameShouldDraw(bool paused, bool cameraMoved) {
  if (!gWindowVisible) return false;
  if (paused && !gFrameRequested && !cameraMoved) return false;
  gFrameRequested = false;
  return true;
}

int RestMilliseconds(bool paused) {
  if (paused) return kDisplayFrameMs;
  return gWindowVisible ? 0 : kHiddenRunningRestMs;
}

bool SameView(const cCamera& a, const cCamera& b) {
  return a.distance == b.distance && a.yaw == b.yaw && a.pitch == b.pitch && a.yawOffset == b.yawOffset &&
         a.fieldOfView == b.fieldOfView && a.iso_cam == b.iso_cam;
}

void ResetFrameRest() {
  gFrameRequested = true;
  gWindowVisible = true;
}
