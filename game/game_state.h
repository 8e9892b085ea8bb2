// The shell's process-wide flags: clock bookkeeping, pause, speed, tick timing, nest building,
// hover picking and the first-frame zoom rule. Owned by the frame loop; read by the scene.
#pragma once

#include <cstdint>

class cKeltoGameObject;

struct cGameState {
  int mainWindow = 0;
  uint32_t clockFrozenMs = 0;
  uint32_t clockBaseMs = 0;
  int paused = 0;  // also the live variable of the "Pause" check box
  int speed = 1;           // the player's game speed: 1, 2, 4 or 8 (app/game_speed)
  bool clockHeld = false;  // faster than x1: the frame steps game time tick by tick
  uint32_t owedTickMs = 0; // faster than x1: game time owed to ticks not yet run
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
