// Data files saved while the game runs: the folder watch (in place, by rename, half-written,
// removed) and what a saved script does to the running program, whatever stands in its place.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/data_reload.h"
#include "platform/data_file.h"
#include "platform/folder_watch.h"
#include "render/file_notice.h"
#include "render/notices.h"
#include "script/game_scripts.h"
#include "script/script_program.h"
#include "script/script_reload.h"
#include "tests/scratch_folder.h"

namespace {
// Long enough for the kernel to hand over events on a loaded machine; a wait ends early as
// soon as something arrives.
constexpr int kEventWaitMs = 2000;
constexpr int kQuietWaitMs = 100;

std::string Listing(eGameScript script) {
  std::string text;
  for (const cScriptInstruction& i : GameScriptProgram(script).Instructions()) text += ScriptInstructionText(i) + "; ";
  return text;
}

// Reloads whatever the watch reports, capturing standard output with the compiler's lines.
struct cReload {
  std::vector<std::string> lines;
  std::string printed;
};
cReload ReloadAfterEvents(int waitMs = kEventWaitMs) {
  testing::internal::CaptureStdout();
  cReload reload;
  reload.lines = RestAndReloadData(waitMs);
  reload.printed = testing::internal::GetCapturedStdout();
  return reload;
}

class DataReloadTest : public testing::Test {
 protected:
  void SetUp() override {
    cScratchFolder::Write("combat.txt", "damage = 5\n");
    testing::internal::CaptureStdout();
    InitGameScripts();
    testing::internal::GetCapturedStdout();
    ASSERT_TRUE(WatchDataFolder());
  }
  void TearDown() override { ResetGameScripts(); }
  cScratchFolder folder_;
};

TEST(FolderWatchTest, ReportsFinishedWritesRenamesAndRemovalsFoldedByName) {
  cScratchFolder folder;
  cFolderWatch watch;
  ASSERT_TRUE(watch.Watch("."));
  EXPECT_TRUE(watch.Wait(0).empty());
  cScratchFolder::Write("a.txt", "1");
  cScratchFolder::Write("b.tmp", "2");
  std::filesystem::rename("b.tmp", "b.txt");
  std::vector<cFolderChange> changes = watch.Wait(kEventWaitMs);
  // Events may straggle in: gather until all three names were seen.
  for (int tries = 0; tries < 5 && changes.size() < 3; ++tries)
    for (const cFolderChange& c : watch.Wait(kEventWaitMs)) changes.push_back(c);
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0].name, "a.txt");
  EXPECT_TRUE(changes[0].written);
  EXPECT_EQ(changes[1].name, "b.tmp");
  EXPECT_TRUE(changes[1].written && changes[1].removed) << "written, then renamed away";
  EXPECT_EQ(changes[2].name, "b.txt");
  EXPECT_TRUE(changes[2].written && !changes[2].removed) << "renamed in";

  std::filesystem::remove("a.txt");
  changes = watch.Wait(kEventWaitMs);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_TRUE(changes[0].removed && !changes[0].written);

  // A file still open for writing is not reported; its close is.
  {
    std::ofstream half("c.txt");
    half << "partial" << std::flush;
    EXPECT_TRUE(watch.Wait(kQuietWaitMs).empty());
  }
  changes = watch.Wait(kEventWaitMs);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_TRUE(changes[0].written);
}

TEST(FolderWatchTest, AFolderThatCannotBeWatchedLeavesTheWatchOffAndStillRests) {
  cFolderWatch watch;
  EXPECT_FALSE(watch.Watch("/no/such/folder"));
  EXPECT_FALSE(watch.Watching());
  EXPECT_TRUE(watch.Wait(1).empty());
}

TEST_F(DataReloadTest, AScriptSavedInPlaceOrByRenameReplacesTheRunningOne) {
  cScratchFolder::Write("combat.txt", "damage = 7\n");
  cReload reload = ReloadAfterEvents();
  EXPECT_EQ(reload.lines, std::vector<std::string>{"combat.txt: reloaded"});
  EXPECT_EQ(reload.printed, "combat.txt: reloaded\n");
  EXPECT_EQ(Listing(eGameScript::kCombat), "pushc 7; assign damage; ");
  EXPECT_EQ(GameScriptTexts()[static_cast<int>(eGameScript::kCombat)], "damage = 7\n") << "a save carries the new text";

  // An editor's save: a temporary file renamed over the old one. The temporary name is ignored.
  cScratchFolder::Write(".combat.txt.swp", "damage = 9\n");
  std::filesystem::rename(".combat.txt.swp", "combat.txt");
  reload = ReloadAfterEvents();
  EXPECT_EQ(reload.lines, std::vector<std::string>{"combat.txt: reloaded"});
  EXPECT_EQ(Listing(eGameScript::kCombat), "pushc 9; assign damage; ");
  EXPECT_EQ(Listing(eGameScript::kNesting), "pushc 100; assign health; ") << "other scripts stay";
}

TEST_F(DataReloadTest, ABrokenScriptKeepsThePreviousOneUntilItIsMended) {
  cScratchFolder::Write("combat.txt", "damage = 8\n\nhealth = ;\n");
  cReload reload = ReloadAfterEvents();
  EXPECT_EQ(reload.printed, "parse error\ncombat.txt:3: parse error here; the previous script stays\n");
  EXPECT_EQ(reload.lines, std::vector<std::string>{"combat.txt:3: parse error here; the previous script stays"});
  EXPECT_EQ(Listing(eGameScript::kCombat), "pushc 5; assign damage; ") << "not even the part before the error";
  EXPECT_EQ(GameScriptTexts()[static_cast<int>(eGameScript::kCombat)], "damage = 5\n");

  cScratchFolder::Write("combat.txt", "damage = 8\n\nhealth = 1\n");
  reload = ReloadAfterEvents();
  EXPECT_EQ(reload.lines, std::vector<std::string>{"combat.txt: reloaded"});
  EXPECT_EQ(Listing(eGameScript::kCombat), "pushc 8; assign damage; pushc 1; assign health; ");
}

