// The designer tools and the headless game meeting what a hostile tester puts in their data
// folder: folders, a FIFO and a device where files should be, and absurd counts. Each tool must
// end normally with one line naming the path and why, never abort, hang or run out of memory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/scratch_folder.h"
#include "tests/tool_run.h"

namespace {
class ToolFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"zoma-config", "zoma-script", "zoma-sim"})
      ASSERT_TRUE(std::filesystem::exists(std::string(ZOMA_BINARY_DIR "/") + tool)) << "build " << tool << " first";
    path_ = (std::filesystem::current_path() / "ZOMA.ini").string();
  }
  cScratchFolder folder_;
  std::string path_;
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(ToolFilesTest, ConfigShowsTheDefaultsWhenZomaIniIsNoRegularFile) {
  const struct {
    const char* what;
    void (*make)();
    const char* problem;
  } cases[] = {
      {"folder", [] { std::filesystem::create_directory("ZOMA.ini"); }, "is a folder"},
      {"FIFO", [] { ASSERT_EQ(mkfifo("ZOMA.ini", 0600), 0); }, "is a FIFO, not a regular file"},
      {"link to /dev/zero", [] { std::filesystem::create_symlink("/dev/zero", "ZOMA.ini"); },
       "is a device, not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all("ZOMA.ini");
    c.make();
    const cToolResult result = RunShell("zoma-config");
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(Has(result.out, "game.victory_points = 5\n")) << result.out;
    EXPECT_TRUE(Has(result.out, "ZOMA.ini: " + path_ + " " + c.problem + "; using the defaults\n")) << result.out;
  }
}

TEST_F(ToolFilesTest, ConfigBoundsAbsurdCountsAndWarns) {
  cScratchFolder::WriteIni(
      "[game]\nmax_camera_dist=150\nvictory_points=0\n"
      "[species]\nnum_species=2147483647\nnum_critters=99999999999999999999\n");
  const cToolResult result = RunShell("zoma-config");
  EXPECT_EQ(result.status, 0);
  for (const char* line : {"species.num_species = 1000\n", "species.num_critters = 10000\n",
                           "ZOMA.ini: species.num_species=2147483647 is above 1000; using 1000\n",
                           "ZOMA.ini: species.num_critters=1661992959 is above 10000; using 10000\n",
                           "warning: ZOMA.ini: game.victory_points=0 is below 1; the game is won at the first evolution\n"})
    EXPECT_TRUE(Has(result.out, line)) << line;
}

TEST_F(ToolFilesTest, ScriptCheckEndsWith3ForWhatIsNoRegularFile) {
  std::filesystem::create_directory("folder.txt");
  ASSERT_EQ(mkfifo("fifo.txt", 0600), 0);
  std::filesystem::create_symlink("/dev/zero", "zero.txt");
  for (const std::string problem : {"folder.txt is a folder", "fifo.txt is a FIFO, not a regular file",
                                    "zero.txt is a device, not a regular file"}) {
    const std::string file = problem.substr(0, problem.find(' '));
    const cToolResult result = RunShell("zoma-script check " + file);
    EXPECT_EQ(result.status, 3) << file;
    EXPECT_EQ(result.err, "zoma-script: " + problem + "\n");
  }
}

// The headless game starts from a folder with ZOMA.ini and two scripts replaced by folders and
// runs its day, the scripts on their built-in texts.
TEST_F(ToolFilesTest, SimRunsWithFoldersForItsFiles) {
  std::filesystem::copy(ZOMA_SOURCE_DIR "/data", "data");
  for (const char* file : {"data/ZOMA.ini", "data/combat.txt", "data/species_evolve.txt"}) {
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
  }
  const cToolResult result = RunShell("zoma-sim --data data --days 1 --critters 20");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(Has(result.out, "day 1 |")) << result.out;
  EXPECT_TRUE(Has(result.err, "/data/ZOMA.ini is a folder; using the defaults\n")) << result.err;
  EXPECT_TRUE(Has(result.err, "combat.txt is a folder; it counts as missing\n")) << result.err;
  EXPECT_TRUE(Has(result.err, "species_evolve.txt is a folder; it counts as missing\n")) << result.err;
}
// Every file the lab writes that cannot be written ends the run with one line naming it and
// why, and a non-zero status: a missing folder, and a full disk found only on closing. gnuplot's
// drawing never spills onto the terminal. A one-seed sweep keeps the game's own lines quiet, and
// two days keep gnuplot from warning of a one-day axis.
TEST_F(ToolFilesTest, SimTellsEveryFileItCannotWrite) {
  const struct {
    const char* option;
    const char* path;
    const char* why;
  } cases[] = {
      {"--csv", "/dev/full", "No space left on device"},
      {"--csv", "/no/such/folder/sweep.csv", "No such file or directory"},
      {"--plot", "/dev/full", "No space left on device"},
      {"--plot", "/no/such/folder/sweep.svg", "No such file or directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.option) + " " + c.path);
    const cToolResult result = RunShell("zoma-sim --data " ZOMA_SOURCE_DIR "/data --seeds 1-1 --days 2 --critters 5 " +
                                        std::string(c.option) + " " + c.path);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "zoma-sim: cannot write " + std::string(c.path) + ": " + c.why + "\n");
  }
  const cToolResult drawn = RunShell("zoma-sim --data " ZOMA_SOURCE_DIR "/data --seeds 1-1 --days 2 --critters 5 "
                                     "--plot sweep.svg --csv sweep.csv");
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_TRUE(Has(ReadText("sweep.svg"), "</svg>"));
  EXPECT_EQ(Lines(ReadText("sweep.csv")).size(), 3u);
}

// A day of weeks would keep the lab ticking for hours with no line: refused at once, with the
// length named. Day and night are added without wrapping round.
TEST_F(ToolFilesTest, SimRefusesDaysTooLongToRun) {
  const struct {
    const char* ini;
    const char* seconds;
  } cases[] = {
      {"day_length=-120\n", "4294850"},
      {"day_length=2147483647\n", "2147486"},
      {"day_length=86398\nnight_length=3\n", "86401"},
      {"day_length=-1\nnight_length=-1\n", "8589932"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    cScratchFolder::WriteIni(std::string("[game]\n") + c.ini);
    for (const char* seeds : {"--seed 1", "--seeds 1-4"}) {
      const cToolResult result = RunShell(std::string("zoma-sim --data . --days 2 ") + seeds);
      EXPECT_EQ(result.status, 1);
      EXPECT_EQ(result.err, "zoma-sim: a day and night here last " + std::string(c.seconds) +
                                " s of game time (day_length + night_length); the lab runs days of at most 86400 s "
                                "(24 hours)\n");
      EXPECT_EQ(result.out, "");
    }
  }
}

// One seed or a range of them, not both: whichever came last would otherwise win silently.
TEST_F(ToolFilesTest, SimRefusesASeedWithASeedRange) {
  for (const char* options : {"--seed 1 --seeds 1-2", "--seeds 1-2 --seed 1"}) {
    const cToolResult result = RunShell(std::string("zoma-sim --data " ZOMA_SOURCE_DIR "/data --days 1 ") + options);
    EXPECT_EQ(result.status, 2) << options;
    EXPECT_EQ(result.err, "zoma-sim: give either --seed N or --seeds A-B, not both (zoma-sim --help lists the options)\n")
        << options;
  }
}
}  // namespace
