// Configuration: defaults, clamps, conversions, the species table, mended values, the file's
// location and the listing zoma-config prints. Each test reads a ZOMA.ini of its own from a
// scratch folder, as the game reads it from its current directory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>

#include "app/config.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/game_state.h"
#include "platform/data_file.h"
#include "platform/time_source.h"
#include "scratch_folder.h"
#include "world/day_clock.h"
#include "world/species.h"
#include "world/world.h"

namespace {
class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gConfig = cGameConfig{};
    gCamera = cCamera{};
    gDayClock = cDayClock{};
    gSpeciesTable.clear();
    gNumCrittersOverride.reset();
    ResetWorld();
    ResetGameState();
    SetManualTime(10000);
    StartGameClock();
    SetManualTime(10700);  // game time 700, so clock starts are visible
  }
  void TearDown() override {
    gNumCrittersOverride.reset();
    UseRealTime();
  }

  static void Read(const std::string& ini) {
    cScratchFolder::WriteIni(ini);
    ReadConfiguration();
  }

  cScratchFolder folder_;
};

const std::string kCameraMend =
    "ZOMA.ini: game.max_camera_dist=0 cannot show the world; using 15, 150 and 50 for the smallest, largest and "
    "starting distance";

// Camera limits that show the world, so that other cases see only their own lines.
const std::string kCamera = "[game]\nmax_camera_dist=150\n";
std::string WithCamera(const std::string& ini) {
  const std::string game = "[game]\n";
  if (ini.compare(0, game.size(), game) != 0) return kCamera + ini;
  return kCamera + ini.substr(game.size());
}

// A negative time in ms, taken as unsigned.
std::string NegativeMsWarning(const std::string& setting, const std::string& ms) {
  return "warning: ZOMA.ini: " + setting + " is negative; the game takes it as " + ms + " ms, about 49.7 days";
}

// Every game key and every species key in read order, as the game holds them; the player is
// told where the file was looked for, and the camera can see the world.
TEST_F(ConfigTest, NoFileGivesEveryDefault) {
  ::testing::internal::CaptureStdout();
  ReadConfiguration();
  const std::string path = (std::filesystem::current_path() / "ZOMA.ini").string();
  const std::vector<std::string> lines = {"ZOMA.ini: " + path + " does not exist; using the defaults", kCameraMend};
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), lines[0] + "\n" + lines[1] + "\n");
  EXPECT_EQ(gConfigDiagnostics, lines);
  const std::vector<std::string> expected = {
      "game.min_camera_dist = 15", "game.max_camera_dist = 150", "game.default_camera_dist = 50",
      "combat.turn_speed = 2000", "game.tree_cover_distance = 12", "game.evolve_interval = 3",
      "game.carcass_decay_time = 0", "game.iso_cam = 0", "game.victory_points = 5", "species.num_species = 1",
      "species.avatar_species = 0", "species.num_critters = 10", "game.day_length = 150000",
      "game.night_length = 3000", "game.motive_cycle = 500", "game.nesting_cycle = 500",
      "species1.color = 1 1 1", "species1.attack = 1", "species1.defend = 1", "species1.walk_speed = 0",
      "species1.nocturnal = 1", "species1.attack_avatar = 1", "species1.run_speed = 0", "species1.climb = 0",
      "species1.swim = 0", "species1.proportion = 10", "species1.perception = 60 80 20",
      "species1.neighbor_distance = 20"};
  EXPECT_EQ(DescribeConfiguration(), expected);
}

