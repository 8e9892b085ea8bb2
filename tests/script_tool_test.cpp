// zoma-script as a designer uses it: exit statuses and messages of `check`, the values `run`
// prints, the shipped scripts compiling cleanly, and every example of docs/scripting.md.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "script/bound_names.h"
#include "tests/scratch_folder.h"
#include "tests/tool_run.h"

namespace {
class ScriptToolTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(ZOMA_BINARY_DIR "/zoma-script")) << "build the zoma-script target first";
  }
  cScratchFolder folder_;
};

TEST_F(ScriptToolTest, CheckStatusesAndMessages) {
  struct cCheckCase {
    const char* what;
    std::string text;
    int status;
    std::string out;
    std::string err;
  };
  const cCheckCase cases[] = {
      {"clean", "health = 20", 0, "s.txt: 2 instructions\n", ""},
      {"syntax error", "a = 1\nb = 2;", 1, "parse error\ns.txt:2: parse error here\ns.txt: 4 instructions\n", ""},
      {"error at the end", "if (a)\n b = 1\n\n", 1, "parse error\ns.txt:2: parse error here\ns.txt: 4 instructions\n", ""},
      {"stack overflow", "x = " + std::string(10001, '(') + "1", 2,
       "parser stack overflow\ns.txt:1: parser stack overflow here\ns.txt: 0 instructions\n", ""},
      {"token too long", "# a note\nx = " + std::string(16383, 'z'), 2, " a note\n",
       "s.txt: input buffer overflow, can't enlarge buffer because scanner uses REJECT\n"},
      {"comment before a syntax error", "# a note\nb = 2;", 1,
       " a note\nparse error\ns.txt:2: parse error here\ns.txt: 2 instructions\n", ""},
  };
  for (const cCheckCase& c : cases) {
    cScratchFolder::Write("s.txt", c.text);
    const cToolResult result = RunShell("zoma-script check s.txt");
    EXPECT_EQ(result.status, c.status) << c.what;
    EXPECT_EQ(result.out, c.out) << c.what;
    EXPECT_EQ(result.err, c.err) << c.what;
  }
}

TEST_F(ScriptToolTest, CheckReportsEveryFileAndTheWorstStatus) {
  cScratchFolder::Write("good.txt", "x = 1");
  cScratchFolder::Write("bad.txt", "x = ;");
  const cToolResult result = RunShell("zoma-script check good.txt bad.txt good.txt");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "good.txt: 2 instructions\nparse error\nbad.txt:1: parse error here\n"
                        "bad.txt: 0 instructions\ngood.txt: 2 instructions\n");
}

// A file that cannot be read ends with status 3; a bad command line (a missing file name, an
// unknown command or option, a value run cannot place) with status 2 and one line.
TEST_F(ScriptToolTest, UnreadableFilesEndWith3AndUsageErrorsWith2) {
  cScratchFolder::Write("s.txt", "x = 1");
  const cToolResult missing = RunShell("zoma-script check s.txt missing.txt");
  EXPECT_EQ(missing.status, 3);
  EXPECT_EQ(missing.err, "zoma-script: missing.txt does not exist\n");
  for (const char* arguments : {"", "check", "frobnicate s.txt", "run", "run s.txt nobody=1", "run s.txt x=",
                                "run s.txt x=abc", "run s.txt x", "check --bogus s.txt", "run s.txt --seed"}) {
    const cToolResult result = RunShell(std::string("zoma-script ") + arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(Lines(result.err).size(), 1u) << arguments << ": " << result.err;
  }
}

// A seed that is not a whole 32-bit number would otherwise be read as far as it goes (0 for
// "abc", 1 for "1x", the largest number for 23 digits) and repeat some other run.
TEST_F(ScriptToolTest, RunRefusesASeedThatIsNoWhole32BitNumber) {
  cScratchFolder::Write("s.txt", "x = RAND");
  for (const char* seed : {"abc", "1x", "12345678901234567890123", "4294967296", "-1", "", " 7"}) {
    const cToolResult result = RunShell(std::string("zoma-script run s.txt --seed '") + seed + "'");
    EXPECT_EQ(result.status, 2) << seed;
    EXPECT_EQ(result.err, std::string("zoma-script: --seed takes a whole number from 0 to 4294967295, not ") + seed +
                              " (zoma-script --help lists the options)\n");
    EXPECT_EQ(result.out, "") << seed;
  }
  const cToolResult largest = RunShell("zoma-script run s.txt --seed 4294967295");
  EXPECT_EQ(largest.status, 0) << largest.err;
  EXPECT_EQ(largest.out, RunShell("zoma-script run s.txt --seed 4294967295").out) << "the same seed, the same draw";
}

TEST_F(ScriptToolTest, ShippedScriptsCompileCleanly) {
  const cToolResult result = RunShell("cd " ZOMA_SOURCE_DIR "/data && zoma-script check *.txt");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out.find("parse error"), std::string::npos) << result.out;
  for (const char* file : {"avatar_motives.txt", "combat.txt", "nesting.txt", "evolutionPoints.txt",
                           "move_nest.txt", "carry_carcass.txt", "species_evolve.txt"}) {
    EXPECT_NE(result.out.find(std::string(file) + ": "), std::string::npos) << file;
  }
}

