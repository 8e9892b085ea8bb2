// The one settings record of the process.
#include "game/game_config.h"

cGameConfig gConfig;