// Whatever stands where ZOMA.ini should be, the game starts on the defaults and says why.
TEST_F(ConfigTest, APathThatIsNotAReadableRegularFileCountsAsMissing) {
  const std::string padding = "[game]\nvictory_points=9\n" + std::string(kDataFileLimit, ' ');
  const struct {
    const char* what;
    void (*make)(const std::string& padding);
    const char* problem;  // nullptr: the file is read
  } cases[] = {
      {"folder", [](const std::string&) { std::filesystem::create_directory("ZOMA.ini"); }, "is a folder"},
      {"FIFO", [](const std::string&) { ASSERT_EQ(mkfifo("ZOMA.ini", 0600), 0); }, "is a FIFO, not a regular file"},
      {"over 1 MiB", [](const std::string& text) { cScratchFolder::WriteIni(text); }, "is larger than 1 MiB"},
      {"1 MiB", [](const std::string& text) { cScratchFolder::WriteIni(text.substr(0, kDataFileLimit)); }, nullptr},
  };
  const std::string path = (std::filesystem::current_path() / "ZOMA.ini").string();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all("ZOMA.ini");
    c.make(padding);
    ::testing::internal::CaptureStdout();
    ReadConfiguration();
    const std::string out = ::testing::internal::GetCapturedStdout();
    if (c.problem == nullptr) {
      EXPECT_EQ(gConfig.victory_points, 9);
      EXPECT_EQ(out, kCameraMend + "\n");
      continue;
    }
    EXPECT_EQ(gConfig.victory_points, 5);
    EXPECT_EQ(out, "ZOMA.ini: " + path + " " + c.problem + "; using the defaults\n" + kCameraMend + "\n");
  }
}

// Each value goes to the field the game keeps it in; the listing checks only what was read.
TEST_F(ConfigTest, GameKeysAreConvertedAsTheGameHoldsThem) {
  gCamera.pitch = 12.0f;
  Read("[game]\niso_cam=0\n");
  EXPECT_EQ(gCamera.pitch, 12.0f) << "the top-down view leaves the pitch alone";
  gDayClock.is_day = false;
  gWorld->motive_clock_ms = 5;
  Read("[game]\nmin_camera_dist=0b11\nmax_camera_dist=0x20\ndefault_camera_dist=40\n"
       "carcass_decay_time=4294968\niso_cam=2\ntree_cover_distance=-1\nvictory_points=-2\n"
       "day_length=120\nnight_length=45\nmotive_cycle=250\nnesting_cycle=300\n[combat]\nturn_speed=1500\n"
       "[species]\nnum_critters=-3\n");
  EXPECT_EQ(gCamera.minDistance, 3.0f);
  EXPECT_EQ(gCamera.maxDistance, 32.0f);
  EXPECT_EQ(gCamera.distance, 40.0f);
  EXPECT_EQ(gConfig.carcass_decay_time, 704.0f) << "seconds times 1000, wrapping as an unsigned product";
  EXPECT_TRUE(gCamera.iso_cam);
  EXPECT_EQ(gCamera.pitch, 50.0f) << "the follow view starts pitched at 50 degrees";
  EXPECT_EQ(gConfig.tree_cover_distance, 4294967296.0f) << "int as float takes the integer as unsigned";
  EXPECT_EQ(gConfig.victory_points, -2);
  EXPECT_EQ(gDayClock.day_ms, 120000u);
  EXPECT_EQ(gDayClock.night_ms, 45000u);
  EXPECT_EQ(gDayClock.cycle_ms, 165000u);
  EXPECT_EQ(gDayClock.cycle_start_ms, 700u) << "the clocks start at the game time of reading";
  EXPECT_TRUE(gDayClock.is_day);
  EXPECT_EQ(gWorld->motive_clock_ms, 700u);
  EXPECT_EQ(gConfig.motive_cycle, 250);
  EXPECT_EQ(gConfig.nesting_cycle, 300);
  EXPECT_EQ(gConfig.turn_speed, 1500.0f) << "turn_speed lives in the combat section";
  EXPECT_EQ(gConfig.num_critters, -3);
  gNumCrittersOverride = 3;
  Read("[species]\nnum_critters=40\n");
  EXPECT_EQ(gConfig.num_critters, 3) << "the command-line count wins over the file";
}

