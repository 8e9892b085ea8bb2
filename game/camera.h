// The camera record: it always looks at the avatar, straight down (top-down view) or from
// above and behind (follow view, iso_cam). Setting GL matrices from it is camera_gl's job.
#pragma once

struct cCamera {
  float distance = 0.0f;
  float minDistance = 0.0f;
  float maxDistance = 0.0f;
  float yaw = 0.0f;        // degrees
  float pitch = 0.0f;      // degrees; forced to 90 on every set-up in the top-down view
  float yawOffset = 0.0f;  // degrees; the player's part of the yaw
  float fieldOfView = 100.0f;
  bool iso_cam = false;
};

extern cCamera gCamera;

// Nothing farther from the eye than this is drawn: a camera held this far out shows only black.
constexpr float kCameraFarPlane = 1000.0f;

// Unless free zoom is on: distance clamped to the maximum, then to the minimum (which wins).
void ClampCameraDistance();
