// ZOMA.ini saved while the game runs: the listing of what changed, which values a running world
// takes from the next tick and which wait for a new world, and what an edit does to a species
// that has already evolved.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/config_changes.h"
#include "app/config_reload.h"
#include "tests/scratch_folder.h"
#include "tests/world_test_support.h"

namespace {
using namespace world_test;

const std::string kIni =
    "[game]\nmax_camera_dist=150\ndefault_camera_dist=50\nday_length=120\nnight_length=30\nevolve_interval=2\n"
    "carcass_decay_time=150\n"
    "[species]\nnum_species=2\nnum_critters=40\n"
    "[species1]\nattack=10\nproportion=10\nwalk_speed=1\n"
    "[species2]\nattack=25\ncolor=0,0,255\nproportion=30\nwalk_speed=1\n";

// kIni with one "key=old" replaced by "key=new" (the first occurrence after `after`).
std::string Edited(const std::string& from, const std::string& to, const std::string& after = "") {
  std::string ini = kIni;
  const size_t at = ini.find(from, ini.find(after));
  ini.replace(at, from.size(), to);
  return ini;
}

class ConfigReloadTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetSimulation();
    cScratchFolder::WriteIni(kIni);
    testing::internal::CaptureStdout();
    ReadConfiguration();
    testing::internal::GetCapturedStdout();
    grazer = AddCritter(At(10, 10), 0);
    wader = AddCritter(At(20, 20), 1);
    avatar = AddAvatar(At(100, 100));
  }
  void TearDown() override { UseRealTime(); }

  // Saves the file and reloads it, capturing what was printed.
  std::vector<std::string> Reload(const std::string& ini) {
    cScratchFolder::WriteIni(ini);
    testing::internal::CaptureStdout();
    std::vector<std::string> lines = ReloadConfiguration();
    printed = testing::internal::GetCapturedStdout();
    return lines;
  }

  cScratchFolder folder_;
  cKeltoGameCritter *grazer = nullptr, *wader = nullptr, *avatar = nullptr;
  std::string printed;
};

TEST_F(ConfigReloadTest, LiveValuesAreListedAndTakenOthersWaitForANewWorld) {
  SetGameTime(5000);
  gCamera.distance = 80.0f;  // the player zoomed out
  const cDayClock dayBefore = gDayClock;
  const uint32_t motiveClock = gWorld->motive_clock_ms;
  std::string ini = Edited("day_length=120", "day_length=90");
  ini.replace(ini.find("attack=25"), 9, "attack=15");
  ini.replace(ini.find("num_critters=40"), 15, "num_critters=60");
  EXPECT_EQ(Reload(ini), (std::vector<std::string>{
                             "ZOMA.ini: reloaded (day_length 120 -> 90, [species2] attack 25 -> 15)",
                             "ZOMA.ini: num_critters 40 -> 60 takes effect in a new world (N)",
                         }));
  EXPECT_EQ(gDayClock.day_ms, 90000u);
  EXPECT_EQ(gDayClock.cycle_ms, 120000u);
  EXPECT_EQ(gDayClock.cycle_start_ms, dayBefore.cycle_start_ms) << "the day goes on, it does not start again";
  EXPECT_EQ(gWorld->motive_clock_ms, motiveClock);
  EXPECT_EQ(gCamera.distance, 80.0f) << "the starting distance is not forced on a running game";
  EXPECT_EQ(gConfig.num_critters, 40);
  EXPECT_EQ(gSpeciesTable[1].attack, 15.0f);
  EXPECT_EQ(wader->attack, 15.0f);
  EXPECT_EQ(grazer->attack, 10.0f);
  EXPECT_EQ(avatar->attack, 60.0f) << "the avatar's abilities are its own";
}

