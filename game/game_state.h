// The shell's process-wide flags: clock bookkeeping, pause, tick timing, nest building,
// hover picking and the first-frame zoom rule. Owned by the frame loop; read by the scene.
#pragma once

#include <cstdint>

class cKeltoGameObject;

struct cGameState {
  int mainWindow = 0;
  uint32_t clockFrozenMs = 0;
  uint32_t clockBaseMs = 0;
  int paused = 0;  // also the live variable of the "Pause" check box
  uint32_t lastTickMs = 0;
  bool nestBuilding = false;
  uint32_t nestBuildStartMs = 0;
  cKeltoGameObject* hoveredObject = nullptr;
  bool freeZoom = true;
  bool firstFrame = true;
  bool tickClockStarted = false;  // lastTickMs is set on the first unpaused frame only
};

extern cGameState gGameState;

// Back to the start-up values (tests and tools).
void ResetGameState();
