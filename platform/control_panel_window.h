// The control panel's window: the GLUI calls the game makes, served by our own small layer.
// The panel is one top-level GLUT window drawn with plain widgets; closing it ends the program,
// as closing the game window does.
#pragma once

#include <string>

#include "platform/control_panel.h"

// Creates the panel and its window with `name` as the title. A negative position means the
// default place: just right of the current window, top edges level, so that it never covers
// the game window. One panel per program; it lives until the process ends.
cControlPanel* create_glui(const std::string& name, int x, int y);

// Installs the frame function as GLUT's idle callback; after each call the panel redraws its
// check marks if their live variables have changed meanwhile.
void set_glutIdleFunc(void (*idle)());

// Runs just before closing the panel ends the program (the game saves itself there).
void SetControlPanelClosing(void (*closing)());
