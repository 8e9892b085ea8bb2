// Each record of a save comes back as it was written: a hand-made world holding every kind of
// reference a game can make (the avatar as a neighbour and a prey, a carried carcass, a visit to
// a carcass, ended records that lost their object, a timed cover exit), and the game records
// beside it. Also the files: where saves go, atomic writing, the autosave rotation and the newest.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/save_commands.h"
#include "dialog/advance_dialog.h"
#include "dialog/evolution.h"
#include "render/notices.h"
#include "save/save_files.h"
#include "tests/save_test_support.h"
#include "tests/scratch_folder.h"
#include "tests/tool_run.h"
#include "world/advances.h"
#include "world/script_hooks.h"

using namespace world_test;

namespace {
class SaveRecords : public cWorldTest {
 protected:
  void SetUp() override {
    cWorldTest::SetUp();
    ResetAutopilot();  // an earlier test's autopilot would name critters of its own world
    gConfig.num_species = static_cast<int>(gSpeciesTable.size());
    a = AddCritter(At(100, 100), 1);
    b = AddCritter(At(104, 100), 2);
    plant = AddPlant(At(50, 60));
    carcass = gWorld->AddCarcass(At(398, 400));
    spare = gWorld->AddCarcass(At(10, 20));
    a->neighbours = {avatar, b};
    a->known_plants = {plant};
    a->prey = avatar;
    a->cover_exit_ms = 4294967000u;
    a->state = kStateGoingHome;
    a->heading = 0.1f;  // not a short decimal as a float
    avatar->carried = carcass;
    carcass->carrier = avatar;
    avatar->advance_counts[3] = 2;
    gWorld->StartFight(a, b);
    gWorld->fights.back().attacker = b;
    gWorld->StartMeal(b, spare);
    gWorld->meals.push_back(cMeal{nullptr, a, true});
    gWorld->StartNestVisit(avatar, carcass);
    gWorld->nest_visits.push_back(cNestVisit{nullptr, b, 77, true});
    gWorld->counters.CountCritterDeath(2);
    advance_history = {1, 3};
    total_days = 5, days_alive = 2, can_evolve = false;
    SeedRandom(123456789u);
  }
  cKeltoGameCritter *a = nullptr, *b = nullptr;
  cKeltoGamePlant* plant = nullptr;
  cKeltoGameCarcass *carcass = nullptr, *spare = nullptr;
};

TEST_F(SaveRecords, EveryReferenceAndValueComesBack) {
  const std::string text = SaveGameText();
  InstallSavedGame(ReadSavedGame(text));
  EXPECT_TRUE(SaveGameText() == text) << FirstDifference(SaveGameText(), text);

  cKeltoGameWorld& w = *gWorld;
  ASSERT_EQ(w.critters.size(), 2u);
  const cKeltoGameCritter& loadedA = *w.critters[0];
  EXPECT_EQ(loadedA.neighbours, (std::vector<cKeltoGameCritter*>{w.avatar, w.critters[1]}));
  EXPECT_EQ(loadedA.known_plants, std::vector<cKeltoGamePlant*>{w.plants[0]});
  EXPECT_EQ(loadedA.prey, w.avatar);
  EXPECT_EQ(loadedA.cover_exit_ms, std::optional<uint32_t>(4294967000u));
  EXPECT_EQ(loadedA.state, kStateFighting);
  EXPECT_EQ(loadedA.heading, 0.1f);
  EXPECT_EQ(w.avatar->carried, w.carcasses[0]);
  EXPECT_EQ(w.carcasses[0]->carrier, w.avatar);
  EXPECT_EQ(w.avatar->advance_counts[3], 2);
  EXPECT_TRUE(w.avatar->is_avatar);
  EXPECT_FALSE(loadedA.is_avatar);
  ASSERT_EQ(w.fights.size(), 1u);
  EXPECT_EQ(w.fights.front().attacker, w.critters[1]);
  ASSERT_EQ(w.meals.size(), 2u);
  EXPECT_EQ(w.meals.front().food, w.carcasses[1]);
  EXPECT_EQ(w.meals.back().food, nullptr);
  ASSERT_EQ(w.nest_visits.size(), 2u);
  EXPECT_EQ(w.nest_visits.front().nest, w.carcasses[0]);
  EXPECT_EQ(w.nest_visits.back().last_run_ms, 77u);
  EXPECT_EQ(w.counters.deaths_by_species, (std::vector<long>{0, 0, 1}));
  EXPECT_EQ(advance_history, (std::vector<int>{1, 3}));
  EXPECT_EQ(total_days, 5);
  EXPECT_EQ(days_alive, 2);
  EXPECT_FALSE(can_evolve);
  EXPECT_EQ(RandomState(), 123456789u);
  // The objects list keeps its order: plants and carcasses after the critters made first.
  EXPECT_EQ(w.objects.size(), 6u);
  EXPECT_EQ(w.objects[0], w.nests[0]);
  EXPECT_EQ(w.objects.back(), w.carcasses[1]);
}

// The graph's days come back, and a save from before the graph was saved loads with none.
TEST_F(SaveRecords, TheGraphsDaysComeBackAndAnOlderSaveHasNone) {
  cDayHistory day;
  day.day = 4;
  day.awake = {{3, 1, 0}, {2, 2, 1}};
  day.deaths = {0, 0, 1};
  gWorld->history.SetDays(*gWorld, {day, day});
  const std::string text = SaveGameText();
  InstallSavedGame(ReadSavedGame(text));
  ASSERT_EQ(gWorld->history.Days().size(), 2u);
  EXPECT_EQ(gWorld->history.Days().back().awake, day.awake);
  EXPECT_EQ(gWorld->history.Days().back().deaths, day.deaths);
  json older = json::parse(text);
  older.erase("population_history");
  InstallSavedGame(ReadSavedGame(older.dump()));
  EXPECT_TRUE(gWorld->history.Days().empty());
}

TEST_F(SaveRecords, FloatsComeBackBitForBit) {
  const float awkward[] = {0.1f, 1.0f / 3.0f, 1e-38f, 3.4028235e38f, -0.0f, 16777217.0f, 1.17549435e-38f / 3.0f};
  for (const float value : awkward) {
    a->energy = value;
    InstallSavedGame(ReadSavedGame(SaveGameText()));
    const float loaded = gWorld->critters[0]->energy;
    EXPECT_EQ(std::memcmp(&loaded, &value, sizeof value), 0) << value;
    a = gWorld->critters[0];
  }
}

TEST_F(SaveRecords, AGameHoldingANonFiniteValueIsNotSaved) {
  a->health = std::nanf("");
  const cScratchFolder folder;
  EXPECT_EQ(SaveGameTo("s.json"), "s.json: not saved: health is not a finite number");
  EXPECT_FALSE(std::filesystem::exists("s.json"));
}

// Where saves go, and what happens when they cannot go there.
class SaveFiles : public SaveRecords {
 protected:
  void SetUp() override {
    SaveRecords::SetUp();
    const char* old = std::getenv("XDG_DATA_HOME");
    oldDataHome_ = old ? std::optional<std::string>(old) : std::nullopt;
    setenv("XDG_DATA_HOME", std::filesystem::current_path().c_str(), 1);
  }
  void TearDown() override {
    if (oldDataHome_) {
      setenv("XDG_DATA_HOME", oldDataHome_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
    SaveRecords::TearDown();
  }
  const cScratchFolder folder_;
  std::optional<std::string> oldDataHome_;
};

TEST_F(SaveFiles, FolderFollowsTheXdgRules) {
  setenv("XDG_DATA_HOME", "/somewhere", 1);
  EXPECT_EQ(SavesFolder(), "/somewhere/zoma/saves");
  setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: ignored, as the rules say
  EXPECT_EQ(SavesFolder(), std::string(std::getenv("HOME")) + "/.local/share/zoma/saves");
  unsetenv("XDG_DATA_HOME");
  const std::string home = std::getenv("HOME");
  EXPECT_EQ(SavesFolder(), home + "/.local/share/zoma/saves");
  setenv("HOME", "relative-home", 1);  // no absolute data home: the current folder keeps the saves
  EXPECT_EQ(SavesFolder(), ".local/share/zoma/saves");
  setenv("HOME", home.c_str(), 1);
}

TEST_F(SaveFiles, WritingIsAtomicAndAFolderThatCannotBeMadeIsNamed) {
  ASSERT_EQ(SaveGameTo("deep/er/s.json"), std::nullopt);
  const std::string first = ReadText("deep/er/s.json");
  total_days = 6;
  ASSERT_EQ(SaveGameTo("deep/er/s.json"), std::nullopt);
  EXPECT_NE(ReadText("deep/er/s.json"), first);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator("deep/er")) files += entry.is_regular_file();
  EXPECT_EQ(files, 1) << "a temporary file was left behind";

  cScratchFolder::Write("plain", "a file, not a folder");
  EXPECT_EQ(SaveGameTo("plain/s.json"), "plain: cannot create the folder: Not a directory");
  EXPECT_EQ(ReadText("deep/er/s.json").empty(), false);
}

int DayOf(const std::string& path) { return json::parse(ReadText(path))["day"].get<int>(); }

// The oldest of the three is replaced; file times are set by hand, as saves made in one
// millisecond may share one.
TEST_F(SaveFiles, AutosavesRotateThroughThreeFiles) {
  const std::string saves = SavesFolder();
  const auto start = std::filesystem::file_time_type::clock::now();
  for (int day = 1; day <= 5; ++day) {
    total_days = day;
    ASSERT_EQ(Autosave(saves), std::nullopt);
    for (int slot = 1; slot <= 3; ++slot) {
      const std::string path = saves + "/autosave-" + std::to_string(slot) + ".json";
      if (std::filesystem::exists(path) && DayOf(path) == day) {
        std::filesystem::last_write_time(path, start + std::chrono::seconds(day));
      }
    }
  }
  EXPECT_EQ(DayOf(saves + "/autosave-1.json"), 4);
  EXPECT_EQ(DayOf(saves + "/autosave-2.json"), 5);
  EXPECT_EQ(DayOf(saves + "/autosave-3.json"), 3);
  EXPECT_EQ(NewestSave(saves), saves + "/autosave-2.json");
  EXPECT_EQ(NewestSave(saves + "/none"), std::nullopt);
}

// F5 and F9 as the player sees them: the notice, the file, and a failed load that changes nothing.
TEST_F(SaveFiles, QuickSaveAndLoadTellThePlayer) {
  ResetNotices();
  QuickLoad();
  EXPECT_EQ(SaveNoticeLines(TimeGetTime()),
            std::vector<std::string>{"Game not loaded: " + QuicksavePath() + ": does not exist"});
  QuickSave();
  EXPECT_EQ(SaveNoticeLines(TimeGetTime()), std::vector<std::string>{"Game saved"});
  const std::string saved = SaveGameText();
  a->health = 3.0f;
  total_days = 9;
  QuickLoad();
  EXPECT_EQ(SaveNoticeLines(TimeGetTime()), std::vector<std::string>{"Game loaded"});
  EXPECT_TRUE(SaveGameText() == saved);
  EXPECT_TRUE(SaveNoticeLines(TimeGetTime() + kSaveNoticeMs).empty());
}

// An opening of the evolution dialog is the replaced avatar's: Ok after F9 would hand its counts
// to the loaded avatar. A load that fails replaces nothing, so the opening stays.
TEST_F(SaveFiles, ALoadClosesTheEvolutionDialogAFailedOneDoesNot) {
  BuildEvolutionDialog();
  OpenEvolutionDialog();
  ASSERT_TRUE(gEvolutionDialog.Raise(0));
  QuickLoad();
  EXPECT_TRUE(EvolutionDialogVisible()) << "a failed load closed the dialog";
  EXPECT_EQ(gEvolutionDialog.counts[0], avatar->advance_counts[0] + 1);
  QuickSave();
  QuickLoad();
  EXPECT_FALSE(EvolutionDialogVisible());
  OpenEvolutionDialog();
  EXPECT_EQ(gEvolutionDialog.counts[0], gWorld->GetAvatar()->advance_counts[0]) << "the old opening survived";
  ResetEvolution();
}

TEST_F(SaveFiles, ANewDayAutosaves) {
  AutosaveOnNewDay();
  EXPECT_FALSE(std::filesystem::exists(SavesFolder() + "/autosave-1.json")) << "saved without a new day";
  ++total_days;
  AutosaveOnNewDay();
  EXPECT_EQ(DayOf(SavesFolder() + "/autosave-1.json"), total_days);
  AutosaveOnNewDay();
  EXPECT_FALSE(std::filesystem::exists(SavesFolder() + "/autosave-2.json")) << "saved twice for one day";
  total_days = 0;  // a new world (N N) starts its days again
  AutosaveOnNewDay();
  EXPECT_FALSE(std::filesystem::exists(SavesFolder() + "/autosave-2.json")) << "a new world's first day saved";
  ++total_days;
  AutosaveOnNewDay();
  EXPECT_EQ(DayOf(SavesFolder() + "/autosave-2.json"), total_days);
}

}  // namespace
