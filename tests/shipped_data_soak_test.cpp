// The soak with the shipped data/: its ZOMA.ini and its own seven scripts, the game's start-up
// and the frame's own tick schedule, a scripted player at the mouse and keyboard (also changing
// speed, stepping while paused and asking for new worlds), and the world's invariants checked
// after every frame (one tick at x1, up to eight at x8). The game clock starts a minute before its
// 32-bit wrap, so every run crosses it. Whatever numbers data/ holds, only invariants are
// checked. The suite runs a short soak; ZOMA_SOAK_DAYS=60 runs the long one:
//   ZOMA_SOAK_DAYS=60 build/tests/zoma_tests --gtest_filter='ShippedDataSoak*'
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "app/frame_tick.h"
#include "app/game_speed.h"
#include "app/input.h"
#include "app/world_setup.h"
#include "platform/message_box.h"
#include "flat_window.h"
#include "scratch_folder.h"
#include "world/script_hooks.h"
#include "world_invariants.h"
#include "world_test_support.h"

namespace {
using namespace world_test;

constexpr uint32_t kFrameMs = 21;  // one tick per frame
constexpr uint32_t kStartMs = 0xFFFFFFFFu - 60000;
constexpr long kSuiteDays = 3;
constexpr int kDecideEvery = 10;    // frames between two of the player's moves
constexpr int kGoalFrames = 1500;   // about half a minute on each goal
constexpr float kActingDistance = 8.0f;  // a fight starts within 8; eating and carrying are nearer

struct cSoakFigures {
  long ticks = 0, clicks = 0, evolutions = 0, victories = 0, nestBuilds = 0, speedChanges = 0, steps = 0,
       newWorlds = 0;
  size_t maxCarcasses = 0;
};
cSoakFigures gFigures;

void CountVictory(const std::string& caption, const std::string&) {
  if (caption == "You Win") ++gFigures.victories;
}

long SoakDays() {
  const char* days = std::getenv("ZOMA_SOAK_DAYS");
  return days && std::atol(days) > 0 ? std::atol(days) : kSuiteDays;
}

enum class eGoal { kHunt, kEat, kCarry, kVisitNest, kStroll, kSteer, kBuildNest, kCount };

// The player: a goal for half a minute at a time, the pointer over the goal (or toward it at
// the window's edge, which also turns the view) and a click once it lies under the pointer;
// the evolution dialog answered; now and then (about every 19 days) a death by K. At random,
// whatever is under way: another speed, a pause with a few single ticks, or a new world (N
// twice, the second a few frames after the first).
class cScriptedPlayer {
 public:
  void Act(int frame) {
    if (frame == secondN_) {
      Key('n');
      ++gFigures.newWorlds;
    }
    if (frame % kDecideEvery != 0) return;
    PlayWithTime(frame);
    if (holding_ > 0 && (holding_ -= kDecideEvery) <= 0) Release();
    if (EvolutionDialogVisible()) return AnswerDialog();
    if (can_evolve) return Key('e');
    const eGoal goal = static_cast<eGoal>(frame / kGoalFrames % static_cast<int>(eGoal::kCount));
    if (frame % kGoalFrames == 0) StartGoal(goal, frame);
    if (frame % (14 * kGoalFrames * static_cast<int>(eGoal::kCount)) == kGoalFrames / 2) Key('k');
    switch (goal) {
      case eGoal::kHunt: return Approach(Prey());
      case eGoal::kEat: return Approach(NearestCarcass());
      case eGoal::kCarry: return Approach(NearestCarcass(), true);
      case eGoal::kVisitNest: return Approach(gWorld->nests.front());
      case eGoal::kStroll: return frame % 200 == 0 ? Click(NextRandom() % 800, NextRandom() % 600) : void();
      default: return;  // steering and nest building run by themselves once started
    }
  }

