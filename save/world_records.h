// The world's part of a save: every object in the order of the world's lists, the order of the
// objects list itself, the fights, meals and nest visits, the motive clock, the counters and
// the population graph's days.
#pragma once

#include <memory>

#include "save/object_refs.h"
#include "save/save_json.h"
#include "world/world.h"

// The most entries a list of a save may have besides the critters (bounded as ZOMA.ini's
// counts are): far above what a game makes, low enough that a hostile count cannot exhaust
// memory.
constexpr size_t kMostSavedEntries = 1u << 20;

// The world's lists and records go straight into the document ("critters", "fights", ...).
void WriteWorld(const cKeltoGameWorld& world, json& document);
// A new world from a save document; species indices are checked against `speciesCount`.
// Throws cSaveError; the running game is not touched.
std::unique_ptr<cKeltoGameWorld> ReadWorld(const cSaveNode& node, int speciesCount);
