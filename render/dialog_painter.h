// Drawing the in-window dialogs: the GL painter behind every dialog control.
#pragma once

// Draws the evolution dialog's controls while it is shown (inside the scene's 2D mode).
void DrawEvolutionDialog();
