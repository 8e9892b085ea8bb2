// What the HUD shows, without a window: motive bar colours at their single-precision
// thresholds, the nest-building progress, the fighters' captions, and object colours that
// tell the player something (a carcass about to decay, a critter under cover).
#include <gtest/gtest.h>

#include <ostream>

#include "render/hud_rules.h"
#include "render/object_colours.h"
#include "world_test_support.h"

// Failure messages show colours as r,g,b.
std::ostream& operator<<(std::ostream& out, const cColour& c) {
  return out << c.r << "," << c.g << "," << c.b;
}

namespace {
using namespace world_test;

const cColour kGreen{0, 1, 0}, kYellow{1, 1, 0}, kRed{1, 0, 0}, kWhite{1, 1, 1};

TEST(MotiveBar, ColourChangesAtTheSinglePrecisionThresholds) {
  // 67 * 0.01 in single precision lies just below 0.67, 33 * 0.01 just below 0.33.
  struct { float motive; cColour colour; } cases[] = {
      {150, kGreen}, {100, kGreen}, {68, kGreen}, {67, kYellow},
      {34, kYellow}, {33, kRed},    {0, kRed},    {-20, kRed}};
  for (const auto& c : cases) {
    EXPECT_EQ(MotiveBarColour(MotiveFraction(c.motive)), c.colour) << "motive " << c.motive;
  }
}

TEST(NestBuildingBar, FillsHalfTheWindowOverTenSecondsAndKeepsGrowing) {
  struct { uint32_t now, start; float pixels; } cases[] = {
      {1000, 1000, 0}, {6000, 1000, 200}, {11000, 1000, 400}, {16000, 1000, 600},
      {3000000000u, 3000000000u, 0}, {1000, 0xFFFFFFFFu - 3999, 200}};
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(NestBuildProgress(c.now, c.start, 800.0f), c.pixels) << c.now;
  }
}

class HudWorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSimulation();
    AddSpecies(1.0f, 3.0f).color = cVector(0.2f, 0.4f, 0.8f);
    avatar = AddAvatar(At(10.0f, 10.0f));
  }
  void TearDown() override { UseRealTime(); }

  cKeltoGameCritter* avatar = nullptr;
};

TEST_F(HudWorldTest, CarcassTurnsBlackInItsLastFiveSecondsAlsoWhileCarried) {
  const cColour black{0, 0, 0}, grey{0.4f, 0.4f, 0.4f}, orange{1, 0.6f, 0};
  // With a life of 60000 ms; late clocks and the wrap at 2^32 count the age as it is.
  struct { uint32_t created, now; bool carried; cColour colour; } cases[] = {
      {1000, 1000, false, orange},  {1000, 55999, false, orange}, {1000, 56000, false, orange},
      {1000, 56001, false, black},  {1000, 70000, false, black},  {1000, 30000, true, grey},
      {1000, 56001, true, black},   {3000000000u, 3000010000u, false, orange},
      {3000000000u, 3000060000u, false, black}, {0xFFFFFFFFu - 9999, 45000, false, orange},
      {0xFFFFFFFFu - 9999, 45001, false, black}};
  for (const auto& c : cases) {
    cKeltoGameCarcass carcass;
    carcass.created_ms = c.created;
    carcass.carrier = c.carried ? avatar : nullptr;
    EXPECT_EQ(CarcassColour(carcass, c.now, 60000.0f), c.colour)
        << "at " << c.now << " carried " << c.carried;
  }
}

TEST_F(HudWorldTest, CrittersShowSpeciesOrCoverAndCaptionsAndDebugLinesMarkPreyAndCover) {
  EXPECT_STREQ(FighterCaption(*avatar), "Avatar");
  EXPECT_STREQ(FighterCaption(*AddCritter(At(12.0f, 10.0f))), "Critter");
  cKeltoGameCritter* hunter = AddCritter(At(505.0f, 20.0f));
  cKeltoGameCritter* prey = AddCritter(At(508.0f, 20.0f));
  EXPECT_EQ(CritterBodyColour(*hunter), (cColour{0.2f, 0.4f, 0.8f}));
  hunter->hidden = true;
  EXPECT_EQ(CritterBodyColour(*hunter), (cColour{0.2f, 0.2f, 0.2f}));
  hunter->prey = prey;
  EXPECT_EQ(NeighbourLineColour(*hunter, *prey), (cColour{1, 0, 1}));
  EXPECT_EQ(NeighbourLineColour(*hunter, *AddCritter(At(495.0f, 20.0f))), kWhite);
  // Cover is measured the short way round the wrapping world.
  EXPECT_EQ(KnownPlantLineColour(*hunter, *AddPlant(At(3.0f, 20.0f)), 12.0f), kGreen);  // 10 away
  EXPECT_EQ(KnownPlantLineColour(*hunter, *AddPlant(At(470.0f, 20.0f)), 12.0f), kRed);
}

}  // namespace
