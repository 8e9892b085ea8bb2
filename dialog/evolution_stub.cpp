// Placeholder until the evolution dialog lands.
#include "dialog/evolution.h"

void BuildEvolutionDialog() {}
bool EvolutionDialogVisible() { return false; }
void OpenEvolutionDialog() {}
bool EvolutionDialogMouseDown(int, int) { return false; }
void EvolutionDialogMouseUp(int, int) {}
void LoseLastAdvance() {}
