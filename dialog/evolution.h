// What the rest of the game asks of the evolution dialog.
#pragma once

// Start-up: builds the dialog's controls at (100, 200); it starts hidden. From then on the
// world's evolution offers open it.
void BuildEvolutionDialog();
bool EvolutionDialogVisible();
// Opens the evolution dialog unless it is already visible (Level Up, E, a meeting, a click).
void OpenEvolutionDialog();
// Mouse presses and releases while the dialog is visible; true when the dialog took the press.
// While it is hidden neither does anything.
bool EvolutionDialogMouseDown(int x, int y);
void EvolutionDialogMouseUp(int x, int y);
// Hides the dialog and drops the opening in progress, whose counts are some other avatar's once
// a saved game has replaced the world.
void CloseEvolutionDialog();
// Back to start-up (tests and tools): no recorded advances, the dialog rebuilt and hidden.
void ResetEvolution();
