// The shell's one game-state record.
#include "game/game_state.h"

cGameState gGameState;

void ResetGameState() { gGameState = cGameState{}; }
