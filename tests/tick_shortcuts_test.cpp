// The tick's shortcuts give the answers of the plain computations they replace: squared
// distances against squared radii, the wrap by masks, terrain scans kept for a tick, plant offers
// measured once, neighbours tested before the list is compacted, the random draw seen ahead.
// The critter layout that keeps another critter's hot fields on one cache line is checked too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "game/random.h"
#include "tests/world_test_support.h"
#include "world/radius.h"
#include "world/senses.h"
#include "world/terrain_scans.h"

namespace {
using world_test::At;

// With a correctly rounded, never decreasing square root, checking the square and its two float
// neighbours proves d < r exactly when d² < r² (and the same for >) for every float d².
TEST(TickShortcutsTest, EveryRadiusComparesExactlyBySquares) {
  for (const cRadius r : {kNoticeRange, kTrunkRadius}) {
    SCOPED_TRACE(r.radius);
    EXPECT_EQ(static_cast<double>(r.squared), static_cast<double>(r.radius) * r.radius) << "square not exact";
    EXPECT_EQ(std::sqrt(r.squared), r.radius);
    EXPECT_LT(std::sqrt(std::nextafter(r.squared, 0.0f)), r.radius);
    EXPECT_GT(std::sqrt(std::nextafter(r.squared, std::numeric_limits<float>::infinity())), r.radius);
  }
}

TEST(TickShortcutsTest, SquaredDistanceIsTheDistanceBeforeItsRoot) {
  cKeltoGamePlant here;
  here.position = At(500.0f, 3.0f);
  for (const cVector& p : {At(4.0f, 7.5f), At(500.0f, 3.0f), At(250.0f, 260.0f), cVector(12.0f, 5.0f, 400.0f)}) {
    EXPECT_EQ(std::sqrt(WrappedDistanceSquared(here, p)), WrappedDistance(here, p));
  }
}

// The wrap as it has always been written, one branch at a time: the oracle for the masked lanes.
float PlainWrap(float d) {
  if (d < -256.0f) d += 512.0f;
  if (d > 256.0f) d -= 512.0f;
  return d;
}

// Bit for bit, signed zeros apart; any NaN matches any NaN (the arithmetic does not promise
// which NaN comes out, and the compiler may rewrite a - (-b) as a + b).
bool SameBits(float a, float b) { return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0; }

// Every pair of awkward coordinates (the wrap limits and their float neighbours, signed zeros,
// far outside the world, NaN) on each lane: the masked wrap gives the plain one's bits, and w is
// subtracted but never wrapped.
TEST(TickShortcutsTest, MaskedWrapGivesThePlainWrapsBits) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::vector<float> values = {0.0f, -0.0f, 1.0f, 255.5f, 511.0f, 512.0f, -300.0f, 900.0f, 1e30f, -1e30f, nan};
  for (float limit : {256.0f, -256.0f, 512.0f, 768.0f, -512.0f}) {
    values.push_back(limit);
    values.push_back(std::nextafter(limit, 0.0f));
    values.push_back(std::nextafter(limit, 2.0f * limit));
  }
  for (float a : values) {
    for (float b : values) {
      const cVector from(b, -b, 0.5f * b, b);
      const cVector d = WrappedDelta(from, cVector(a, a, a, a));
      const float expected[3] = {PlainWrap(a - from.x), PlainWrap(a - from.y), PlainWrap(a - from.z)};
      const float lanes[3] = {d.x, d.y, d.z};
      for (int lane = 0; lane < 3; ++lane) {
        EXPECT_TRUE(SameBits(lanes[lane], expected[lane])) << a << " - " << b << ", lane " << lane;
      }
      EXPECT_TRUE(SameBits(d.w, a - b)) << "w: " << a << " - " << b;
    }
  }
}

// The one-offer-at-a-time memory as it has always been written: the oracle for the batch.
void PlainRemember(std::vector<cKeltoGamePlant*>& known, const cKeltoGameCritter& critter, cKeltoGamePlant* plant) {
  if (std::find(known.begin(), known.end(), plant) != known.end()) return;
  if (known.size() < 3) {
    known.push_back(plant);
    return;
  }
  const float d = WrappedDistance(critter, plant->position);
  for (cKeltoGamePlant*& k : known) {
    if (WrappedDistance(critter, k->position) > d) {
      k = plant;
      return;
    }
  }
}

