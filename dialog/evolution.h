// What the rest of the game asks of the evolution dialog.
#pragma once

// Opens the evolution dialog unless it is already visible (Level Up, E, a meeting, a click).
void OpenEvolutionDialog();
// The death penalty: the avatar loses its most recent advance.
void LoseLastAdvance();
