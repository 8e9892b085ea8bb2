// The game's script hooks: which critter, species and avatar values each hook puts in which
// slot and takes back, start-up compilation from files and fallbacks, and frames that hold
// every symbol however many names the scripts use.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/random.h"
#include "platform/time_source.h"
#include "script/game_scripts.h"
#include "tests/scratch_folder.h"
#include "tests/script_test_support.h"
#include "world/day_clock.h"
#include "world/script_hooks.h"
#include "world/species.h"
#include "world/world.h"

namespace {
constexpr uint32_t kDayMs = 1000;

class ScriptHooksTest : public testing::Test {
 protected:
  void SetUp() override {
    FreshScriptSymbols();
    ResetGameState();
    ResetSimulationGlobals();
    ResetWorld();
    SetManualTime(50000);
    StartGameClock();
    savedSpecies_ = gSpeciesTable;
    savedDayClock_ = gDayClock;
    gDayClock = cDayClock{};
    gDayClock.day_ms = gDayClock.night_ms = kDayMs;
    gDayClock.cycle_ms = 2 * kDayMs;
  }
  void TearDown() override {
    UseRealTime();
    gSpeciesTable = savedSpecies_;
    gDayClock = savedDayClock_;
    ResetGameScripts();
  }

  static void Compile(eGameScript script, const std::string& text) {
    std::string printed;
    ASSERT_EQ(ParseCapturing(text, GameScriptProgram(script), &printed), 0) << text;
  }

  static cKeltoGameCritter MakeCritter(float first) {
    cKeltoGameCritter critter;
    critter.hunger = first, critter.health = first + 1, critter.energy = first + 2;
    critter.attack = first + 3, critter.defend = first + 4, critter.speed = first + 5;
    return critter;
  }

  static std::vector<float> SixValues(const cKeltoGameCritter& c) {
    return {c.hunger, c.health, c.energy, c.attack, c.defend, c.speed};
  }

