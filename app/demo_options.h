// The timedemo's command line: how many frames to draw, which frame to save as a picture, and
// the fixed views to draw them from. Without --timedemo or --shot the command line is not ours
// and goes to GLUT unchanged.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Each view is set up once, right after the first frame is presented, as a player's key or
// button would do it at that moment; several may be combined.
enum class eDemoView {
  kFollow,         // C: the follow view behind the avatar
  kCurvedHorizon,  // C then F: the follow view with the curvature drop
  kNight,          // the day clock moved to midnight
  kWholeWorld,     // the camera held far enough out to show all of the world
  kDebugLines,     // D: free zoom with the critters' debug overlay
  kFight,          // the nearest critter of another species brought beside the avatar to fight
  kEvolution,      // E: the evolution dialog open
  kNestBuilding,   // M: the nest-building bar
  kWalk,           // the avatar sent walking east, away from its nest, as a click there would
  kKill,           // K: the avatar's health set to 0
  kGraph,          // G: the population graph over six days of frozen figures
};

struct cDemoOptions {
  int frames = 0;     // frames drawn before the run ends
  int shotFrame = 0;  // frame saved as a PPM picture (1-based); 0 saves none
  std::string shotFile;
  std::vector<eDemoView> views;
  std::optional<int> critters;  // replaces ZOMA.ini's num_critters
  bool plain = false;           // draw the plain way, to compare the fast drawing against
};

struct cDemoCommandLine {
  bool isDemo = false;  // the command line asks for a timedemo or a shot
  cDemoOptions options;
  std::string error;  // set when isDemo and the options cannot be used
};

// --timedemo FRAMES, --shot FRAME FILE, --view NAME (repeatable; names below), --critters N,
// --plain.
// A shot alone draws up to its frame.
cDemoCommandLine ParseDemoCommandLine(int argc, const char* const* argv);

// "follow", "curved", "night", "world", "debug", "fight", "evolution", "nest", "walk", "kill",
// "graph".
std::optional<eDemoView> DemoViewNamed(const std::string& name);

extern const char* const kDemoUsage;