TEST_F(ConfigTest, SpeciesSectionsFillTheTableInOrder) {
  Read("[species]\nnum_species=3\n"
       "[species1]\ncolor=255,128\nattack=-1\nwalk_speed=1.5e0xyz\nrun_speed=abc\nclimb= 0.25\nswim=-1\n"
       "nocturnal=0\nattack_avatar=0\nproportion=10\nperception=7\nneighbor_distance=30\n"
       "[species2]\nproportion=30\nperception=10,20\n"
       "[species3]\nproportion=60\n");
  ASSERT_EQ(gSpeciesTable.size(), 3u);
  const cSpeciesRecord& first = gSpeciesTable[0];
  EXPECT_EQ(first.color.x, 1.0f);
  EXPECT_FLOAT_EQ(first.color.y, 128.0f / 255.0f) << "a missing third number repeats the second";
  EXPECT_FLOAT_EQ(first.color.z, 128.0f / 255.0f);
  // attack=-1 is taken as unsigned; the speeds read the longest valid number prefix, or 0.
  EXPECT_EQ((std::vector<float>{first.attack, first.walk_speed, first.run_speed, first.climb, first.swim,
                                float(first.nocturnal), float(first.attack_avatar), first.perception.x,
                                first.perception.z, first.neighbor_distance}),
            (std::vector<float>{4294967296.0f, 1.5f, 0, 0.25f, -1, 0, 0, 7, 7, 30}));
  EXPECT_EQ(gSpeciesTable[1].perception.z, 20.0f);

  const int sums[] = {10, 40, 100};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(gSpeciesTable[i].index, i);
    EXPECT_EQ(gSpeciesTable[i].proportion_sum, sums[i]) << "the running total, not the key's value";
  }
  EXPECT_TRUE(gSpeciesTable[2].nocturnal) << "a species without its keys gets the defaults";
  EXPECT_EQ(gSpeciesTable[2].color.y, 1.0f);
}

// Text values keep the quirks of the game's 255-byte buffers.
TEST_F(ConfigTest, TextValuesAreReadAsGivenAndCutTo254Characters) {
  Read("[species1]\ncolor=\nperception=\nwalk_speed=" + std::string(253, '0') + "12\n");
  EXPECT_EQ(gSpeciesTable[0].color.x, 0.0f) << "an empty value is empty, not the default";
  EXPECT_EQ(gSpeciesTable[0].perception.y, 0.0f);
  EXPECT_EQ(gSpeciesTable[0].walk_speed, 1.0f);
}

