// Placeholder until the evolution dialog's drawing lands.
#include "dialog/evolution.h"

void DrawEvolutionDialog() {}
