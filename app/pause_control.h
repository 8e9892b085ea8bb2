// Pausing the game from outside the keyboard: the control panel's "Pause" check box and the
// modal message boxes. Both go through PauseGame/ResumeGame, as the P key does, so the game
// clock stands still while paused and neither jumps back nor forward afterwards.
#pragma once

// The check box's new state: pauses or resumes only when it differs from the game's, since a
// second ResumeGame would restart the clock base and throw game time back.
void SetPausedFromPanel(int checked);

// Holds game time still for its lifetime (a modal box, during which no frame runs), and leaves
// a game that was already paused paused.
class cGamePauseScope {
 public:
  cGamePauseScope();
  ~cGamePauseScope();
  cGamePauseScope(const cGamePauseScope&) = delete;
  cGamePauseScope& operator=(const cGamePauseScope&) = delete;

 private:
  bool pausedHere_ = false;
};