TEST_F(ScriptToolTest, RunPrintsEveryNameInSlotOrder) {
  cScratchFolder::Write("s.txt", "total = hunger + 2.5 * extra");
  const cToolResult result = RunShell("zoma-script run s.txt hunger=10 extra=4");
  ASSERT_EQ(result.status, 0) << result.err;
  std::vector<std::string> expected;
  for (const cBoundScriptName& bound : kBoundScriptNames)
    expected.push_back(std::string(bound.name) + " = " + (bound.slot == kSlotHunger ? "10" : "0"));
  expected.insert(expected.end(), {"total = 20", "extra = 4"});
  EXPECT_EQ(Lines(result.out), expected) << "number texts have slots but are not shown";
}

// Expected output lines, where a line "..." stands for any number of lines.
bool MatchLines(const std::vector<std::string>& expected, size_t e, const std::vector<std::string>& actual, size_t a) {
  if (e == expected.size()) return a == actual.size();
  if (expected[e] == "...") {
    for (size_t skip = a; skip <= actual.size(); ++skip) {
      if (MatchLines(expected, e + 1, actual, skip)) return true;
    }
    return false;
  }
  return a < actual.size() && expected[e] == actual[a] && MatchLines(expected, e + 1, actual, a + 1);
}

struct cDocExample {
  int line = 0;  // of the command in the doc
  std::string script;
  std::string command;
  std::vector<std::string> output;
};

// Every ```console block, with the ```script block before it.
std::vector<cDocExample> DocExamples(const std::string& markdown) {
  std::vector<cDocExample> examples;
  std::string script;
  const std::vector<std::string> lines = Lines(markdown);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != "```script" && lines[i] != "```console") continue;
    const bool isScript = lines[i] == "```script";
    std::vector<std::string> block;
    const int start = static_cast<int>(i) + 2;
    for (++i; i < lines.size() && lines[i] != "```"; ++i) block.push_back(lines[i]);
    if (isScript) {
      script.clear();
      for (const std::string& line : block) script += line + "\n";
    } else if (!block.empty() && block[0].rfind("$ ", 0) == 0) {
      examples.push_back({start, script, block[0].substr(2), {block.begin() + 1, block.end()}});
    } else {
      ADD_FAILURE() << "console block without a command at docs/scripting.md:" << start;
    }
  }
  return examples;
}

TEST_F(ScriptToolTest, EveryExampleOfTheScriptingGuideHolds) {
  const std::vector<cDocExample> examples = DocExamples(ReadText(ZOMA_SOURCE_DIR "/docs/scripting.md"));
  ASSERT_GE(examples.size(), 10u);
  for (const cDocExample& example : examples) {
    cScratchFolder::Write("example.txt", example.script);
    const cToolResult result = RunShell(example.command);
    EXPECT_TRUE(MatchLines(example.output, 0, Lines(result.out), 0))
        << "docs/scripting.md:" << example.line << ": " << example.command << "\n--- printed:\n"
        << result.out << result.err;
  }
}

// The README's worked example runs the shipped combat script from data/ with the tool in build/.
TEST_F(ScriptToolTest, ReadmeWorkedExampleHolds) {
  const std::vector<std::string> lines = Lines(ReadText(ZOMA_SOURCE_DIR "/README.md"));
  const std::string prompt = "    $ cd data && ../build/zoma-script ";
  const auto command = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& line) { return line.rfind(prompt, 0) == 0; });
  ASSERT_NE(command, lines.end());
  std::vector<std::string> expected;
  for (auto line = command + 1; line != lines.end() && line->rfind("    ", 0) == 0; ++line) expected.push_back(line->substr(4));
  const cToolResult result = RunShell("cd " ZOMA_SOURCE_DIR "/data && zoma-script " + command->substr(prompt.size()));
  EXPECT_EQ(Lines(result.out), expected) << result.err;
}
}  // namespace
