// Placeholder until the evolution dialog lands.
#include "dialog/evolution.h"

void OpenEvolutionDialog() {}
void LoseLastAdvance() {}
