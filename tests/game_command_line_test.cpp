// The game's command line: its own options, the timedemo's, GLUT's seven handed on in order,
// and one line with status 2 for anything else.
#include "app/game_command_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {
struct cParsed {
  cGameCommandLine line;
  std::string out, err;
};

cParsed Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "zoma");
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  cParsed parsed;
  parsed.line = ParseGameCommandLine(static_cast<int>(arguments.size()), arguments.data());
  parsed.out = testing::internal::GetCapturedStdout();
  parsed.err = testing::internal::GetCapturedStderr();
  return parsed;
}

TEST(GameCommandLineTest, GlutOptionsGoToGlutAndTheDataFolderIsKept) {
  const cParsed parsed = Parse({"-display", ":7", "--data", "my data", "-sync", "-geometry", "640x480+0+0", "-iconic"});
  EXPECT_FALSE(parsed.line.exitStatus);
  EXPECT_EQ(parsed.line.dataFolder, "my data");
  EXPECT_EQ(parsed.line.glutArguments,
            (std::vector<std::string>{"zoma", "-display", ":7", "-sync", "-geometry", "640x480+0+0", "-iconic"}));
  EXPECT_FALSE(parsed.line.demo.isDemo);
  EXPECT_EQ(parsed.out + parsed.err, "");
}

TEST(GameCommandLineTest, TimedemoOptionsGoToTheTimedemo) {
  const cParsed parsed = Parse({"--view", "night", "--data", "d", "--shot", "3", "f.ppm", "--critters", "5", "--plain"});
  EXPECT_FALSE(parsed.line.exitStatus);
  ASSERT_TRUE(parsed.line.demo.isDemo);
  EXPECT_EQ(parsed.line.demo.error, "");
  const cDemoOptions& options = parsed.line.demo.options;
  EXPECT_EQ(options.shotFrame, 3);
  EXPECT_EQ(options.shotFile, "f.ppm");
  EXPECT_EQ(options.views, std::vector<eDemoView>{eDemoView::kNight});
  EXPECT_EQ(options.critters, 5);
  EXPECT_TRUE(options.plain);
  EXPECT_EQ(parsed.line.dataFolder, "d");
}

// --seed N names the world wherever it stands; the last one given wins.
TEST(GameCommandLineTest, SeedIsAWholeNumberFromTheCommandLine) {
  const struct {
    std::vector<const char*> arguments;
    std::optional<uint32_t> seed;
  } cases[] = {
      {{}, std::nullopt},
      {{"--seed", "42"}, 42u},
      {{"-display", ":1", "--seed", "0", "-sync"}, 0u},
      {{"--seed", "4294967295", "--timedemo", "5"}, 4294967295u},
      {{"--seed", "1", "--seed", "2"}, 2u},
  };
  for (const auto& c : cases) {
    const cParsed parsed = Parse(c.arguments);
    EXPECT_FALSE(parsed.line.exitStatus) << testing::PrintToString(c.arguments);
    EXPECT_EQ(parsed.line.seed, c.seed) << testing::PrintToString(c.arguments);
  }
  EXPECT_EQ(Parse({"-display", ":1", "--seed", "3", "-sync"}).line.glutArguments,
            (std::vector<std::string>{"zoma", "-display", ":1", "-sync"}));
}

TEST(GameCommandLineTest, HelpAndVersionAnswerOnStandardOutput) {
  for (const char* option : {"--help", "-h"}) {
    const cParsed parsed = Parse({"-sync", option, "--bogus"});
    EXPECT_EQ(parsed.line.exitStatus, 0) << option;
    EXPECT_EQ(parsed.out.rfind("usage: zoma ", 0), 0u) << option;
    for (const char* part : {"--data DIR", "-display NAME", "--timedemo FRAMES", "$XDG_DATA_HOME/zoma/data", "Exit status:"})
      EXPECT_NE(parsed.out.find(part), std::string::npos) << part;
    EXPECT_EQ(parsed.err, "");
  }
  const cParsed version = Parse({"--version"});
  EXPECT_EQ(version.line.exitStatus, 0);
  EXPECT_EQ(version.out.rfind("zoma 0.", 0), 0u) << version.out;
  EXPECT_EQ(version.err, "");
}

TEST(GameCommandLineTest, AnythingElseIsOneLineAndStatus2) {
  const struct {
    std::vector<const char*> arguments;
    std::string line;
  } cases[] = {
      {{"--bogus"}, "zoma: unknown option --bogus (zoma --help lists the options)\n"},
      {{"-x"}, "zoma: unknown option -x (zoma --help lists the options)\n"},
      {{"-displayx", ":0"}, "zoma: unknown option -displayx (zoma --help lists the options)\n"},
      {{"save.json"}, "zoma: unknown option save.json (zoma --help lists the options)\n"},
      {{"--data"}, "zoma: --data needs a value (zoma --help lists the options)\n"},
      {{"-display"}, "zoma: -display needs a value (zoma --help lists the options)\n"},
      {{"--shot", "3"}, "zoma: --shot needs two values (zoma --help lists the options)\n"},
      {{"--view", "follow"}, "zoma: --view needs --timedemo or --shot (zoma --help lists the options)\n"},
      {{"--seed"}, "zoma: --seed needs a value (zoma --help lists the options)\n"},
      {{"--seed", "4294967296"}, "zoma: --seed needs a whole number from 0 to 4294967295 (zoma --help lists the options)\n"},
      {{"--seed", "-1"}, "zoma: --seed needs a whole number from 0 to 4294967295 (zoma --help lists the options)\n"},
      {{"--seed", " 7"}, "zoma: --seed needs a whole number from 0 to 4294967295 (zoma --help lists the options)\n"},
      {{"--seed", "7x"}, "zoma: --seed needs a whole number from 0 to 4294967295 (zoma --help lists the options)\n"},
  };
  for (const auto& c : cases) {
    const cParsed parsed = Parse(c.arguments);
    EXPECT_EQ(parsed.line.exitStatus, 2) << c.line;
    EXPECT_EQ(parsed.err, c.line);
    EXPECT_EQ(parsed.out, "");
  }
}
}  // namespace
