// Start-up loading of the script files: whatever stands in a file's place, and the line that
// names the file where a script stopped compiling.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/data_file.h"
#include "script/game_scripts.h"
#include "tests/scratch_folder.h"

namespace {
class ScriptFilesTest : public testing::Test {
 protected:
  void TearDown() override { ResetGameScripts(); }
  cScratchFolder folder_;
};

size_t CompiledSize(eGameScript script) { return GameScriptProgram(script).Size(); }

// A folder, a FIFO or a runaway file counts as missing: a line names it, and the built-in
// text (or nothing, for the script without one) is compiled instead.
TEST_F(ScriptFilesTest, APathThatIsNotAReadableRegularFileTakesTheFallback) {
  std::filesystem::create_directory("combat.txt");
  cScratchFolder::Write("nesting.txt", "health = 5\n" + std::string(kDataFileLimit, ' '));
  ASSERT_EQ(mkfifo("species_evolve.txt", 0600), 0);
  cScratchFolder::Write("move_nest.txt", "health = 5 energy = 6\n");
  cScratchFolder::Write("avatar_motives.txt", "# the hunters most.\nhealth = 1 # no line break after this\n");
  testing::internal::CaptureStdout();
  InitGameScripts();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            " the hunters most. no line break after this\n"
            "combat.txt is a folder; it counts as missing\n"
            "nesting.txt is larger than 1 MiB; it counts as missing\n"
            "species_evolve.txt is a FIFO, not a regular file; it counts as missing\n");
  EXPECT_EQ(CompiledSize(eGameScript::kCombat), 2u) << "damage = 20";
  EXPECT_EQ(CompiledSize(eGameScript::kNesting), 2u) << "health = 100";
  EXPECT_EQ(CompiledSize(eGameScript::kSpeciesEvolve), 0u);
  EXPECT_EQ(CompiledSize(eGameScript::kMoveNest), 4u) << "a sound file is read as before";
}

// The parser's own message stays as it is; the line after it says which file and where.
TEST_F(ScriptFilesTest, AScriptThatStopsCompilingIsNamedWithItsLine) {
  cScratchFolder::Write("combat.txt", "# blows\ndamage = 20\n\nhealth = ;\n");
  cScratchFolder::Write("carry_carcass.txt", "x = " + std::string(10001, '(') + "1");
  testing::internal::CaptureStdout();
  InitGameScripts();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            " blows\nparse error\ncombat.txt:4: parse error here\n"
            "parser stack overflow\ncarry_carcass.txt:1: parser stack overflow here\n");
  EXPECT_EQ(CompiledSize(eGameScript::kCombat), 2u) << "what compiled before the error stays";
}
// A name too long for the scanner still ends the game with the scanner's own message, which now
// says which file; comment text before it ends its line first.
TEST(ScriptFilesDeathTest, ATokenTooLongIsFatalAndNamesItsFile) {
  const std::string text = "# first\nx = " + std::string(17000, 'w');
  cScriptProgram program;
  EXPECT_EXIT(
      {
        CompileScriptText("combat.txt", text, program);
        std::fflush(stdout);
      },
      testing::ExitedWithCode(2), "^combat.txt: input buffer overflow, can't enlarge buffer because scanner uses REJECT\n$");
}
}  // namespace
