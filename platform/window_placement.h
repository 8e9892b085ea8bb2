// Where a new top-level window lands when no window manager places it. GL layer (asks the
// X server).
#pragma once

// With no window manager running, X puts a window exactly where asked, and GLUT's "anywhere"
// is (-1, -1): one row and one column of the window then lie off the screen. Moves the current
// window to the screen's top-left corner in that case; under a window manager does nothing,
// leaving placement to it.
void PlaceCurrentWindowWhereNoManagerDoes();
