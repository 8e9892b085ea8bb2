// Object references in both directions.
#include "save/object_refs.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
template <typename T>
void IndexList(const std::vector<T*>& list, const char* kind,
               std::unordered_map<const cKeltoGameObject*, std::pair<const char*, int>>& refs) {
  for (size_t i = 0; i < list.size(); ++i) refs.emplace(list[i], std::make_pair(kind, static_cast<int>(i)));
}

// An index into a list of `size`, named for messages as the list's entries.
size_t ListIndex(const cSaveNode& node, size_t size, const char* list) {
  const int64_t index = node.Integer(0, INT32_MAX);
  if (static_cast<size_t>(index) >= size) {
    node.Fail("is " + std::to_string(index) + ", but " + list + " has " + std::to_string(size) + " entries");
  }
  return static_cast<size_t>(index);
}
}  // namespace

cObjectIndex::cObjectIndex(const cKeltoGameWorld& world) {
  IndexList(world.plants, "plant", refs_);
  IndexList(world.carcasses, "carcass", refs_);
  IndexList(world.nests, "nest", refs_);
  IndexList(world.critters, "critter", refs_);
  refs_.emplace(world.avatar, cRef("avatar", 0));
}

cObjectIndex::cRef cObjectIndex::Find(const cKeltoGameObject* object) const {
  const auto found = refs_.find(object);
  if (found == refs_.end()) throw cSaveError("the game names an object that is not in the world");
  return found->second;
}

json cObjectIndex::Critter(const cKeltoGameCritter* critter) const {
  if (!critter) return nullptr;
  const cRef ref = Find(critter);
  return std::strcmp(ref.first, "avatar") == 0 ? kAvatarRef : ref.second;
}

json cObjectIndex::Object(const cKeltoGameObject* object) const {
  if (!object) return nullptr;
  const cRef ref = Find(object);
  return json::array({ref.first, ref.second});
}

json cObjectIndex::InList(const cKeltoGameObject* object) const {
  if (!object) return nullptr;
  return Find(object).second;
}

cKeltoGameCritter* cObjectTable::Critter(const cSaveNode& node, bool nullable) const {
  if (nullable && node.IsNull()) return nullptr;
  if (node.Json().is_number_integer() && node.Json() == kAvatarRef) return world_.avatar;
  return world_.critters[ListIndex(node, world_.critters.size(), "critters")];
}

cKeltoGamePlant* cObjectTable::Plant(const cSaveNode& node) const {
  return world_.plants[ListIndex(node, world_.plants.size(), "plants")];
}

cKeltoGameCarcass* cObjectTable::Carcass(const cSaveNode& node, bool nullable) const {
  if (nullable && node.IsNull()) return nullptr;
  return world_.carcasses[ListIndex(node, world_.carcasses.size(), "carcasses")];
}

cKeltoGameObject* cObjectTable::Object(const cSaveNode& node, bool nullable) const {
  if (nullable && node.IsNull()) return nullptr;
  if (node.Count(2) != 2) node.Fail("is " + node.Json().dump() + ", not a [list, index] pair");
  const std::string kind = node.At(0).String();
  const cSaveNode index = node.At(1);
  if (kind == "plant") return Plant(index);
  if (kind == "carcass") return Carcass(index, false);
  if (kind == "nest") return world_.nests[ListIndex(index, world_.nests.size(), "nests")];
  if (kind == "critter") return Critter(index, false);
  if (kind == "avatar" && index.Integer(0, 0) == 0) return world_.avatar;
  node.At(0).Fail("is \"" + kind + "\", not a list of objects");
}
