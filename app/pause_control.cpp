// Pause requests from the control panel and around modal boxes.
#include "app/pause_control.h"

#include "game/game_clock.h"
#include "game/game_state.h"

void SetPausedFromPanel(int checked) {
  const bool wantPaused = checked != 0;
  if (wantPaused == (gGameState.paused != 0)) return;
  if (wantPaused) {
    PauseGame();
  } else {
    ResumeGame();
  }
}

cGamePauseScope::cGamePauseScope() : pausedHere_(gGameState.paused == 0) {
  if (pausedHere_) PauseGame();
}

cGamePauseScope::~cGamePauseScope() {
  if (pausedHere_) ResumeGame();
}
