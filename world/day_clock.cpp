// Placeholder until the world tick lands: the clock's behaviour is owned by the simulation.
#include "world/day_clock.h"

cDayClock gDayClock;

bool cDayClock::IsDay() { return true; }
bool cDayClock::NewDay() { return false; }
float cDayClock::DaylightLevel() { return 1.0f; }