TEST_F(DataReloadTest, ARemovedScriptKeepsItsLastGoodTextNotTheFallback) {
  std::filesystem::remove("combat.txt");
  const cReload reload = ReloadAfterEvents();
  EXPECT_EQ(reload.lines, std::vector<std::string>{"combat.txt was removed; the previous script stays"});
  EXPECT_EQ(Listing(eGameScript::kCombat), "pushc 5; assign damage; ");
}

// Removed and written again before the game looks (an editor's backup step): only the new text counts.
TEST_F(DataReloadTest, ARemovalFollowedByANewFileIsOneReload) {
  std::filesystem::rename("combat.txt", "combat.txt~");
  cScratchFolder::Write("combat.txt", "damage = 6\n");
  cReload reload = ReloadAfterEvents();
  for (int tries = 0; tries < 5 && reload.lines.empty(); ++tries) reload = ReloadAfterEvents();
  EXPECT_EQ(reload.lines, std::vector<std::string>{"combat.txt: reloaded"});
  EXPECT_EQ(Listing(eGameScript::kCombat), "pushc 6; assign damage; ");
  // Only the removal seen, but the file is back: its write is still to come, so nothing is said.
  EXPECT_TRUE(ReloadChangedData({cFolderChange{"combat.txt", false, true}}).empty());
}

// Whatever stands in a script's place, the game goes on with the script it had.
TEST_F(DataReloadTest, NothingInAScriptsPlaceCrashesHangsOrReplacesTheScript) {
  std::mt19937 random(7);
  std::string binary(4096, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  binary[0] = '(';  // no NUL up front, so the bytes are scanned
  struct cCase {
    const char* what;
    void (*place)(const std::string& binary);
    const char* line;
  } cases[] = {
      {"folder", [](const std::string&) { std::filesystem::create_directory("combat.txt"); },
       "combat.txt is a folder; the previous script stays"},
      {"FIFO", [](const std::string&) { ASSERT_EQ(mkfifo("combat.txt", 0600), 0); },
       "combat.txt is a FIFO, not a regular file; the previous script stays"},
      {"huge", [](const std::string&) { cScratchFolder::Write("combat.txt", std::string(kDataFileLimit + 1, ' ')); },
       "combat.txt is larger than 1 MiB; the previous script stays"},
      // The scanner would end the process on a name it cannot hold.
      {"overlong name",
       [](const std::string&) {
         cScratchFolder::Write("combat.txt", "damage = 1\nx = " + std::string(20000, 'z') + "\n");
       },
       "combat.txt:2: name or number too long here; the previous script stays"},
      {"binary", [](const std::string& bytes) { cScratchFolder::Write("combat.txt", bytes); }, nullptr},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all("combat.txt");
    c.place(binary);
    testing::internal::CaptureStdout();
    const std::vector<std::string> lines = ReloadChangedData({cFolderChange{"combat.txt", true, false}});
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(lines.size(), 1u);
    if (c.line) EXPECT_EQ(lines[0], c.line);
    else EXPECT_NE(lines[0].find("; the previous script stays"), std::string::npos) << lines[0];
    EXPECT_EQ(Listing(eGameScript::kCombat), "pushc 5; assign damage; ");
  }
}

TEST_F(DataReloadTest, TheLongestNameTheScannerHoldsIsStillCompiled) {
  cScratchFolder::Write("combat.txt", "damage = " + std::string(kLongestReloadedWord, 'z') + "\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReloadGameScript(eGameScript::kCombat), "combat.txt: reloaded");
  testing::internal::GetCapturedStdout();
}

// Shown for six seconds of game time; a long listing is cut to fit a small window.
TEST(FileNoticeTest, ShowsTheLatestLinesForAWhileCutToFit) {
  ResetNotices();
  EXPECT_TRUE(FileNoticeLines(0).empty());
  ShowFileNotice({"combat.txt: reloaded"}, 1000);
  ShowFileNotice({}, 2000);  // nothing to say leaves the notice alone
  EXPECT_EQ(FileNoticeLines(1000 + kFileNoticeMs - 1), std::vector<std::string>{"combat.txt: reloaded"});
  EXPECT_TRUE(FileNoticeLines(1000 + kFileNoticeMs).empty());

  const std::string longLine(kFileNoticeMostCharacters + 1, 'x');
  ShowFileNotice({longLine, "2", "3", "4", "5", "6"}, 0xFFFFF000u);  // shown just before the clock wraps
  const std::vector<std::string> lines = FileNoticeLines(0x10u);
  ASSERT_EQ(lines.size(), kFileNoticeMostLines);
  EXPECT_EQ(lines[0], std::string(kFileNoticeMostCharacters - 3, 'x') + "...");
  EXPECT_EQ(lines[2], "3");
  EXPECT_EQ(lines[3], "and 3 more on standard output");
  ResetNotices();
  EXPECT_TRUE(FileNoticeLines(0x10u).empty());
}

TEST_F(DataReloadTest, OtherFilesInTheFolderAreIgnored) {
  cScratchFolder::Write("notes.txt", "damage = 1\n");
  EXPECT_TRUE(ReloadAfterEvents(kQuietWaitMs).lines.empty());
  EXPECT_TRUE(ReloadChangedData({cFolderChange{"ZOMA.ini~", true, true}}).empty());
}
}  // namespace