 private:
  std::vector<cSpeciesRecord> savedSpecies_;
  cDayClock savedDayClock_;
};

// The four hooks that work on one critter's six motive values.
struct cMotiveHook {
  const char* name;
  eGameScript script;
  std::function<void(cKeltoGameCritter*)> run;
};

const cMotiveHook kMotiveHooks[] = {
    {"avatar motives", eGameScript::kAvatarMotives, [](cKeltoGameCritter* c) { RunAvatarMotivesScript(c, 500); }},
    {"move nest", eGameScript::kMoveNest, RunMoveNestScript},
    {"carry carcass", eGameScript::kCarryCarcass, RunCarryCarcassScript},
    {"nesting", eGameScript::kNesting, RunNestingScript},
};

TEST_F(ScriptHooksTest, MotiveHooksFillAndCopyBackTheSixCritterValuesAndSeeTheDay) {
  for (const cMotiveHook& hook : kMotiveHooks) {
    FreshScriptSymbols();
    Compile(hook.script,
            "hunger = hunger + 1 health = health + 2 + 100 * is_day energy = energy + 3 "
            "attack = attack + 4 defend = defend + 5 speed = speed + 6");
    for (const bool day : {true, false}) {
      SetManualTime(day ? 50000 : 50000 + kDayMs + 10);
      SetScriptIsDay(gDayClock.IsDay());  // as the tick does before its hooks
      cKeltoGameCritter critter = MakeCritter(10);
      hook.run(&critter);
      EXPECT_EQ(SixValues(critter), (std::vector<float>{11, day ? 113.0f : 13.0f, 15, 17, 19, 21}))
          << hook.name << (day ? " by day" : " by night");
    }
  }
  Compile(eGameScript::kCombat, "other_health = is_day");
  for (const bool day : {true, false}) {
    SetScriptIsDay(day);
    cKeltoGameCritter attacker = MakeCritter(1), defender = MakeCritter(2);
    RunCombatScript(&attacker, &defender);
    EXPECT_EQ(defender.health, day ? 1.0f : 0.0f) << (day ? "combat by day" : "combat by night");
  }
}

TEST_F(ScriptHooksTest, AvatarMotivesSeeTheCycleInSecondsAndRestWhileFighting) {
  Compile(eGameScript::kAvatarMotives, "energy = seconds seconds = 5 health = 5");
  cKeltoGameCritter avatar = MakeCritter(10);
  avatar.state = kStateFighting;
  RunAvatarMotivesScript(&avatar, 500);
  EXPECT_EQ(avatar.health, 11.0f) << "nothing runs during a fight";
  avatar.state = kStateFlocking;
  RunAvatarMotivesScript(&avatar, 500);
  EXPECT_EQ(avatar.energy, 0.5f);
  EXPECT_EQ(avatar.health, 5.0f);
  RunAvatarMotivesScript(&avatar, 1250);
  EXPECT_EQ(avatar.energy, 1.25f) << "seconds is filled afresh each run";
}

TEST_F(ScriptHooksTest, CombatSwapsInAttackerAndDefender) {
  std::string swap;
  for (const std::string v : {"hunger", "health", "energy", "attack", "defend", "speed"})
    swap += "t = " + v + " " + v + " = other_" + v + " other_" + v + " = t ";
  Compile(eGameScript::kCombat, swap);
  cKeltoGameCritter attacker = MakeCritter(10), defender = MakeCritter(20);
  RunCombatScript(&attacker, &defender);
  EXPECT_EQ(SixValues(attacker), SixValues(MakeCritter(20)));
  EXPECT_EQ(SixValues(defender), SixValues(MakeCritter(10)));
}

// A NaN written back is no value: the game keeps what it had (a NaN health would never reach
// 0), and each script and name is told once however often the script runs; other strange
// values, infinity included, are taken.
TEST_F(ScriptHooksTest, NotANumberWrittenBackKeepsTheGameValueWithOneWarning) {
  const std::string kKeeps = " to not-a-number; the game keeps the value it had\n";
  for (const cMotiveHook& hook : kMotiveHooks) {
    SCOPED_TRACE(hook.name);
    FreshScriptSymbols();
    Compile(hook.script, "health = 0/0 hunger = 1/0 speed = 0/0");
    const std::string file = GameScriptSource(hook.script).file;
    for (int run = 1; run <= 2; ++run) {
      cKeltoGameCritter critter = MakeCritter(10);
      testing::internal::CaptureStdout();
      hook.run(&critter);
      EXPECT_EQ(testing::internal::GetCapturedStdout(),
                run == 1 ? "warning: " + file + " set health" + kKeeps + "warning: " + file + " set speed" + kKeeps : "");
      EXPECT_EQ(critter.health, 11.0f);
      EXPECT_EQ(critter.speed, 15.0f);
      EXPECT_EQ(critter.hunger, INFINITY);
    }
  }
  Compile(eGameScript::kCombat, "other_health = 0/0 health = 1");
  cKeltoGameCritter attacker = MakeCritter(1), defender = MakeCritter(2);
  testing::internal::CaptureStdout();
  RunCombatScript(&attacker, &defender);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "warning: combat.txt set other_health" + kKeeps);
  EXPECT_EQ(defender.health, 3.0f);
  EXPECT_EQ(attacker.health, 1.0f);
  Compile(eGameScript::kSpeciesEvolve, "attack = 0/0 defend = 7");
  cSpeciesRecord species;
  species.attack = 30;
  testing::internal::CaptureStdout();
  RunSpeciesEvolveScript(species);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "warning: species_evolve.txt set attack" + kKeeps);
  EXPECT_EQ(species.attack, 30.0f);
  EXPECT_EQ(species.defend, 7.0f);
}

TEST_F(ScriptHooksTest, EveryRunStartsFromAFreshFrame) {
  Compile(eGameScript::kCombat, "other_health = damage + seconds damage = 5 seconds = 7");
  for (int run = 1; run <= 2; ++run) {
    cKeltoGameCritter attacker = MakeCritter(1), defender = MakeCritter(2);
    RunCombatScript(&attacker, &defender);
    EXPECT_EQ(defender.health, 0.0f) << "temporaries and unfilled slots read 0, run " << run;
  }
}

TEST_F(ScriptHooksTest, SpeciesEvolutionSeesDayAndSpecies) {
  Compile(eGameScript::kSpeciesEvolve,
          "attack = attack + current_day defend = defend + species "
          "walk_speed = walk_speed * 2 run_speed = run_speed * 3 climb = 9");
  cSpeciesRecord species;
  species.attack = 30, species.defend = 20, species.walk_speed = 1.25f, species.run_speed = 3;
  species.climb = 0.5f, species.index = 2;
  total_days = 5;
  RunSpeciesEvolveScript(species);
  EXPECT_EQ(species.attack, 35.0f);
  EXPECT_EQ(species.defend, 22.0f);
  EXPECT_EQ(species.walk_speed, 2.5f);
  EXPECT_EQ(species.run_speed, 9.0f);
  EXPECT_EQ(species.climb, 0.5f) << "climb is not the species script's to change";
}