 private:
  void StartGoal(eGoal goal, int frame) {
    if (goal == eGoal::kBuildNest) {
      gWorld->GetAvatar()->target = gWorld->GetAvatar()->position;  // building needs standing still
      if (nest_move_allowed) ++gFigures.nestBuilds;
      Key('m');
    } else if (goal == eGoal::kSteer) {
      Move(frame % 800, 150);
      OnMouseButton(kLeftButton, kButtonDown, gInputState.mouseX, gInputState.mouseY);
      holding_ = kGoalFrames / 2;
    } else if (goal == eGoal::kHunt) {
      Key('t');  // the species evolve, as at a new day
      RefillMotives();
    }
  }

  void PlayWithTime(int frame) {
    const int roll = NextRandom() % 1000;
    if (roll < 20) {
      Key(static_cast<char>('1' + NextRandom() % 4));
      ++gFigures.speedChanges;
    } else if (roll < 25) {
      Key('p');
      for (int step = NextRandom() % 4; step > 0; --step, ++gFigures.steps) Key('.');
      Key('p');
    } else if (roll == 25 && frame > kGoalFrames) {
      Key('n');
      secondN_ = frame + 3;
    }
  }

  // One move at a time: + on "Win Game:", + on one of the six abilities in turn, then Ok.
  void AnswerDialog() {
    if (dialogStep_ == 0) {
      Click(235, 242 + 30 * 6);
    } else if (dialogStep_ == 1) {
      Click(235, 242 + 30 * static_cast<int>(gFigures.evolutions % 6));
    } else {
      Click(245, 470);
      ++gFigures.evolutions;
    }
    dialogStep_ = (dialogStep_ + 1) % 3;
  }

  // Near enough to act on it: the pointer over it and a click once the frame has picked it.
  // Farther: the pointer on the ground short of it (clamped to the window, where the view also
  // turns) and, now and then, a click there to walk on.
  void Approach(cKeltoGameObject* object, bool shift = false) {
    if (!object) return;
    const cVector d = WrappedDelta(*gWorld->GetAvatar(), object->position);
    const float length = d.Length();
    const float reach = length < kActingDistance ? 1.0f : (length - kActingDistance * 0.5f) / length;
    Move(std::clamp(400 + static_cast<int>(d.x * reach * 10), 0, 799),
         std::clamp(300 + static_cast<int>(d.z * reach * 10), 0, 599));
    const bool over = length < kActingDistance && gGameState.hoveredObject == object;
    if (!over && approaches_++ % 5 != 0) return;
    SetShiftKeyDown(shift);
    Click(gInputState.mouseX, gInputState.mouseY);
    SetShiftKeyDown(false);
  }

  static cKeltoGameObject* Prey() {
    std::vector<cKeltoGameCritter*> prey;
    std::copy_if(gWorld->critters.begin(), gWorld->critters.end(), std::back_inserter(prey),
                 [](const cKeltoGameCritter* c) { return c->species % 8 != 0 && c->state != kStateSleeping; });
    return NearestTo(gWorld->GetAvatar(), prey);
  }
  static cKeltoGameObject* NearestCarcass() { return NearestTo(gWorld->GetAvatar(), gWorld->carcasses); }
  static void Move(int x, int y) { OnMouseMove(x, y); }
  static void Key(char key) { OnKeyboard(static_cast<unsigned char>(key), 0, 0); }
  static void Click(int x, int y) {
    OnMouseButton(kLeftButton, kButtonDown, x, y);
    OnMouseButton(kLeftButton, kButtonUp, x, y);
    ++gFigures.clicks;
  }
  void Release() { OnMouseButton(kLeftButton, kButtonUp, gInputState.dragX, gInputState.dragY); }