// Many critters, each offered batches of five drawn from a few plants (so repeats, equal
// distances and wrap-round all happen), remember what one-by-one offers would have left.
TEST(TickShortcutsTest, BatchedPlantOffersRememberWhatSingleOffersWould) {
  world_test::ResetSimulation(7);
  std::vector<cKeltoGamePlant*> plants;
  for (int i = 0; i < 12; ++i) plants.push_back(world_test::AddPlant(RandomWorldPosition()));
  plants.push_back(world_test::AddPlant(plants.front()->position));  // two plants on one spot
  for (int trial = 0; trial < 2000; ++trial) {
    cKeltoGameCritter critter;
    critter.position = trial % 3 == 0 ? plants[static_cast<size_t>(trial) % plants.size()]->position : RandomWorldPosition();
    // Now and then a longer list than the game makes, as a hand-made save may hold.
    if (trial % 7 == 0) critter.known_plants.assign(plants.begin() + 1, plants.begin() + 1 + trial % 4 + 3);
    std::vector<cKeltoGamePlant*> oracle = critter.known_plants;
    for (int batch = 0; batch < 4; ++batch) {
      cKeltoGamePlant* offers[5];
      for (cKeltoGamePlant*& offer : offers) offer = plants[static_cast<size_t>(NextRandom()) % plants.size()];
      critter.RememberPlants(offers, 5);
      for (cKeltoGamePlant* offer : offers) PlainRemember(oracle, critter, offer);
      ASSERT_EQ(critter.known_plants, oracle) << "trial " << trial << " batch " << batch;
    }
  }
  world_test::ResetSimulation();
}

// The pass that drops an entry by moving the last one into its place, testing that one next.
void PlainPrune(std::vector<cKeltoGameCritter*>& list, const cKeltoGameCritter& critter) {
  for (size_t i = 0; i < list.size();) {
    const cKeltoGameCritter* n = list[i];
    if (n->in_nest || WrappedDistance(critter, n->position) > 25.0f || n->state == kStateSleeping) {
      list[i] = list.back();
      list.pop_back();
    } else {
      ++i;
    }
  }
}

// Lists of every length up to 70, as long as the avatar's in a crowd, with neighbours in the
// nest, asleep, just inside and just outside the range and across the world's edge, come out
// as the one-pass prune and its random flock-mate swap leave them, in the same order, with the
// same draws taken.
TEST(TickShortcutsTest, PruningKeepsWhatTheOnePassPruneKeeps) {
  world_test::ResetSimulation(11);
  world_test::AddSpecies(1.0f, 2.0f);
  std::vector<cKeltoGameCritter*> others;
  for (int i = 0; i < 80; ++i) {
    const float angle = RandomScaled(6.2831853f);
    const float reach = i % 5 == 0 ? std::nextafter(25.0f, 30.0f) : i % 5 == 1 ? 25.0f : RandomScaled(40.0f);
    cKeltoGameCritter* other = world_test::AddCritter(
        At(WrapCoordinate(5.0f + reach * std::sin(angle)), WrapCoordinate(500.0f + reach * std::cos(angle))));
    other->in_nest = i % 11 == 3;
    if (i % 9 == 4) other->state = kStateSleeping;
    others.push_back(other);
  }
  cKeltoGameCritter critter;
  critter.position = At(5.0f, 500.0f);
  for (size_t length = 0; length <= 70; ++length) {
    std::vector<cKeltoGameCritter*> list;
    for (size_t k = 0; k < length; ++k) list.push_back(others[static_cast<size_t>(NextRandom()) % others.size()]);
    critter.neighbours = list;
    const uint32_t before = RandomState();
    critter.PruneNeighbours();
    const uint32_t after = RandomState();

    SeedRandom(before);
    std::vector<cKeltoGameCritter*> oracle = list;
    PlainPrune(oracle, critter);
    if (oracle.size() > kFlockMates) {
      const size_t mate = static_cast<size_t>(NextRandom()) % kFlockMates;
      const size_t other = kFlockMates + static_cast<size_t>(NextRandom()) % (oracle.size() - kFlockMates);
      if (WrappedDistance(critter, oracle[mate]->position) > WrappedDistance(critter, oracle[other]->position)) {
        std::swap(oracle[mate], oracle[other]);
      }
    }
    EXPECT_EQ(critter.neighbours, oracle) << "length " << length;
    EXPECT_EQ(RandomState(), after) << "length " << length;
  }
  world_test::ResetSimulation();
}

