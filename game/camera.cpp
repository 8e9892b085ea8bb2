// The camera record and its distance limits.
#include "game/camera.h"

#include "game/game_state.h"

cCamera gCamera;

void ClampCameraDistance() {
  if (gGameState.freeZoom) return;
  if (gCamera.distance > gCamera.maxDistance) gCamera.distance = gCamera.maxDistance;
  if (gCamera.distance < gCamera.minDistance) gCamera.distance = gCamera.minDistance;
}
