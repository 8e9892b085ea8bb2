// The modal message box: its own GLUT window with a caption (the window title), the text and
// an OK button. Enter, Escape, Space, a click on OK or closing the window dismisses it; only
// then does the call return. Meanwhile GLUT events keep being handled (so the other windows
// still redraw) but no idle callback runs, so the game does not advance.
#pragma once

#include <string>

// Needs glutInit first. Closing the box's window must not end the program: the caller sets
// GLUT_ACTION_ON_WINDOW_CLOSE to GLUT_ACTION_CONTINUE_EXECUTION at start-up.
void ShowMessageBoxWindow(const std::string& caption, const std::string& text);

// True while a box is open: the game's windows ignore mouse and key input meanwhile.
bool MessageBoxWindowOpen();
