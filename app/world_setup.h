// World setup: building the world at start-up, and its steps, exposed so tests and tools can
// populate a world over a terrain of their own. Runs once at start-up; nothing here runs again.
#pragma once

class cKeltoGameWorld;

// The whole setup: terrain, configuration, home sites, plants, critters, avatar and nest.
void BuildWorld(cKeltoGameWorld& world);

// Generates a diamond-square heightfield and sets gTerrainClasses from it (4095 random draws).
void GenerateTerrain();

// Reads the configuration, then places the world's objects (PlaceWorldObjects).
void PopulateWorld(cKeltoGameWorld& world);
// Places the home sites, 500 plants, the critters, the avatar and its nest on the current
// terrain as the configuration already read asks, in the game's fixed order of random draws. A
// terrain without land gets one land cell at its centre (with a line on standard output), and
// land is always found, however little of it there is.
void PlaceWorldObjects(cKeltoGameWorld& world);