// What one terrain scan gave: the vector and the blocked directions it left, bit for bit.
std::string ScanOutcome(const cKeltoGameCritter& critter) {
  const cVector away = TerrainAvoidance(&critter);
  std::string bits(reinterpret_cast<const char*>(&away), sizeof away);
  bits.append(reinterpret_cast<const char*>(gBlockedDirections.entries), gBlockedDirections.count * sizeof(cVector));
  return bits;
}

// Inside a tick every critter kind, at every cell of a world with lakes, ridges and a river
// across the edge, gets from the kept answers (the first scan of its cell, then the recall) what
// the plain scan gives outside a tick; a grid changed between ticks is scanned afresh.
TEST(TickShortcutsTest, KeptTerrainScansGiveThePlainScan) {
  world_test::BuildSampleWorld(3, 0);
  cKeltoGameCritter critter;
  const std::pair<float, float> kinds[] = {{0.0f, 0.0f}, {0.5f, 0.0f}, {0.0f, 0.7f}, {0.5f, 0.7f}};
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "the sample world" : "after a lake was drained and a ridge raised");
    std::vector<std::string> plain;
    for (int pass = 0; pass < 3; ++pass) {  // outside a tick, then twice inside one
      const std::optional<cTerrainScanTick> tick = pass == 0 ? std::nullopt : std::make_optional<cTerrainScanTick>();
      size_t i = 0;
      for (auto [climb, swim] : kinds) {
        critter.climb = climb, critter.swim = swim;
        for (float x = 1.0f; x < 512.0f; x += 4.0f) {
          for (float z = 3.0f; z < 512.0f; z += 4.0f) {
            critter.position = At(x, z);
            if (pass == 0) {
              plain.push_back(ScanOutcome(critter));
            } else {
              ASSERT_EQ(ScanOutcome(critter), plain[i]) << "pass " << pass << " at " << x << ", " << z;
            }
            ++i;
          }
        }
      }
    }
    for (int x = 10; x <= 17; ++x) std::fill(gTerrainClasses[x] + 10, gTerrainClasses[x] + 22, kTerrainLand);
    for (int x = 60; x <= 63; ++x) std::fill(gTerrainClasses[x], gTerrainClasses[x] + 3, kTerrainSteep);
  }
  world_test::ResetSimulation();
}

TEST(TickShortcutsTest, PeekingSeesTheComingDrawsWithoutTakingThem) {
  SeedRandom(12345);
  const int ahead[4] = {PeekRandom(0), PeekRandom(1), PeekRandom(2), PeekRandom(3)};
  for (int expected : ahead) EXPECT_EQ(NextRandom(), expected);
  SeedRandom(1);
}

// Position, state, species, in_nest, attack_avatar and the neighbour list (what the tick reads
// of other critters and first of each critter) share the first cache line of a critter.
TEST(TickShortcutsTest, HotFieldsShareTheCrittersFirstCacheLine) {
  EXPECT_EQ(alignof(cKeltoGameCritter) % 64, 0u);
  const cKeltoGameCritter critter;
  const char* start = reinterpret_cast<const char*>(&critter);
  auto endOf = [start](const auto& field) { return reinterpret_cast<const char*>(&field) + sizeof field - start; };
  for (long end : {endOf(critter.position), endOf(critter.state), endOf(critter.species), endOf(critter.in_nest),
                   endOf(critter.attack_avatar), endOf(critter.neighbours)}) {
    EXPECT_LE(end, 64);
  }
}
}  // namespace