TEST_F(ScriptHooksTest, EvolveAllSpeciesRunsInTableOrder) {
  Compile(eGameScript::kSpeciesEvolve, "attack = RAND");
  gSpeciesTable.assign(3, cSpeciesRecord{});
  SeedRandom(77);
  std::vector<float> draws;
  for (int i = 0; i < 3; ++i) draws.push_back(static_cast<float>(NextRandom()) * kInverseRandomMax);
  SeedRandom(77);
  EvolveAllSpecies();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(gSpeciesTable[i].attack, draws[i]) << "species " << i;
}

class EvolutionPointsTest : public ScriptHooksTest {
 protected:
  void SetUp() override {
    ScriptHooksTest::SetUp();
    avatar_ = gWorld->avatar = new cKeltoGameCritter;
    avatar_->attack = 60, avatar_->defend = 40, avatar_->stealth = 1, avatar_->walk_speed = 1.25f;
    avatar_->run_speed = 3, avatar_->species = 4, avatar_->climb = 0.5f, avatar_->swim = 0.25f;
    CaptureEvolutionBase(avatar_);
    // Later changes to the avatar must not reach the script: it starts from start-up values.
    avatar_->attack = avatar_->defend = avatar_->stealth = avatar_->walk_speed = 999;
    avatar_->run_speed = avatar_->climb = avatar_->swim = 999;
    avatar_->speed = 2;
  }
  std::vector<float> Abilities() const {
    return {avatar_->attack,    avatar_->defend, avatar_->stealth, avatar_->walk_speed,
            avatar_->run_speed, avatar_->climb,  avatar_->swim};
  }
  cKeltoGameCritter* avatar_ = nullptr;
};

TEST_F(EvolutionPointsTest, AdvancesBuildOnTheStartUpValues) {
  Compile(eGameScript::kEvolutionPoints,
          "walk_speed = walk_speed + speed_points run_speed = run_speed + species "
          "attack = attack + 10 * attack_points defend = defend + defend_points "
          "stealth = stealth - 0.25 * stealth_points climb = climb + climb_points "
          "swim = swim + swim_points speed = 77 hunger = 5");
  const int counts[7] = {1, 2, 3, 4, 5, 6, 7};
  std::copy(counts, counts + 7, avatar_->advance_counts);
  RunEvolutionPointsScript();
  EXPECT_EQ(Abilities(), (std::vector<float>{80, 43, 0, 2.25f, 7, 5.5f, 6.25f}));
  EXPECT_EQ(avatar_->speed, 2.0f) << "speed is not written back";
  EXPECT_EQ(avatar_->hunger, 100.0f);
  std::array<float, kScriptSlotCount> expected = {};
  expected[kSlotAttack] = 60, expected[kSlotDefend] = 40, expected[kSlotStealth] = 1;
  expected[kSlotWalkSpeed] = 1.25f, expected[kSlotRunSpeed] = 3, expected[kSlotSpecies] = 4;
  expected[kSlotClimb] = 0.5f, expected[kSlotSwim] = 0.25f;
  EXPECT_EQ(gEvolutionBaseFrame, expected) << "the base frame holds only the start-up abilities";
  Compile(eGameScript::kEvolutionPoints, "attack = 0/0");
  testing::internal::CaptureStdout();
  RunEvolutionPointsScript();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "warning: evolutionPoints.txt set attack to not-a-number; the game keeps the value it had\n");
  EXPECT_EQ(avatar_->attack, 80.0f) << "the value of the run before";
}

