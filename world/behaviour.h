// What an ordinary critter decides each tick (never the avatar): whom to hunt, whether it has
// noticed the avatar, and the handler of its state (flocking, fighting, sleeping, going home).
// `dayNow` is the tick's one day/night decision; a critter is active when it differs from the
// critter's `nocturnal` flag. Handlers act on the critter, its flock mates and gWorld's lists.
#pragma once

#include "world/objects.h"

// An aggressive critter picks (or drops) the nearest neighbour of another species as prey.
void UpdatePrey(cKeltoGameCritter* critter);
// Sets or clears `aware` from the avatar's distance, speed, cover, stealth and direction.
void PerceiveAvatar(cKeltoGameCritter* critter);

bool IsActiveTime(const cKeltoGameCritter* critter, bool dayNow);
// Heads for the first remembered plant (going home), or sleeps where it stands if it knows none.
void GoHome(cKeltoGameCritter* critter);
// Back to flocking toward a fresh random point.
void WakeUp(cKeltoGameCritter* critter);

void SleepingHandler(cKeltoGameCritter* critter, bool dayNow);
void GoingHomeHandler(cKeltoGameCritter* critter, bool dayNow);
void FlockingHandler(cKeltoGameCritter* critter, bool dayNow);
void FightingHandler(cKeltoGameCritter* critter);
// The handler of the critter's current state; any other state value does nothing.
void RunStateHandler(cKeltoGameCritter* critter, bool dayNow);

// The flocking steer: a weighted average of goal, terrain, flock-mate, flight or chase and tree
// terms, handed to SteerToward. Changes `target` only for a detour or a chase.
void FlockStep(cKeltoGameCritter* critter, cKeltoGameCritter* avatar);

// Five random draws from the world's plants, each offered to RememberPlant.
void RememberRandomPlants(cKeltoGameCritter* critter);
