// What the HUD shows, without a window: motive bar colours at their single-precision
// thresholds, the nest-building progress, the fighters' captions, and object colours that
// tell the player something (a carcass about to decay, a critter under cover).
#include <gtest/gtest.h>

#include <string>

#include "render/hud_rules.h"
#include "render/object_colours.h"
#include "world_test_support.h"

namespace {
using namespace world_test;

const cColour kGreen{0.0f, 1.0f, 0.0f};
const cColour kYellow{1.0f, 1.0f, 0.0f};
const cColour kRed{1.0f, 0.0f, 0.0f};
const cColour kBlack{0.0f, 0.0f, 0.0f};
const cColour kGrey{0.4f, 0.4f, 0.4f};
const cColour kOrange{1.0f, 0.6f, 0.0f};

std::string Describe(const cColour& c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

TEST(MotiveBar, ColourChangesAtTheSinglePrecisionThresholds) {
  // 67 * 0.01 in single precision lies just below 0.67, 33 * 0.01 just below 0.33.
  const struct {
    float motive;
    cColour colour;
  } cases[] = {{150, kGreen}, {100, kGreen}, {68, kGreen}, {67, kYellow}, {34, kYellow},
               {33, kRed},    {0, kRed},     {-20, kRed}};
  for (const auto& c : cases) {
    const cColour colour = MotiveBarColour(MotiveFraction(c.motive));
    EXPECT_EQ(colour, c.colour) << "motive " << c.motive << " drew " << Describe(colour);
  }
}

TEST(NestBuildingBar, FillsHalfTheWindowOverTenSecondsAndKeepsGrowing) {
  const struct {
    uint32_t now;
    float start;
    float pixels;
  } cases[] = {{1000, 1000.0f, 0.0f}, {6000, 1000.0f, 200.0f}, {11000, 1000.0f, 400.0f},
               {16000, 1000.0f, 600.0f}, {3000000000u, 3000000000.0f, 0.0f}};
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(NestBuildProgress(c.now, c.start, 800.0f), c.pixels) << c.now;
  }
}

class HudWorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSimulation();
    cSpeciesRecord& species = AddSpecies(1.0f, 3.0f);
    species.color = cVector(0.2f, 0.4f, 0.8f);
    avatar = AddAvatar(At(10.0f, 10.0f));
  }
  void TearDown() override { UseRealTime(); }

  cKeltoGameCritter* avatar = nullptr;
};

TEST_F(HudWorldTest, FighterPanelsNameTheAvatar) {
  cKeltoGameCritter* critter = AddCritter(At(12.0f, 10.0f));
  EXPECT_STREQ(FighterCaption(*avatar), "Avatar");
  EXPECT_STREQ(FighterCaption(*critter), "Critter");
}

TEST_F(HudWorldTest, CarcassWarnsInItsLastFiveSeconds) {
  // Created at 1000 with a life of 60000 ms: decays at 61000.
  const struct {
    uint32_t now;
    bool carried;
    cColour colour;
  } cases[] = {{1000, false, kOrange},  {55999, false, kOrange}, {56000, false, kOrange},
               {56001, false, kBlack},  {70000, false, kBlack},  {30000, true, kGrey},
               {56001, true, kBlack}};
  for (const auto& c : cases) {
    cKeltoGameCarcass carcass;
    carcass.created_ms = 1000.0f;
    carcass.carrier = c.carried ? avatar : nullptr;
    const cColour colour = CarcassColour(carcass, c.now, 60000.0f);
    EXPECT_EQ(colour, c.colour) << "at " << c.now << (c.carried ? " carried" : "") << " drew "
                                << Describe(colour);
  }
}

TEST_F(HudWorldTest, CarcassAgeSurvivesAClockPastTwoToTheThirtyOne) {
  cKeltoGameCarcass carcass;
  carcass.created_ms = 3000000000.0f;
  EXPECT_EQ(CarcassColour(carcass, 3000010000u, 60000.0f), kOrange);
  EXPECT_EQ(CarcassColour(carcass, 3000060000u, 60000.0f), kBlack);
}

TEST_F(HudWorldTest, CrittersShowTheirSpeciesUnlessUnderCover) {
  cKeltoGameCritter* critter = AddCritter(At(20.0f, 20.0f));
  EXPECT_EQ(CritterBodyColour(*critter), (cColour{0.2f, 0.4f, 0.8f}));
  critter->hidden = true;
  EXPECT_EQ(CritterBodyColour(*critter), (cColour{0.2f, 0.2f, 0.2f}));
}

TEST_F(HudWorldTest, DebugLinesMarkPreyAndCover) {
  cKeltoGameCritter* hunter = AddCritter(At(505.0f, 20.0f));
  cKeltoGameCritter* prey = AddCritter(At(508.0f, 20.0f));
  cKeltoGameCritter* other = AddCritter(At(495.0f, 20.0f));
  hunter->prey = prey;
  EXPECT_EQ(NeighbourLineColour(*hunter, *prey), (cColour{1.0f, 0.0f, 1.0f}));
  EXPECT_EQ(NeighbourLineColour(*hunter, *other), (cColour{1.0f, 1.0f, 1.0f}));
  // Cover is measured the short way round the wrapping world.
  cKeltoGamePlant* nearAcrossTheEdge = AddPlant(At(3.0f, 20.0f));  // 10 away
  cKeltoGamePlant* far = AddPlant(At(470.0f, 20.0f));
  EXPECT_EQ(KnownPlantLineColour(*hunter, *nearAcrossTheEdge, 12.0f), kGreen);
  EXPECT_EQ(KnownPlantLineColour(*hunter, *far, 12.0f), kRed);
}

}  // namespace