TEST_F(EvolutionPointsTest, StartUpWithNoFilesUsesEveryFallback) {
  cScratchFolder folder;
  testing::internal::CaptureStdout();
  InitGameScripts();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "fallbacks parse cleanly";

  const std::vector<std::string> expectedTail = {"3", "2", "4", "1", "20", "30", "40", "50", "damage", "100"};
  ASSERT_EQ(ScriptSymbolTable.size(), 38u);
  for (int i = 0; i < kBoundScriptNameCount; ++i) EXPECT_EQ(ScriptSymbolTable[i], kBoundScriptNames[i].name);
  EXPECT_EQ(std::vector<std::string>(ScriptSymbolTable.begin() + kBoundScriptNameCount, ScriptSymbolTable.end()),
            expectedTail);

  cKeltoGameCritter critter = MakeCritter(60), other = MakeCritter(70);
  RunAvatarMotivesScript(&critter, 500);
  EXPECT_EQ(SixValues(critter), (std::vector<float>{60, 20, 30, 63, 64, 65}));
  RunNestingScript(&critter);
  EXPECT_EQ(critter.health, 100.0f);
  critter.health = 1;
  RunMoveNestScript(&critter);
  EXPECT_EQ(critter.health, 100.0f);
  RunCarryCarcassScript(&critter);
  EXPECT_EQ(critter.hunger, 100.0f);
  const std::vector<float> before = SixValues(critter), otherBefore = SixValues(other);
  RunCombatScript(&critter, &other);
  EXPECT_EQ(SixValues(critter), before);
  EXPECT_EQ(SixValues(other), otherBefore);
  cSpeciesRecord species;
  species.attack = 12;
  RunSpeciesEvolveScript(species);
  EXPECT_EQ(species.attack, 12.0f);
  RunEvolutionPointsScript();
  EXPECT_EQ(Abilities(), (std::vector<float>{60, 40, 1, 1.25f, 3, 0.5f, 0.25f}));
}

TEST_F(ScriptHooksTest, StartUpCompilesFilesFromTheCurrentDirectory) {
  cScratchFolder folder;
  cScratchFolder::Write("combat.txt", "# strike\r\nother_health = other_health - attack\r\n");
  cScratchFolder::Write("nesting.txt", "health = 1 ; health = 2");
  cScratchFolder::Write("species_evolve.txt", std::string("attack = attack + 1\0attack = 0", 30));
  testing::internal::CaptureStdout();
  InitGameScripts();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), " strike\r\nparse error\nnesting.txt:1: parse error here\n")
      << "a script's comment text ends its line";

  cKeltoGameCritter attacker = MakeCritter(10), defender = MakeCritter(50);
  RunCombatScript(&attacker, &defender);
  EXPECT_EQ(defender.health, 51.0f - 13.0f);
  RunNestingScript(&defender);
  EXPECT_EQ(defender.health, 1.0f) << "a broken file keeps what compiled and gets no fallback";
  cSpeciesRecord species;
  species.attack = 12;
  RunSpeciesEvolveScript(species);
  EXPECT_EQ(species.attack, 13.0f) << "a NUL byte ends the script";
  RunAvatarMotivesScript(&attacker, 500);
  EXPECT_EQ(attacker.health, 20.0f) << "missing files still fall back";

  cScriptProgram program;
  EXPECT_FALSE(LoadScriptFile("absent.txt", program)) << "loading reports only whether the file opened";
  EXPECT_EQ(program.Size(), 0u);
  testing::internal::CaptureStdout();
  EXPECT_TRUE(LoadScriptFile("nesting.txt", program));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "parse error\nnesting.txt:1: parse error here\n");
}

// Chains of assignments through the given names; the last name ends up holding the count.
std::string NameChain(int first, int count, const char* result) {
  std::string text = "n" + std::to_string(first) + " = 1";
  for (int i = first + 1; i < first + count; ++i) {
    text += " n" + std::to_string(i) + " = n" + std::to_string(i - 1) + " + 1";
  }
  return text + " " + result + " = n" + std::to_string(first + count - 1);
}

TEST_F(ScriptHooksTest, FramesHoldEverySymbolBeyondAHundred) {
  Compile(eGameScript::kCombat, NameChain(0, 100, "other_health"));
  Compile(eGameScript::kNesting, NameChain(100, 50, "health"));
  ASSERT_GE(ScriptSymbolTable.size(), 28u + 150u);
  cKeltoGameCritter attacker = MakeCritter(10), defender = MakeCritter(20);
  RunCombatScript(&attacker, &defender);
  EXPECT_EQ(defender.health, 100.0f);
  RunNestingScript(&attacker);
  EXPECT_EQ(attacker.health, 50.0f);
}
}  // namespace
