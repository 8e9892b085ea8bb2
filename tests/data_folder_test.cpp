// The data folder rule: which folder the game reads, the player's folder under the XDG data
// home, and its first-run copy of the installed data, made whole or not at all.
#include "app/data_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/folder_copy.h"
#include "tests/scratch_folder.h"
#include "tests/tool_run.h"

namespace fs = std::filesystem;

namespace {
TEST(DataFolderTest, PlayerFolderFollowsTheXdgRules) {
  const struct {
    const char* xdgDataHome;
    const char* home;
    std::string expected;
  } cases[] = {
      {"/x/data", "/home/me", "/x/data/zoma/data"},
      {nullptr, "/home/me", "/home/me/.local/share/zoma/data"},
      {"", "/home/me", "/home/me/.local/share/zoma/data"},
      {"relative/data", "/home/me", "/home/me/.local/share/zoma/data"},  // a relative one is ignored
      {nullptr, nullptr, ""},
      {nullptr, "relative-home", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlayerDataFolder(c.xdgDataHome, c.home), c.expected)
        << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}

TEST(DataFolderTest, AnyDataFileInAnyFormMakesADataFolder) {
  cScratchFolder scratch;
  fs::create_directory("empty");
  fs::create_directory("other");
  cScratchFolder::Write("other/README", "not ours");
  fs::create_directory("ini");
  cScratchFolder::Write("ini/ZOMA.ini", "");
  fs::create_directory("script");
  cScratchFolder::Write("script/species_evolve.txt", "x = 1");
  fs::create_directories("folder/ZOMA.ini");
  EXPECT_FALSE(IsDataFolder("empty"));
  EXPECT_FALSE(IsDataFolder("other"));
  EXPECT_FALSE(IsDataFolder("missing"));
  EXPECT_TRUE(IsDataFolder("ini"));
  EXPECT_TRUE(IsDataFolder("script"));
  EXPECT_TRUE(IsDataFolder("folder"));
  EXPECT_EQ(DataFileNames().size(), 8u);
}

// A scratch world: the current folder (not a data folder), a player's folder not yet made, and
// installed data with every data file and one file that is not data.
class DataFolderChoiceTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string root = fs::current_path().string();
    places_.current = root + "/here";
    places_.player = root + "/xdg/zoma/data";
    places_.installed = root + "/usr/share/zoma";
    fs::create_directories(places_.current);
    fs::create_directories(places_.installed);
    for (const std::string& name : DataFileNames()) {
      cScratchFolder::Write(places_.installed + "/" + name, "shipped " + name + "\n");
    }
    cScratchFolder::Write(places_.installed + "/notes.txt", "not data");
  }
  // Folders beside the player's folder other than itself: a copy left half-way.
  static int Siblings(const std::string& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(folder).parent_path())) {
      count += entry.path() != fs::path(folder);
    }
    return count;
  }
  cScratchFolder scratch_;
  cDataFolderPlaces places_;
};

TEST_F(DataFolderChoiceTest, FirstRunCopiesTheInstalledDataWithOneNote) {
  const cDataFolder chosen = ChooseDataFolder(std::nullopt, places_);
  EXPECT_EQ(chosen.folder, places_.player);
  EXPECT_EQ(chosen.problem, "");
  EXPECT_EQ(chosen.note, "made your data folder " + places_.player + " from " + places_.installed +
                             "; edit ZOMA.ini and the scripts there to change the game");
  for (const std::string& name : DataFileNames()) {
    EXPECT_EQ(ReadText(places_.player + "/" + name), "shipped " + name + "\n") << name;
  }
  EXPECT_FALSE(fs::exists(places_.player + "/notes.txt"));
  EXPECT_EQ(Siblings(places_.player), 0);
  struct stat info {};
  ASSERT_EQ(stat(places_.player.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0755u);
}

TEST_F(DataFolderChoiceTest, LaterRunsUseThePlayersFolderAsItIs) {
  ChooseDataFolder(std::nullopt, places_);
  cScratchFolder::Write(places_.player + "/ZOMA.ini", "edited");
  fs::remove(places_.player + "/combat.txt");
  const cDataFolder again = ChooseDataFolder(std::nullopt, places_);
  EXPECT_EQ(again.folder, places_.player);
  EXPECT_EQ(again.note, "");
  EXPECT_EQ(ReadText(places_.player + "/ZOMA.ini"), "edited");
  EXPECT_FALSE(fs::exists(places_.player + "/combat.txt"));
}

TEST_F(DataFolderChoiceTest, AnExistingEmptyPlayersFolderIsNotFilled) {
  fs::create_directories(places_.player);
  const cDataFolder chosen = ChooseDataFolder(std::nullopt, places_);
  EXPECT_EQ(chosen.folder, places_.player);
  EXPECT_EQ(chosen.note, "");
  EXPECT_TRUE(fs::is_empty(places_.player));
}

TEST_F(DataFolderChoiceTest, ANamedFolderOrADataFolderHereIsUsedWithoutACopy) {
  const cDataFolder named = ChooseDataFolder(std::string("elsewhere"), places_);
  EXPECT_EQ(named.folder, "elsewhere");
  cScratchFolder::Write(places_.current + "/nesting.txt", "x = 1");
  const cDataFolder here = ChooseDataFolder(std::nullopt, places_);
  EXPECT_EQ(here.folder, places_.current);
  EXPECT_EQ(named.note + here.note, "");
  EXPECT_FALSE(fs::exists(places_.player));
}

TEST_F(DataFolderChoiceTest, WithNothingInstalledOrNoHomeTheCurrentFolderStands) {
  cDataFolderPlaces nothingInstalled = places_;
  nothingInstalled.installed = "";
  cDataFolderPlaces noHome = places_;
  noHome.player = "";
  for (const cDataFolderPlaces& places : {nothingInstalled, noHome}) {
    const cDataFolder chosen = ChooseDataFolder(std::nullopt, places);
    EXPECT_EQ(chosen.folder, places_.current);
    EXPECT_EQ(chosen.note + chosen.problem, "");
  }
  EXPECT_FALSE(fs::exists(places_.player));
}

TEST_F(DataFolderChoiceTest, AFolderThatCannotBeMadeIsNamedAndTheCurrentOneUsed) {
  cScratchFolder::Write("xdg", "a file where the data home should be");
  const cDataFolder chosen = ChooseDataFolder(std::nullopt, places_);
  EXPECT_EQ(chosen.folder, places_.current);
  EXPECT_NE(chosen.problem.find("cannot make " + fs::current_path().string() + "/xdg/zoma"), std::string::npos)
      << chosen.problem;
  EXPECT_EQ(chosen.note, "");
}

// Another program that made the folder first keeps its copy; nothing half-made is left.
TEST_F(DataFolderChoiceTest, ACopyLosingTheRaceLeavesTheWinnersFolder) {
  fs::create_directories(places_.player);
  cScratchFolder::Write(places_.player + "/ZOMA.ini", "the winner's");
  EXPECT_EQ(CopyIntoNewFolder(places_.installed, DataFileNames(), places_.player), "");
  EXPECT_EQ(ReadText(places_.player + "/ZOMA.ini"), "the winner's");
  EXPECT_EQ(Siblings(places_.player), 0);
}
}  // namespace
