// A new world in the running game: N asks, a second N within three seconds builds it, and the
// world built in place over a game in full swing is the world a fresh process starts from the
// same seed, field by field, and stays so as both play on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_speed.h"
#include "fresh_world.h"
#include "world_snapshot.h"
#include "world_test_support.h"

namespace {
using namespace world_test;
using world_snapshot::FirstDifference;
using world_snapshot::GameSnapshot;

constexpr uint32_t kOldWorldStartMs = 7000;
constexpr uint32_t kFirstNMs = 90000;

class NewWorldTest : public cShippedGameTest {
 protected:
  static void PressN(uint32_t atMs) {
    SetManualTime(atMs);
    OnKeyboard('n', 0, 0);
  }

  // The old world with everything under way that must not survive it: at x8, a fight of the
  // avatar's, a meal, a carried carcass, a nest visit, nest building, a hovered carcass, a drag,
  // the evolution dialog open with an advance in it, help, a death notice, the follow view with
  // a curved horizon, and paused.
  static void PlayAnOldWorldInFullSwing() {
    SetManualTime(kOldWorldStartMs);
    StartWorld(5);
    SetGameSpeed(8);
    fresh_world::PlayFrames(kOldWorldStartMs, 200);
    cKeltoGameCritter* avatar = gWorld->GetAvatar();
    avatar->health = 0.0f;  // a death, for its notice
    fresh_world::PlayFrames(kOldWorldStartMs + 200 * fresh_world::kFrameMs, 2);
    cKeltoGameCarcass* meal = gWorld->AddCarcass(avatar->position + cVector(1.0f, 0.0f, 0.0f, 0.0f));
    cKeltoGameCarcass* carried = gWorld->AddCarcass(avatar->position);
    carried->carrier = avatar;
    avatar->carried = carried;
    gWorld->StartMeal(avatar, meal);
    gWorld->StartNestVisit(avatar, gWorld->nests.front());
    cKeltoGameCritter* foe = gWorld->critters.front();
    foe->position = avatar->position + cVector(2.0f, 0.0f, 0.0f, 0.0f);
    foe->state = kStateFlocking;
    gWorld->StartFight(avatar, foe);
    gGameState.hoveredObject = meal;
    BuildNest();
    OnMouseButton(kLeftButton, kButtonDown, 420, 320);
    OpenEvolutionDialog();
    advance_history.push_back(2);
    avatar->advance_counts[2] = 1;
    for (char key : {'h', 'c', 'f', '=', 'p'}) OnKeyboard(static_cast<unsigned char>(key), 0, 0);
    ASSERT_FALSE(gWorld->fights.empty());
    ASSERT_FALSE(gWorld->meals.empty());
    ASSERT_FALSE(gWorld->nest_visits.empty());
    ASSERT_TRUE(gNotices.deathShowing || gWorld->counters.AvatarDeaths() > 0);
  }

  // The same seed started by a process that has done nothing else, played `frames` frames.
  static std::string FreshStart(uint32_t seed, uint32_t startMs, int frames) {
    const std::string file = std::filesystem::absolute("fresh_snapshot.txt");
    const std::string command = std::string(ZOMA_BINARY_DIR) + "/tests/fresh_world " + std::to_string(seed) + " " +
                                std::to_string(startMs) + " " + std::to_string(frames) + " " + file + " > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
  }
};

TEST_F(NewWorldTest, TheFirstNAsksForThreeSecondsAndOnlyASecondWithinThemBuilds) {
  SetManualTime(kOldWorldStartMs);
  StartWorld(5);
  PressN(kFirstNMs);
  EXPECT_EQ(NewWorldQuestionLines(kFirstNMs + 2999), std::vector<std::string>{"Press N again for a new world"});
  EXPECT_TRUE(NewWorldQuestionLines(kFirstNMs + 3000).empty());
  EXPECT_TRUE(CloseRunOutNewWorldQuestion(kFirstNMs + 2999)) << "still asked: keep drawing";
  EXPECT_TRUE(gNotices.newWorldAsked);
  EXPECT_TRUE(CloseRunOutNewWorldQuestion(kFirstNMs + 3000)) << "one more frame draws its going";
  EXPECT_FALSE(CloseRunOutNewWorldQuestion(kFirstNMs + 3001));
  PressN(kFirstNMs + 4000);
  EXPECT_EQ(WorldSeed(), 5u) << "a closed question is asked afresh";
  PressN(kFirstNMs + 7000);
  EXPECT_EQ(WorldSeed(), 5u) << "too late: it asks again";
  PressN(kFirstNMs + 9999);
  EXPECT_EQ(WorldSeed(), kFirstNMs + 9999) << "a new seed from the time source";
  EXPECT_TRUE(NewWorldQuestionLines(kFirstNMs + 10000).empty()) << "the question is gone with the old world";
  PressN(kFirstNMs + 10001);
  EXPECT_EQ(WorldSeed(), kFirstNMs + 9999) << "the next N asks afresh";
}

TEST_F(NewWorldTest, AWorldBuiltInPlaceIsAFreshStartFromTheSameSeed) {
  PlayAnOldWorldInFullSwing();
  PressN(kFirstNMs);
  const uint32_t builtAt = kFirstNMs + 1500;
  PressN(builtAt);
  ASSERT_EQ(WorldSeed(), builtAt);
  EXPECT_EQ(FirstDifference(GameSnapshot(), FreshStart(builtAt, builtAt, 0)), "");

  fresh_world::PlayFrames(builtAt, 1500);
  EXPECT_EQ(FirstDifference(GameSnapshot(), FreshStart(builtAt, builtAt, 1500)), "") << "after 1500 frames";
}
}  // namespace