// Each of these would crash or hang the game; the game plays on with a sound value instead
// and says so on standard output.
TEST_F(ConfigTest, MendedValuesAreReplacedAndReported) {
  const std::string kDayCycle =
      "ZOMA.ini: game.day_length and game.night_length make a day cycle of 0 ms; using 150 and 3";
  const std::string kProportions = "ZOMA.ini: the speciesN.proportion values total ";
  const std::string kTooLong = " is longer than the game's millisecond clock can count; using 2147483 (about 24.9 days)";
  const struct {
    std::string ini;
    std::vector<std::string> diagnostics;
    std::vector<int> proportion_sums = {10};
    int evolve_interval = 3;
    uint32_t day_ms = 150000, night_ms = 3000;
  } cases[] = {
      {"[game]\nevolve_interval=1\nday_length=0\nnight_length=1\n", {}, {10}, 1, 0, 1000},
      {"[game]\nevolve_interval=0\n", {"ZOMA.ini: game.evolve_interval=0 is below 1; using 1"}, {10}, 1},
      {"[game]\nevolve_interval=-3\n", {"ZOMA.ini: game.evolve_interval=-3 is below 1; using 1"}, {10}, 1},
      {"[game]\nday_length=0\nnight_length=0\n", {kDayCycle}},
      {"[game]\nday_length=-3\nnight_length=3\n", {NegativeMsWarning("game.day_length=-3", "4294964296"), kDayCycle}},
      {"[game]\nday_length=2147483647\nnight_length=2147484\n",
       {"ZOMA.ini: game.day_length=2147483647" + kTooLong, "ZOMA.ini: game.night_length=2147484" + kTooLong},
       {10}, 3, 2147483000, 2147483000},
      {"[game]\nday_length=2147483\nnight_length=2147483\n", {}, {10}, 3, 2147483000, 2147483000},
      {"[species]\nnum_species=3\n[species1]\nproportion=0\n[species2]\nproportion=0\n[species3]\nproportion=0\n",
       {kProportions + "0; using 1 for each species"}, {1, 2, 3}},
      {"[species]\nnum_species=2\n[species1]\nproportion=10\n[species2]\nproportion=-10\n",
       {kProportions + "0; using 1 for each species"}, {1, 2}},
      {"[species]\nnum_species=2\n[species1]\nproportion=-5\n[species2]\nproportion=-5\n",
       {kProportions + "-10; using 1 for each species"}, {1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    ::testing::internal::CaptureStdout();
    Read(WithCamera(c.ini));
    std::string out;
    for (const std::string& line : c.diagnostics) out += line + "\n";
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), out);
    EXPECT_EQ(gConfigDiagnostics, c.diagnostics);
    EXPECT_EQ(gConfig.evolve_interval, c.evolve_interval);
    EXPECT_EQ(gDayClock.day_ms, c.day_ms);
    EXPECT_EQ(gDayClock.night_ms, c.night_ms);
    EXPECT_EQ(gDayClock.cycle_ms, c.day_ms + c.night_ms);
    std::vector<int> sums;
    for (const cSpeciesRecord& species : gSpeciesTable) sums.push_back(species.proportion_sum);
    EXPECT_EQ(sums, c.proportion_sums);
  }
}

