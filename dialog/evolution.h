// What the rest of the game asks of the evolution dialog.
#pragma once

// Start-up: builds the dialog's controls at (100, 200); it starts hidden.
void BuildEvolutionDialog();
bool EvolutionDialogVisible();
// Opens the evolution dialog unless it is already visible (Level Up, E, a meeting, a click).
void OpenEvolutionDialog();
// Mouse presses and releases while the dialog is visible; true when the dialog took the press.
// While it is hidden neither does anything.
bool EvolutionDialogMouseDown(int x, int y);
void EvolutionDialogMouseUp(int x, int y);
// The death penalty: the avatar loses its most recent advance.
void LoseLastAdvance();
// Back to start-up (tests and tools): no recorded advances, the dialog rebuilt and hidden.
void ResetEvolution();

// GL layer: draws the visible dialog's controls (inside the scene's 2D mode).
void DrawEvolutionDialog();
