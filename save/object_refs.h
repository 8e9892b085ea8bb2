// How a save names objects: pointers become indices into the saved lists. A critter reference
// is its index in `critters`, -1 for the avatar (which is in no list), or null for none; any
// other object is named by its list and index, ["plant", 3], ["carcass", 0], ["nest", 0],
// ["critter", 12] or ["avatar", 0].
#pragma once

#include <unordered_map>
#include <utility>

#include "save/save_json.h"
#include "world/world.h"

constexpr int kAvatarRef = -1;

// Writing: the index of every object of a world, built once per save.
class cObjectIndex {
 public:
  explicit cObjectIndex(const cKeltoGameWorld& world);
  json Critter(const cKeltoGameCritter* critter) const;
  json Object(const cKeltoGameObject* object) const;
  // A plant's or a carcass's index in its own list (null for none).
  json InList(const cKeltoGameObject* object) const;

 private:
  using cRef = std::pair<const char*, int>;
  cRef Find(const cKeltoGameObject* object) const;
  std::unordered_map<const cKeltoGameObject*, cRef> refs_;
};

// Reading: references resolved against a world being loaded, every index checked.
class cObjectTable {
 public:
  explicit cObjectTable(const cKeltoGameWorld& world) : world_(world) {}
  // Null is refused unless `nullable`.
  cKeltoGameCritter* Critter(const cSaveNode& node, bool nullable) const;
  cKeltoGamePlant* Plant(const cSaveNode& node) const;
  cKeltoGameCarcass* Carcass(const cSaveNode& node, bool nullable) const;
  cKeltoGameObject* Object(const cSaveNode& node, bool nullable) const;

 private:
  const cKeltoGameWorld& world_;
};