// Counts the game cannot hold or play are bounded, with a mend line; large sane ones stay. The
// avatar's species stays inside the table, and species number 1 is read even without a count.
TEST_F(ConfigTest, SpeciesAndCritterCountsAreBounded) {
  const struct {
    const char* ini;
    int num_species, avatar_species, num_critters;
    std::string diagnostic;  // "" when the counts stand
  } cases[] = {
      {"avatar_species=0\n", 1, 0, 10, ""},
      {"num_species=3\navatar_species=9\n", 3, 2, 10, ""},
      {"num_species=0\n", 1, 0, 10, ""},
      {"num_species=3\navatar_species=2\n", 3, 1, 10, ""},
      {"num_species=-4\navatar_species=-5\n", 1, 0, 10, ""},
      {"num_species=2\navatar_species=-2147483648\n", 2, 1, 10, ""},
      {"num_critters=99999999999999999999\n", 1, 0, 10000,
       "ZOMA.ini: species.num_critters=1661992959 is above 10000; using 10000"},
      {"num_species=100000\n", 1000, 0, 10, "ZOMA.ini: species.num_species=100000 is above 1000; using 1000"},
      {"num_species=1000\nnum_critters=10000\n", 1000, 0, 10000, ""},
      {"num_species=250\nnum_critters=5000\n", 250, 0, 5000, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    Read(kCamera + "[species]\n" + c.ini + "[species0]\nattack=3\n[species1]\nattack=7\n");
    EXPECT_EQ(gSpeciesTable[0].attack, 7.0f);
    EXPECT_EQ(gConfig.num_species, c.num_species);
    EXPECT_EQ(gConfig.avatar_species, c.avatar_species);
    EXPECT_EQ(gSpeciesTable.size(), static_cast<size_t>(c.num_species));
    EXPECT_EQ(gConfig.num_critters, c.num_critters);
    EXPECT_EQ(gConfigDiagnostics, (c.diagnostic.empty() ? std::vector<std::string>{} : std::vector{c.diagnostic}));
  }
  gNumCrittersOverride = 20000;
  Read(kCamera);
  EXPECT_EQ(gConfig.num_critters, 10000) << "a count given on the command line is bounded alike";
}

// Limits that cannot show the world take the shipped ones; any that can stay as they are. The
// smallest distance wins over the largest, so one at the far plane or past it blinds the game.
TEST_F(ConfigTest, CameraLimitsThatCannotShowTheWorldAreMended) {
  const auto beyond = [](const char* value) {
    return "ZOMA.ini: game.min_camera_dist=" + std::string(value) + " puts the camera beyond the farthest it sees (1000); "
                                                                    "using 15";
  };
  const struct {
    const char* ini;
    float min, max, distance;
    std::vector<std::string> diagnostics;
  } cases[] = {
      {"min_camera_dist=5\ndefault_camera_dist=7\n", 15, 150, 50, {kCameraMend}},
      {"max_camera_dist=0\nmin_camera_dist=20\n", 15, 150, 50, {kCameraMend}},
      {"max_camera_dist=1\n", 0, 1, 0, {}},
      {"max_camera_dist=90\nmin_camera_dist=100\ndefault_camera_dist=0\n", 100, 90, 0, {}},
      {"max_camera_dist=150\nmin_camera_dist=999\ndefault_camera_dist=50\n", 999, 150, 50, {}},
      {"max_camera_dist=150\nmin_camera_dist=100000\ndefault_camera_dist=50\n", 15, 150, 50, {beyond("100000")}},
      {"max_camera_dist=150\nmin_camera_dist=-50\ndefault_camera_dist=50\n", 15, 150, 50, {beyond("-50")}},
      {"min_camera_dist=1000\n", 15, 150, 50, {beyond("1000"), kCameraMend}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    Read(std::string("[game]\n") + c.ini);
    EXPECT_EQ(std::vector<float>({gCamera.minDistance, gCamera.maxDistance, gCamera.distance}),
              std::vector<float>({c.min, c.max, c.distance}));
    EXPECT_EQ(gConfigDiagnostics, c.diagnostics);
  }
}

// Text keys read decimal numbers only: no hex floats, infinities or NaN.
TEST_F(ConfigTest, TextKeysReadDecimalNumbersOnly) {
  Read(kCamera + "[species1]\nwalk_speed=  2.5abc\nrun_speed=nan\nclimb=0x10\nswim=inf\n"
                 "color=nan,0x1p4,infinity\nperception=-.5e1,+3.,0X8\n");
  const cSpeciesRecord& s = gSpeciesTable[0];
  EXPECT_EQ(std::vector<float>({s.walk_speed, s.run_speed, s.climb, s.swim, s.color.x, s.color.y, s.color.z,
                                s.perception.x, s.perception.y, s.perception.z}),
            std::vector<float>({2.5f, 0, 0, 0, 0, 0, 0, -5, 3, 0}));
}

// Values that make no sense but that the game takes as they are: one warning each, saying what
// the game does with it; sensible neighbours get none.
TEST_F(ConfigTest, SenselessValuesAreTakenWithAWarning) {
  const std::string kSpecies = "warning: ZOMA.ini: species1.";
  const std::string kOutside = " has a number outside 0..255; it is drawn as the nearer of 0 and 255";
  const std::string kPastWorld = " carries a critter past the whole world in one step; the game uses it as it is, and "
                                 "critters of this species leave the world when they move";
  const std::string kNegativeAmount = " is negative; the game takes it as 4294967296";  // the float nearest 2^32 - n
  const struct {
    std::string ini;
    std::string warning;  // "" for none
  } cases[] = {
      {"[game]\nday_length=-4\n", NegativeMsWarning("game.day_length=-4", "4294963296")},
      {"[game]\nnight_length=-1\n", NegativeMsWarning("game.night_length=-1", "4294966296")},
      {"[game]\ncarcass_decay_time=-2\n", NegativeMsWarning("game.carcass_decay_time=-2", "4294965296")},
      {"[game]\nmotive_cycle=-500\n", NegativeMsWarning("game.motive_cycle=-500", "4294966796")},
      {"[game]\nnesting_cycle=-1\n", NegativeMsWarning("game.nesting_cycle=-1", "4294967295")},
      {"[combat]\nturn_speed=-1\n", NegativeMsWarning("combat.turn_speed=-1", "4294967296")},
      {"[game]\nmotive_cycle=0\n", "warning: ZOMA.ini: game.motive_cycle=0 makes the avatar's motive script run on every tick"},
      {"[game]\nnesting_cycle=0\n",
       "warning: ZOMA.ini: game.nesting_cycle=0 makes the nesting script run on every tick of a nest visit"},
      {"[game]\ntree_cover_distance=-12\n",
       "warning: ZOMA.ini: game.tree_cover_distance=-12" + kNegativeAmount + ", so a critter near any tree counts as under cover"},
      {"[species1]\nattack=-5\n", kSpecies + "attack=-5" + kNegativeAmount + ", far stronger than any other value"},
      {"[species1]\ndefend=-1\n", kSpecies + "defend=-1" + kNegativeAmount + ", far stronger than any other value"},
      {"[species1]\nneighbor_distance=-20\n", kSpecies + "neighbor_distance=-20" + kNegativeAmount +
                                                 ", so critters of this species flock with every critter they notice"},
      // A step is speed x 0.1: 512.1 units at 5121, more than the whole world.
      {"[species1]\nwalk_speed=5121\n", kSpecies + "walk_speed=5121" + kPastWorld},
      {"[species1]\nrun_speed=-4294967296\n", kSpecies + "run_speed=-4294967296" + kPastWorld},
      // Running at 3 steps 0.3: on steep ground 0.3 x 1800 = 540, in water 0.3 x 1707 = 512.1.
      {"[species1]\nrun_speed=3\nclimb=1800\n", kSpecies + "climb=1800" + kPastWorld + " on steep ground"},
      {"[species1]\nwalk_speed=3\nswim=1707\n", kSpecies + "swim=1707" + kPastWorld + " in water"},
      {"[species1]\nwalk_speed=1\nclimb=1e20\n", kSpecies + "climb=1e20" + kPastWorld + " on steep ground"},
      {"[species1]\nswim=1e999\n", kSpecies + "swim=1e999 is not a finite number; the game uses it as it is, and "
                                                "critters of this species leave the world when they move in water"},
      {"[species1]\nperception=60,1e999\n", kSpecies + "perception=60,1e999 has a number that is not finite; the game "
                                                         "uses it as it is, and critters of this species notice the "
                                                         "avatar from anywhere and never lose it"},
      {"[species1]\nperception=60,80,-1\n", kSpecies + "perception=60,80,-1 has a negative number; the game uses it as "
                                                         "it is, and critters of this species never notice the avatar "
                                                         "in that case"},
      {"[game]\nvictory_points=0\n", "warning: ZOMA.ini: game.victory_points=0 is below 1; the game is won at the first evolution"},
      {"[species1]\nwalk_speed=-1.5\n",
       kSpecies + "walk_speed=-1.5 is negative; the game uses it as it is, and critters of this species move backwards"},
      {"[species1]\nrun_speed=1e999\n", kSpecies + "run_speed=1e999 is not a finite number; the game uses it as it is, "
                                                    "and critters of this species leave the world when they move"},
      {"[species1]\ncolor=256,0,0\n", kSpecies + "color=256,0,0" + kOutside},
      {"[species1]\ncolor=0,-1\n", kSpecies + "color=0,-1" + kOutside},
      {"[game]\nday_length=0\nnight_length=1\nmotive_cycle=1\nnesting_cycle=1\nvictory_points=1\n"
       "carcass_decay_time=0\ntree_cover_distance=0\n[combat]\nturn_speed=0\n[species1]\ncolor=0,255,0\nattack=0\n"
       "defend=0\nwalk_speed=0\nrun_speed=5120\nclimb=1\nswim=0\nperception=0,0,0\nneighbor_distance=0\n",
       ""},
      // Standing still, any finite ability steps nowhere; 0.3 x 1706 = 511.8 stays inside.
      {"[species1]\nclimb=1e30\nswim=-1e30\n", ""},
      {"[species1]\nrun_speed=3\nclimb=1706\nswim=1706\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    ::testing::internal::CaptureStdout();
    Read(WithCamera(c.ini));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.warning.empty() ? "" : c.warning + "\n");
    EXPECT_EQ(gConfigDiagnostics, (c.warning.empty() ? std::vector<std::string>{} : std::vector{c.warning}));
  }
  Read(WithCamera("[game]\nvictory_points=-4\nmotive_cycle=0\n[species1]\nwalk_speed=-1\n"));
  EXPECT_EQ(gConfig.victory_points, -4) << "the values themselves stay";
  EXPECT_EQ(gConfig.motive_cycle, 0);
  EXPECT_EQ(gSpeciesTable[0].walk_speed, -1.0f);
}

TEST_F(ConfigTest, EveryMendedValueOfOneFileIsListedInReadOrder) {
  Read("[game]\nevolve_interval=0\nvictory_points=0\nday_length=0\nnight_length=0\n[species1]\nproportion=0\n");
  ASSERT_EQ(gConfigDiagnostics.size(), 5u);
  EXPECT_NE(gConfigDiagnostics[0].find("max_camera_dist"), std::string::npos);
  EXPECT_NE(gConfigDiagnostics[1].find("evolve_interval"), std::string::npos);
  EXPECT_NE(gConfigDiagnostics[2].find("warning: ZOMA.ini: game.victory_points"), std::string::npos);
  EXPECT_NE(gConfigDiagnostics[3].find("day cycle"), std::string::npos);
  EXPECT_NE(gConfigDiagnostics[4].find("proportion"), std::string::npos);
  Read(kCamera);
  EXPECT_TRUE(gConfigDiagnostics.empty()) << "every read starts a fresh list";
}

TEST_F(ConfigTest, TheFileIsTheOneInTheCurrentDirectory) {
  EXPECT_EQ(ConfigurationPath(), (std::filesystem::current_path() / "ZOMA.ini").string());
  std::filesystem::path deep = "deep";
  for (int level = 0; level < 40; ++level) deep /= "level_" + std::to_string(level);
  std::filesystem::create_directories(deep);
  std::filesystem::current_path(deep);
  ASSERT_GT(std::filesystem::current_path().string().size(), 300u);
  Read("[game]\nvictory_points=9\n");
  EXPECT_EQ(gConfig.victory_points, 9) << "a directory path of any length";
}

TEST_F(ConfigTest, DescriptionListsWhatTheGameHoldsInReadOrder) {
  Read("[game]\nmin_camera_dist=15\nmax_camera_dist=150\ndefault_camera_dist=50\ntree_cover_distance=12\n"
       "evolve_interval=0\ncarcass_decay_time=90\niso_cam=3\nvictory_points=4\nday_length=120\n"
       "night_length=45\nmotive_cycle=500\nnesting_cycle=400\n[combat]\nturn_speed=1000\n"
       "[species]\nnum_species=2\navatar_species=7\nnum_critters=40\n"
       "[species1]\ncolor=255,128,0\nattack=20\ndefend=30\nwalk_speed=1.25\nnocturnal=0\nattack_avatar=0\n"
       "run_speed=3\nclimb=0.5\nswim=0\nproportion=35\nperception=50,70,15\nneighbor_distance=25\n"
       "[species2]\nproportion=15\n");
  const std::vector<std::string> expected = {
      "game.min_camera_dist = 15", "game.max_camera_dist = 150", "game.default_camera_dist = 50",
      "combat.turn_speed = 1000", "game.tree_cover_distance = 12", "game.evolve_interval = 1",
      "game.carcass_decay_time = 90000", "game.iso_cam = 1", "game.victory_points = 4", "species.num_species = 2",
      "species.avatar_species = 1", "species.num_critters = 40", "game.day_length = 120000",
      "game.night_length = 45000", "game.motive_cycle = 500", "game.nesting_cycle = 400",
      "species1.color = 1 0.501961 0", "species1.attack = 20", "species1.defend = 30", "species1.walk_speed = 1.25",
      "species1.nocturnal = 0", "species1.attack_avatar = 0", "species1.run_speed = 3", "species1.climb = 0.5",
      "species1.swim = 0", "species1.proportion = 35", "species1.perception = 50 70 15",
      "species1.neighbor_distance = 25", "species2.color = 1 1 1", "species2.attack = 1", "species2.defend = 1",
      "species2.walk_speed = 0", "species2.nocturnal = 1", "species2.attack_avatar = 1", "species2.run_speed = 0",
      "species2.climb = 0", "species2.swim = 0", "species2.proportion = 50", "species2.perception = 60 80 20",
      "species2.neighbor_distance = 20"};
  EXPECT_EQ(DescribeConfiguration(), expected);
}

// The shipped file is a designer's: this guards the roles the game relies on against edits.
TEST_F(ConfigTest, ShippedFileGivesEveryRoleASpecies) {
  std::filesystem::copy_file(std::string(ZOMA_SOURCE_DIR) + "/data/ZOMA.ini", "ZOMA.ini");
  ReadConfiguration();
  EXPECT_TRUE(gConfigDiagnostics.empty());
  EXPECT_LE(gCamera.minDistance, gCamera.distance);
  EXPECT_LE(gCamera.distance, gCamera.maxDistance);
  EXPECT_GT(gDayClock.night_ms, 0u) << "a visible night";
  EXPECT_GT(gConfig.num_critters, 0);
  ASSERT_GE(gSpeciesTable.size(), 4u);
  EXPECT_FALSE(gSpeciesTable[0].attack_avatar) << "the avatar evolves by meeting species 1";
  bool nocturnalHunter = false, climber = false, swimmer = false;
  int previousSum = 0;
  for (const cSpeciesRecord& s : gSpeciesTable) {
    nocturnalHunter |= s.attack_avatar && s.nocturnal;
    climber |= s.climb > 0.0f;
    swimmer |= s.swim > 0.0f;
    EXPECT_GT(s.walk_speed, 0.0f) << "species " << s.index + 1;
    EXPECT_GT(s.run_speed, s.walk_speed) << "species " << s.index + 1;
    EXPECT_GT(s.proportion_sum, previousSum) << "every species has critters";
    previousSum = s.proportion_sum;
  }
  EXPECT_TRUE(nocturnalHunter);
  EXPECT_TRUE(climber);
  EXPECT_TRUE(swimmer);
}

TEST(ParseTriple, SplitsAtTheFirstTwoCommas) {
  const struct {
    const char* text;
    float a, b, c;
  } cases[] = {{"1,2,3", 1, 2, 3},   {"7", 7, 7, 7},          {"1,2", 1, 2, 2},      {" 4, 5.5 ,\t6", 4, 5.5f, 6},
               {"1,,3", 1, 0, 3},    {"1,2,3,4", 1, 2, 3},    {"x,2,3", 0, 2, 3},    {"", 0, 0, 0},
               {"300,-1,2e2", 300, -1, 200}, {" 2.5abc,1e,.", 2.5f, 1, 0}, {"0x10,nan,inf", 0, 0, 0}};
  for (const auto& c : cases) {
    const cVector v = ParseTriple(c.text);
    EXPECT_EQ(std::vector<float>({v.x, v.y, v.z}), std::vector<float>({c.a, c.b, c.c})) << c.text;
  }
}
}  // namespace
