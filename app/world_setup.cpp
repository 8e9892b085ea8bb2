// World setup: terrain, configuration, home sites, plant sites, plants, critters, avatar and
// nest, in this order, because the order of random draws makes a seed reproduce a world.
#include "app/world_setup.h"

#include <cstdio>
#include <vector>

#include "app/config.h"
#include "game/random.h"
#include "terrain/height_field.h"
#include "terrain/terrain_builder.h"
#include "world/geometry.h"
#include "world/species.h"
#include "world/world.h"

namespace {
constexpr int kHomeSitesPerSpecies = 6;
constexpr int kPlantSites = 50;
constexpr int kPlants = 500;
constexpr float kFullTurn = 6.28318f;
// On a usual terrain a land point takes a few draws. Past these limits the terrain is nearly
// all water and rock, and a search of the grid takes over so setup always ends.
constexpr int kLandDrawLimit = 10000;
constexpr int kPlantDrawLimit = 1000;

using cSiteList = std::vector<cVector>;

bool IsLandPoint(const cVector& p) { return TerrainClassAt(p.x, p.y, p.z) == kTerrainLand; }

// Without a single land cell nothing could ever be placed.
void EnsureLandCell() {
  cVector anywhere;
  if (NearestLandCellCentre(256.0f, 256.0f, anywhere)) return;
  gTerrainClasses[kTerrainCells / 2][kTerrainCells / 2] = kTerrainLand;
  std::printf("World setup: the terrain has no land cell; making cell [32][32] at the centre land\n");
  std::fflush(stdout);
}

cVector DrawLandPoint() {
  cVector point;
  for (int draw = 0; draw < kLandDrawLimit; ++draw) {
    point = RandomWorldPosition();
    if (IsLandPoint(point)) return point;
  }
  NearestLandCellCentre(point.x, point.z, point);
  return point;
}

// Six passes over the species, so each species' sites are numbered 0..5 in the order drawn.
std::vector<cSiteList> DrawHomeSites() {
  std::vector<cSiteList> sites(gConfig.num_species);
  for (int pass = 0; pass < kHomeSitesPerSpecies; ++pass)
    for (cSiteList& speciesSites : sites) speciesSites.push_back(DrawLandPoint());
  return sites;
}

cSiteList DrawPlantSites() {
  cSiteList sites;
  for (int i = 0; i < kPlantSites; ++i) sites.push_back(DrawLandPoint());
  return sites;
}

// Offsets go toward positive x and z only and are not wrapped: a plant may stand up to 40
// beyond the world's far edges, where the class query reads the edge cells.
cVector DrawPlantPoint(const cSiteList& sites) {
  for (int draw = 1;; ++draw) {
    const float dx = RandomScaled(40.0f);
    const float dz = RandomScaled(40.0f);
    const cVector& site = sites[NextRandom() % kPlantSites];
    const cVector point = site + cVector(dx, 0.0f, dz, 1.0f);
    if (IsLandPoint(point)) return point;
    if (draw == kPlantDrawLimit) return site;  // every site is a land point
  }
}

void PlacePlants(cKeltoGameWorld& world, const cSiteList& sites) {
  for (int i = 0; i < kPlants; ++i) {
    auto* plant = new cKeltoGamePlant;
    plant->SetPosition(DrawPlantPoint(sites));
    plant->SetHeading(RandomScaled(kFullTurn));
    world.objects.push_back(plant);
    world.plants.push_back(plant);
  }
}

// Species s is chosen with probability proportion / total: the first whose running total
// exceeds r. Configuration keeps the total positive, so the last species always qualifies.
int DrawSpecies() {
  const int r = NextRandom() % gSpeciesTable.back().proportion_sum;
  int species = 0;
  while (r >= gSpeciesTable[species].proportion_sum) ++species;
  return species;
}

void CopySpeciesTraits(cKeltoGameCritter& critter, const cSpeciesRecord& kind) {
  critter.attack = kind.attack;
  critter.defend = kind.defend;
  critter.walk_speed = kind.walk_speed;
  critter.run_speed = kind.run_speed;
  critter.attack_avatar = kind.attack_avatar;
  critter.nocturnal = kind.nocturnal;
  critter.perception[0] = kind.perception.x;
  critter.perception[1] = kind.perception.y;
  critter.perception[2] = kind.perception.z;
  critter.swim = kind.swim;
  critter.climb = kind.climb;
  critter.neighbor_distance = kind.neighbor_distance;
}

void ResetMotives(cKeltoGameCritter& critter) {
  critter.speed = 0.0f;
  critter.health = critter.energy = critter.hunger = 100.0f;
  critter.in_nest = false;
  critter.prey = nullptr;
  critter.carried = nullptr;
}

cKeltoGameCritter* CreateCritter(const std::vector<cSiteList>& homeSites) {
  auto* critter = new cKeltoGameCritter;
  critter->SetHeading(RandomScaled(kFullTurn));
  ResetMotives(*critter);
  critter->is_avatar = false;
  critter->species = DrawSpecies();
  const int site = NextRandom() % kHomeSitesPerSpecies;
  critter->target = RandomWorldPosition();  // not tested for land
  critter->SetPosition(SpawnPointNear(homeSites[critter->species][site]));
  critter->state = kStateFlocking;
  CopySpeciesTraits(*critter, gSpeciesTable[critter->species]);
  critter->aware = false;
  critter->hidden = false;
  critter->stealth = 1.0f;
  return critter;
}

void CreateCritters(cKeltoGameWorld& world, const std::vector<cSiteList>& homeSites) {
  for (int i = 0; i < gConfig.num_critters; ++i) {
    cKeltoGameCritter* critter = CreateCritter(homeSites);
    world.objects.push_back(critter);
    world.critters.push_back(critter);
  }
}

// The avatar takes its speeds, swim and climb from its species, but always starts with attack
// 60 and defend 40, and with no perception, nocturnal or aggressive traits. It belongs to
// neither `objects` nor `critters`.
void CreateAvatar(cKeltoGameWorld& world, const std::vector<cSiteList>& homeSites) {
  const int site = NextRandom() % kHomeSitesPerSpecies;
  const cVector start = SpawnPointNear(homeSites[gConfig.avatar_species][site]);
  auto* avatar = world.avatar = new cKeltoGameCritter;
  avatar->SetPosition(start);
  avatar->SetHeading(0.0f);
  ResetMotives(*avatar);
  avatar->is_avatar = true;
  avatar->stealth = 1.0f;
  avatar->species = gConfig.avatar_species;
  const cSpeciesRecord& kind = gSpeciesTable[gConfig.avatar_species];
  avatar->walk_speed = kind.walk_speed;
  avatar->run_speed = kind.run_speed;
  avatar->attack = 60.0f;
  avatar->defend = 40.0f;
  avatar->target = avatar->position;
  world.AddNest(avatar->position);
  avatar->swim = kind.swim;
  avatar->climb = kind.climb;
  avatar->neighbor_distance = 20.0f;
  avatar->state = kStateFlocking;
}
}  // namespace

void GenerateTerrain() {
  cHeightField heights;
  cDiamondSquareTerrainBuilder builder;
  builder.Build(heights);
  ClassifyTerrain(heights);
}

void PopulateWorld(cKeltoGameWorld& world) {
  ReadConfiguration();
  PlaceWorldObjects(world);
}

void PlaceWorldObjects(cKeltoGameWorld& world) {
  EnsureLandCell();
  const std::vector<cSiteList> homeSites = DrawHomeSites();
  const cSiteList plantSites = DrawPlantSites();
  PlacePlants(world, plantSites);
  CreateCritters(world, homeSites);
  CreateAvatar(world, homeSites);
}

void BuildWorld(cKeltoGameWorld& world) {
  GenerateTerrain();
  PopulateWorld(world);
}
