// Each world record's writing beside its reading. Objects are first created for every list
// (so references can be resolved in any direction), then filled.
#include "save/world_records.h"

#include <string>

#include "game/game_config.h"
#include "save/history_records.h"
#include "world/advances.h"
#include "world/geometry.h"

namespace {
struct cFloatField {
  const char* name;
  float cKeltoGameCritter::*member;
};
// Every float of a critter but the vectors and arrays.
const cFloatField kCritterFloats[] = {
    {"heading", &cKeltoGameCritter::heading},
    {"desired_heading", &cKeltoGameCritter::desired_heading},
    {"hunger", &cKeltoGameCritter::hunger},
    {"health", &cKeltoGameCritter::health},
    {"energy", &cKeltoGameCritter::energy},
    {"attack", &cKeltoGameCritter::attack},
    {"defend", &cKeltoGameCritter::defend},
    {"speed", &cKeltoGameCritter::speed},
    {"walk_speed", &cKeltoGameCritter::walk_speed},
    {"run_speed", &cKeltoGameCritter::run_speed},
    {"stealth", &cKeltoGameCritter::stealth},
    {"detour_sign", &cKeltoGameCritter::detour_sign},
    {"neighbor_distance", &cKeltoGameCritter::neighbor_distance},
    {"climb", &cKeltoGameCritter::climb},
    {"swim", &cKeltoGameCritter::swim},
};

struct cFlagField {
  const char* name;
  bool cKeltoGameCritter::*member;
};
const cFlagField kCritterFlags[] = {
    {"aware", &cKeltoGameCritter::aware},     {"nocturnal", &cKeltoGameCritter::nocturnal},
    {"attack_avatar", &cKeltoGameCritter::attack_avatar}, {"hidden", &cKeltoGameCritter::hidden},
    {"in_nest", &cKeltoGameCritter::in_nest},
};

constexpr size_t kMostKnownPlants = 3;
constexpr int kMostAdvances = 1000000;

// The objects lists, by the name a save gives them.
template <typename T>
json WriteList(const std::vector<T*>& list, json (*write)(const T&, const cObjectIndex&), const cObjectIndex& index) {
  json out = json::array();
  for (const T* object : list) out.push_back(write(*object, index));
  return out;
}

template <typename T>
void CreateList(const cSaveNode& node, size_t most, std::vector<T*>& list, cKeltoGameWorld& world) {
  const size_t count = node.Count(most);
  for (size_t i = 0; i < count; ++i) {
    list.push_back(new T);
    world.objects.push_back(list.back());  // owned from here on; the real order comes later
  }
}

void WritePlace(json& out, const cKeltoGameObject& object) {
  out["position"] = WriteVector(object.position, "a position");
  out["heading"] = FloatValue(object.heading, "a heading");
}

void ReadPlace(const cSaveNode& node, cKeltoGameObject& object) {
  object.position = ReadPosition(node["position"]);
  object.heading = node["heading"].Float();
}

json WritePlant(const cKeltoGamePlant& plant, const cObjectIndex&) {
  json out;
  WritePlace(out, plant);
  return out;
}

json WriteNest(const cKeltoGameNest& nest, const cObjectIndex&) {
  json out;
  WritePlace(out, nest);
  return out;
}

json WriteCarcass(const cKeltoGameCarcass& carcass, const cObjectIndex& index) {
  json out;
  WritePlace(out, carcass);
  out["food"] = FloatValue(carcass.food, "a carcass's food");
  out["created_ms"] = carcass.created_ms;
  out["carrier"] = index.Critter(carcass.carrier);
  return out;
}

void ReadCarcass(const cSaveNode& node, cKeltoGameCarcass& carcass, const cObjectTable& table) {
  ReadPlace(node, carcass);
  carcass.food = node["food"].Float();
  carcass.created_ms = node["created_ms"].Uint32();
  carcass.carrier = table.Critter(node["carrier"], true);
}

json WriteCritter(const cKeltoGameCritter& critter, const cObjectIndex& index) {
  json out;
  out["position"] = WriteVector(critter.position, "a critter's position");
  out["target"] = WriteVector(critter.target, "a critter's target");
  out["screen_position"] = WriteVector(critter.screen_position, "a critter's screen position");
  for (const cFloatField& field : kCritterFloats) out[field.name] = FloatValue(critter.*field.member, field.name);
  for (const cFlagField& field : kCritterFlags) out[field.name] = critter.*field.member;
  out["perception"] = json::array();
  for (float range : critter.perception) out["perception"].push_back(FloatValue(range, "perception"));
  out["advance_counts"] = critter.advance_counts;
  out["state"] = critter.state;
  out["species"] = critter.species;
  out["cover_exit_ms"] = critter.cover_exit_ms ? json(*critter.cover_exit_ms) : json(nullptr);
  out["carried"] = index.InList(critter.carried);
  out["prey"] = index.Critter(critter.prey);
  out["neighbours"] = json::array();
  for (const cKeltoGameCritter* other : critter.neighbours) out["neighbours"].push_back(index.Critter(other));
  out["known_plants"] = json::array();
  for (const cKeltoGamePlant* plant : critter.known_plants) out["known_plants"].push_back(index.InList(plant));
  return out;
}

void ReadCritter(const cSaveNode& node, cKeltoGameCritter& critter, const cObjectTable& table, int speciesCount,
                 size_t crittersInWorld) {
  critter.position = ReadPosition(node["position"]);
  critter.target = ReadPosition(node["target"]);
  critter.screen_position = ReadVector(node["screen_position"]);
  for (const cFloatField& field : kCritterFloats) critter.*field.member = node[field.name].Float();
  for (const cFlagField& field : kCritterFlags) critter.*field.member = node[field.name].Bool();
  const cSaveNode perception = node["perception"];
  if (perception.Count(3) != 3) perception.Fail("does not hold 3 ranges");
  for (size_t i = 0; i < 3; ++i) critter.perception[i] = perception.At(i).Float();
  const cSaveNode counts = node["advance_counts"];
  if (counts.Count(kAdvanceRows) != kAdvanceRows) counts.Fail("does not hold 7 counts");
  for (size_t i = 0; i < kAdvanceRows; ++i) critter.advance_counts[i] = static_cast<int>(counts.At(i).Integer(0, kMostAdvances));
  const cSaveNode state = node["state"];
  critter.state = static_cast<int>(state.Integer(INT32_MIN, INT32_MAX));
  if (critter.state < kStateFlocking || critter.state > kStateGoingHome) {
    state.Fail("is " + std::to_string(critter.state) + ", not a critter state");
  }
  const cSaveNode species = node["species"];
  critter.species = static_cast<int>(species.Integer(INT32_MIN, INT32_MAX));
  if (critter.species < 0 || critter.species >= speciesCount) {
    species.Fail("is " + std::to_string(critter.species) + ", not a species (0.." + std::to_string(speciesCount - 1) + ")");
  }
  const cSaveNode coverExit = node["cover_exit_ms"];
  if (!coverExit.IsNull()) critter.cover_exit_ms = coverExit.Uint32();
  critter.carried = table.Carcass(node["carried"], true);
  critter.prey = table.Critter(node["prey"], true);
  const cSaveNode neighbours = node["neighbours"];
  const size_t neighbourCount = neighbours.Count(crittersInWorld + 1);
  for (size_t i = 0; i < neighbourCount; ++i) critter.neighbours.push_back(table.Critter(neighbours.At(i), false));
  const cSaveNode plants = node["known_plants"];
  const size_t plantCount = plants.Count(kMostKnownPlants);
  for (size_t i = 0; i < plantCount; ++i) critter.known_plants.push_back(table.Plant(plants.At(i)));
}

json WriteFight(const cFight& fight, const cObjectIndex& index) {
  return {{"a", index.Critter(fight.a)},
          {"b", index.Critter(fight.b)},
          {"attacker", index.Critter(fight.attacker)},
          {"centre", WriteVector(fight.centre, "a fight's centre")},
          {"done", fight.done},
          {"turn", fight.turn},
          {"last_round_ms", fight.last_round_ms}};
}

cFight ReadFight(const cSaveNode& node, const cObjectTable& table) {
  cFight fight;
  fight.a = table.Critter(node["a"], false);
  fight.b = table.Critter(node["b"], false);
  if (fight.a == fight.b) node["b"].Fail("is the fight's other side too");
  fight.attacker = table.Critter(node["attacker"], true);
  fight.centre = ReadVector(node["centre"]);
  fight.done = node["done"].Bool();
  fight.turn = static_cast<int>(node["turn"].Integer(-1, 1));
  fight.last_round_ms = node["last_round_ms"].Uint32();
  return fight;
}

// A record still running must name what it works on; an ended one may have lost it.
json WriteMeal(const cMeal& meal, const cObjectIndex& index) {
  return {{"food", index.InList(meal.food)},
          {"eater", index.Critter(meal.eater)},
          {"done", meal.done}};
}

cMeal ReadMeal(const cSaveNode& node, const cObjectTable& table) {
  cMeal meal;
  meal.done = node["done"].Bool();
  meal.food = table.Carcass(node["food"], meal.done);
  meal.eater = table.Critter(node["eater"], false);
  return meal;
}

json WriteNestVisit(const cNestVisit& visit, const cObjectIndex& index) {
  return {{"nest", index.Object(visit.nest)},
          {"visitor", index.Critter(visit.visitor)},
          {"last_run_ms", visit.last_run_ms},
          {"done", visit.done}};
}

cNestVisit ReadNestVisit(const cSaveNode& node, const cObjectTable& table) {
  cNestVisit visit;
  visit.done = node["done"].Bool();
  visit.nest = table.Object(node["nest"], visit.done);
  visit.visitor = table.Critter(node["visitor"], false);
  visit.last_run_ms = node["last_run_ms"].Uint32();
  return visit;
}

template <typename T>
json WriteRecords(const std::list<T>& records, json (*write)(const T&, const cObjectIndex&), const cObjectIndex& index) {
  json out = json::array();
  for (const T& record : records) out.push_back(write(record, index));
  return out;
}

template <typename T>
void ReadRecords(const cSaveNode& node, std::list<T>& records, T (*read)(const cSaveNode&, const cObjectTable&),
                 const cObjectTable& table) {
  const size_t count = node.Count(kMostSavedEntries);
  for (size_t i = 0; i < count; ++i) records.push_back(read(node.At(i), table));
}

struct cCounterField {
  const char* name;
  long cWorldCounters::*member;
};
const cCounterField kCounters[] = {
    {"fights_started", &cWorldCounters::fights_started}, {"critter_deaths", &cWorldCounters::critter_deaths},
    {"avatar_starved", &cWorldCounters::avatar_starved}, {"avatar_killed", &cWorldCounters::avatar_killed},
    {"avatar_other_deaths", &cWorldCounters::avatar_other_deaths}, {"avatar_kills", &cWorldCounters::avatar_kills},
    {"avatar_meals", &cWorldCounters::avatar_meals},
};

json WriteCounters(const cWorldCounters& counters) {
  json out;
  for (const cCounterField& field : kCounters) out[field.name] = counters.*field.member;
  out["deaths_by_species"] = counters.deaths_by_species;
  out["last_avatar_death"] = static_cast<int>(counters.last_avatar_death);
  return out;
}

cWorldCounters ReadCounters(const cSaveNode& node, int speciesCount) {
  cWorldCounters counters;
  for (const cCounterField& field : kCounters) counters.*field.member = node[field.name].Integer(0, INT64_MAX);
  const cSaveNode deaths = node["deaths_by_species"];
  const size_t count = deaths.Count(static_cast<size_t>(speciesCount));
  for (size_t i = 0; i < count; ++i) counters.deaths_by_species.push_back(deaths.At(i).Integer(0, INT64_MAX));
  counters.last_avatar_death =
      static_cast<eAvatarDeath>(node["last_avatar_death"].Integer(0, static_cast<int>(eAvatarDeath::kOther)));
  return counters;
}

// The objects list holds every object but the avatar exactly once, in the saved order.
void ReadObjectOrder(const cSaveNode& node, cKeltoGameWorld& world, const cObjectTable& table) {
  const size_t count = node.Count(world.objects.size());
  if (count != world.objects.size()) {
    node.Fail("has " + std::to_string(count) + " entries, not the " + std::to_string(world.objects.size()) +
              " objects of the lists");
  }
  std::unordered_map<const cKeltoGameObject*, bool> seen;
  std::vector<cKeltoGameObject*> order;
  for (size_t i = 0; i < count; ++i) {
    cKeltoGameObject* object = table.Object(node.At(i), false);
    if (object == world.avatar) node.At(i).Fail("names the avatar, which is in no objects list");
    if (seen[object]) node.At(i).Fail("names an object a second time");
    seen[object] = true;
    order.push_back(object);
  }
  world.objects = std::move(order);
}
}  // namespace