// Each key on its own: where its change goes, in the file's units.
TEST_F(ConfigReloadTest, EachKeyIsListedInTheFilesUnitsAsLiveOrForANewWorld) {
  const struct {
    std::string ini;
    std::vector<std::string> lines;
  } cases[] = {
      {kIni, {"ZOMA.ini: reloaded"}},
      {Edited("carcass_decay_time=150", "carcass_decay_time=60"), {"ZOMA.ini: reloaded (carcass_decay_time 150 -> 60)"}},
      {Edited("evolve_interval=2", "evolve_interval=3"), {"ZOMA.ini: reloaded (evolve_interval 2 -> 3)"}},
      {Edited("color=0,0,255", "color=255,0,0x"), {"ZOMA.ini: reloaded ([species2] color 0,0,255 -> 255,0,0)"}},
      {Edited("[species2]", "[species2]\nperception=50,80,20"),
       {"ZOMA.ini: reloaded ([species2] perception 60,80,20 -> 50,80,20)"}},
      {Edited("[species2]", "[species2]\nnocturnal=0"), {"ZOMA.ini: reloaded ([species2] nocturnal 1 -> 0)"}},
      {Edited("[game]", "[game]\nvictory_points=7\nturn_speed=500"), {"ZOMA.ini: reloaded (victory_points 5 -> 7)"}},
      {Edited("[game]", "[combat]\nturn_speed=500\n[game]"), {"ZOMA.ini: reloaded (turn_speed 2000 -> 500)"}},
      // The species' own proportion: the running totals of the species after it move too, unlisted.
      {Edited("proportion=10", "proportion=20"),
       {"ZOMA.ini: reloaded", "ZOMA.ini: [species1] proportion 10 -> 20 takes effect in a new world (N)"}},
      {Edited("num_species=2", "num_species=3\navatar_species=2"),
       {"ZOMA.ini: reloaded", "ZOMA.ini: num_species 2 -> 3 takes effect in a new world (N)",
        "ZOMA.ini: avatar_species 1 -> 2 takes effect in a new world (N)"}},
      {Edited("default_camera_dist=50", "default_camera_dist=60\niso_cam=1"),
       {"ZOMA.ini: reloaded", "ZOMA.ini: default_camera_dist 50 -> 60 takes effect in a new world (N)",
        "ZOMA.ini: iso_cam 0 -> 1 takes effect in a new world (N)"}},
      {Edited("max_camera_dist=150", "max_camera_dist=100\nmin_camera_dist=20"),
       {"ZOMA.ini: reloaded (min_camera_dist 0 -> 20, max_camera_dist 150 -> 100)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    SetUp();  // the world and the file as the game started
    EXPECT_EQ(Reload(c.ini), c.lines);
  }
  EXPECT_EQ(gCamera.minDistance, 20.0f);
  EXPECT_EQ(gCamera.maxDistance, 100.0f);
}

TEST_F(ConfigReloadTest, ANumSpeciesEditKeepsTheRunningSpeciesTable) {
  Reload(Edited("num_species=2", "num_species=3"));
  EXPECT_EQ(gSpeciesTable.size(), 2u);
  EXPECT_EQ(gConfig.num_species, 2);
}

// As at start-up: the value is mended and the line says so, then the listing.
TEST_F(ConfigReloadTest, MendsAndWarningsArePrintedAsAtStartUp) {
  EXPECT_EQ(Reload(Edited("evolve_interval=2", "evolve_interval=0\nmotive_cycle=0")),
            (std::vector<std::string>{"ZOMA.ini: reloaded (evolve_interval 2 -> 1, motive_cycle 500 -> 0)"}));
  EXPECT_EQ(printed,
            "ZOMA.ini: game.evolve_interval=0 is below 1; using 1\n"
            "warning: ZOMA.ini: game.motive_cycle=0 makes the avatar's motive script run on every tick\n");
  EXPECT_EQ(gConfig.evolve_interval, 1);
}

// What a designer tuning a fight expects: the species keeps what it evolved, moved by the edit.
TEST_F(ConfigReloadTest, AnEvolvedSpeciesValueMovesByTheEdit) {
  gSpeciesTable[1].attack = wader->attack = 31.0f;  // six days of evolution
  cKeltoGameCritter* wounded = AddCritter(At(30, 30), 1);
  wounded->attack = 29.0f;  // a script lowered this one's
  Reload(Edited("attack=25", "attack=15"));
  EXPECT_EQ(gSpeciesTable[1].attack, 21.0f);
  EXPECT_EQ(wader->attack, 21.0f);
  EXPECT_EQ(wounded->attack, 19.0f);

  // A speed that is not finite cannot be shifted: it is replaced, and replaced back.
  Reload(Edited("walk_speed=1", "walk_speed=1e999", "[species2]"));
  EXPECT_TRUE(std::isinf(wader->walk_speed));
  Reload(Edited("walk_speed=1", "walk_speed=2", "[species2]"));
  EXPECT_EQ(wader->walk_speed, 2.0f);
  EXPECT_EQ(gSpeciesTable[1].walk_speed, 2.0f);
  EXPECT_EQ(grazer->walk_speed, 1.0f);
}

TEST_F(ConfigReloadTest, AFileThatCannotBeReadOrIsRemovedChangesNothing) {
  std::filesystem::remove("ZOMA.ini");
  std::filesystem::create_directory("ZOMA.ini");
  testing::internal::CaptureStdout();
  const std::vector<std::string> lines = ReloadConfiguration();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(lines, std::vector<std::string>{"ZOMA.ini: " + ConfigurationPath() +
                                            " is a folder; the settings stay as they are"});
  EXPECT_EQ(gDayClock.day_ms, 120000u);
  EXPECT_EQ(KeepRemovedConfiguration(), "ZOMA.ini was removed; the settings stay as they are");
}
}  // namespace