  int holding_ = 0;
  int secondN_ = -1;
  int dialogStep_ = 0;
  int approaches_ = 0;
};

// Timers the frame and the world keep, by the clock's wrapping difference: no carcass outlives
// its decay time and no nest building its ten seconds.
std::string TimerViolation() {
  for (const cKeltoGameCarcass* carcass : gWorld->carcasses) {
    if (static_cast<float>(GameTime() - carcass->created_ms) > gConfig.carcass_decay_time) return "a carcass outlived its decay time";
  }
  if (gGameState.nestBuilding && GameTime() - gGameState.nestBuildStartMs > 10000) return "nest building outlasted ten seconds";
  return "";
}

class ShippedDataSoak : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(std::string(ZOMA_SOURCE_DIR) + "/data", ".", std::filesystem::copy_options::recursive);
    ResetSimulation();
    ResetInputState();
    gFigures = cSoakFigures{};
    previousBox_ = SetMessageBoxBackend(CountVictory);
    SetInputWindow(&window_);
  }
  void TearDown() override {
    SetInputWindow(nullptr);
    SetMessageBoxBackend(previousBox_);
    UseRealTime();
    ResetGameScripts();
    ResetEvolution();
    ResetWorld();
  }

  // The game's start-up order, on a clock set a minute before its wrap.
  static void StartGame() {
    SetManualTime(0);
    StartGameClock();
    gGameState.clockFrozenMs = kStartMs;
    InitGameScripts();
    BuildWorld(*gWorld);
    CaptureEvolutionBase(gWorld->GetAvatar());
    BuildEvolutionDialog();
  }

  // One frame as the game window runs it, pointer and all; the ticks it ran.
  static int Frame(uint64_t ms) {
    SetManualTime(static_cast<uint32_t>(ms));
    return gGameState.paused ? 0 : AdvanceUnpausedFrame(800, EdgeScrollPointerX());
  }

  cScratchFolder folder_;
  cFlatWindow window_;
  MessageBoxBackend previousBox_ = nullptr;
};

TEST_F(ShippedDataSoak, InvariantsHoldOnEveryTickWithTheShippedScriptsAndData) {
  const long days = SoakDays();
  StartGame();
  cLive live = LiveCritters();
  cScriptedPlayer player;
  // A new world (a new seed) counts its days from 0 and has critters of its own; the part of a
  // day it cut short is played again, hence the looser time limit.
  uint32_t seed = WorldSeed();
  long daysOfEarlierWorlds = 0;
  const uint64_t limitMs = static_cast<uint64_t>(days + 2) * gDayClock.cycle_ms * 4;
  const auto wallStart = std::chrono::steady_clock::now();
  uint64_t ms = 0;
  for (int frame = 0; daysOfEarlierWorlds + total_days < days && ms <= limitMs; ++frame) {
    ms += kFrameMs;
    const int daysBefore = total_days;
    player.Act(frame);
    if (WorldSeed() != seed) {
      seed = WorldSeed();
      live = LiveCritters();
      daysOfEarlierWorlds += daysBefore;
    }
    const int ticks = Frame(ms);
    if (ticks == 0) continue;
    gFigures.ticks += ticks;
    gFigures.maxCarcasses = std::max(gFigures.maxCarcasses, gWorld->carcasses.size());
    std::string violation = FirstViolation(live);
    if (violation.empty()) violation = TimerViolation();
    ASSERT_EQ(violation, "") << "after tick " << gFigures.ticks << ", game time " << GameTime() << ", day " << total_days;
  }
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  EXPECT_GE(daysOfEarlierWorlds + total_days, days) << "the days never came round";
  EXPECT_GT(gFigures.clicks, 0);
  EXPECT_GT(gFigures.speedChanges, 0);
  EXPECT_GT(gFigures.steps, 0);
  std::printf("soak: %ld game days, %ld ticks, %.1f s wall; fights %ld, critter deaths %ld, most carcasses %zu; "
              "player clicks %ld, evolutions %ld, victories %ld, nest builds started %ld; speed changes %ld, "
              "single ticks %ld, new worlds %ld\n",
              daysOfEarlierWorlds + total_days, gFigures.ticks, wall, gWorld->counters.fights_started,
              gWorld->counters.critter_deaths, gFigures.maxCarcasses, gFigures.clicks, gFigures.evolutions,
              gFigures.victories, gFigures.nestBuilds, gFigures.speedChanges, gFigures.steps, gFigures.newWorlds);
}
}  // namespace