void WriteWorld(const cKeltoGameWorld& world, json& out) {
  const cObjectIndex index(world);
  out["plants"] = WriteList(world.plants, WritePlant, index);
  out["carcasses"] = WriteList(world.carcasses, WriteCarcass, index);
  out["nests"] = WriteList(world.nests, WriteNest, index);
  out["critters"] = WriteList(world.critters, WriteCritter, index);
  out["avatar"] = WriteCritter(*world.avatar, index);
  out["objects"] = json::array();
  for (const cKeltoGameObject* object : world.objects) out["objects"].push_back(index.Object(object));
  out["motive_clock_ms"] = world.motive_clock_ms;
  out["fights"] = WriteRecords(world.fights, WriteFight, index);
  out["meals"] = WriteRecords(world.meals, WriteMeal, index);
  out["nest_visits"] = WriteRecords(world.nest_visits, WriteNestVisit, index);
  out["counters"] = WriteCounters(world.counters);
  WriteHistory(world.history, out);
}

std::unique_ptr<cKeltoGameWorld> ReadWorld(const cSaveNode& node, int speciesCount) {
  auto world = std::make_unique<cKeltoGameWorld>();
  CreateList(node["plants"], kMostSavedEntries, world->plants, *world);
  CreateList(node["carcasses"], kMostSavedEntries, world->carcasses, *world);
  CreateList(node["nests"], kMostSavedEntries, world->nests, *world);
  CreateList(node["critters"], kMostCritters, world->critters, *world);
  world->avatar = new cKeltoGameCritter;
  world->avatar->is_avatar = true;
  if (world->nests.empty()) node["nests"].Fail("is empty, but the avatar needs its nest");
  const cObjectTable table(*world);
  const cSaveNode plants = node["plants"], carcasses = node["carcasses"], nests = node["nests"];
  const cSaveNode critters = node["critters"];
  for (size_t i = 0; i < world->plants.size(); ++i) ReadPlace(plants.At(i), *world->plants[i]);
  for (size_t i = 0; i < world->carcasses.size(); ++i) ReadCarcass(carcasses.At(i), *world->carcasses[i], table);
  for (size_t i = 0; i < world->nests.size(); ++i) ReadPlace(nests.At(i), *world->nests[i]);
  const size_t crittersInWorld = world->critters.size();
  for (size_t i = 0; i < crittersInWorld; ++i) {
    ReadCritter(critters.At(i), *world->critters[i], table, speciesCount, crittersInWorld);
  }
  ReadCritter(node["avatar"], *world->avatar, table, speciesCount, crittersInWorld);
  ReadObjectOrder(node["objects"], *world, table);
  world->motive_clock_ms = node["motive_clock_ms"].Uint32();
  ReadRecords(node["fights"], world->fights, ReadFight, table);
  ReadRecords(node["meals"], world->meals, ReadMeal, table);
  ReadRecords(node["nest_visits"], world->nest_visits, ReadNestVisit, table);
  world->counters = ReadCounters(node["counters"], speciesCount);
  world->history.SetDays(*world, ReadHistory(node, speciesCount, world->counters));
  return world;
}
