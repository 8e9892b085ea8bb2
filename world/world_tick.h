// One step of the simulation, run by the frame loop at most every 21 ms of game time.
#pragma once

void WorldTick();
