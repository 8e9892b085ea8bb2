// A save is a file people share: every fault of one is refused with one line naming the file
// and what is wrong, before anything of the running game is touched.
#include <gtest/gtest.h>

#include <functional>

#include "save/save_files.h"
#include "tests/save_test_support.h"
#include "tests/scratch_folder.h"
#include "tests/tool_run.h"

namespace {
// A good save of the shipped data's game (40 critters, 5 species) a little way in.
const std::string& GoodSave() {
  static const std::string text = [] {
    cShippedGame game;
    game.Start(11, true);
    game.Ticks(600);
    return SaveGameText();
  }();
  return text;
}

using cEdit = std::function<void(json&)>;

cEdit Set(const char* pointer, json value) {
  return [pointer, value](json& save) { save[json::json_pointer(pointer)] = value; };
}

cEdit Remove(const char* pointer) {
  return [pointer](json& save) {
    const json::json_pointer at(pointer);
    save[at.parent_pointer()].erase(at.back());
  };
}

struct cRefusal {
  const char* name;
  std::function<std::string()> text;  // the file's bytes
  std::string message;                // the whole line, or its start when it ends in "..."
};

std::function<std::string()> Edited(cEdit edit) {
  return [edit] {
    json save = json::parse(GoodSave());
    edit(save);
    return save.dump();
  };
}

std::function<std::string()> Raw(std::string text) {
  return [text] { return text; };
}

std::string LongList(size_t count) { return json(std::vector<int>(count, 0)).dump(); }

const cRefusal kRefusals[] = {
    {"empty", Raw(""), "s.json: is empty"},
    {"not JSON", Raw("saved game"), "s.json: is truncated or not JSON (at byte 1)"},
    {"truncated", [] { return GoodSave().substr(0, GoodSave().size() / 2); }, "s.json: is truncated or not JSON (at byte ..."},
    {"another format", Raw(R"({"format": "thrive-save", "version": 1})"),
     "s.json: is not a ZOMA save (no \"format\": \"zoma-save\")"},
    {"a JSON list", Raw("[1, 2]"), "s.json: is not a ZOMA save (no JSON object)"},
    {"newer version", Edited(Set("/version", 2)), "s.json: is a save of version 2, newer than this build's version 1"},
    {"missing field", Edited(Remove("/critters/0/health")), "s.json: critters[0].health is missing"},
    {"mistyped field", Edited(Set("/critters/0/health", "full")), "s.json: critters[0].health is \"full\", not a number"},
    {"mistyped flag", Edited(Set("/avatar/hidden", 1)), "s.json: avatar.hidden is 1, not true or false"},
    {"state outside its enum", Edited(Set("/critters/12/state", 9)), "s.json: critters[12].state is 9, not a critter state"},
    {"species outside the table", Edited(Set("/critters/3/species", 5)), "s.json: critters[3].species is 5, not a species (0..4)"},
    {"critter index out of range", Edited(Set("/critters/0/prey", 40)), "s.json: critters[0].prey is 40, but critters has 40 entries"},
    {"plant index out of range", Edited(Set("/critters/0/known_plants", json::array({500}))),
     "s.json: critters[0].known_plants[0] is 500, but plants has 500 entries"},
    {"object of no list", Edited(Set("/objects/0", json::array({"rock", 0}))), "s.json: objects[0][0] is \"rock\", not a list of objects"},
    {"object twice", Edited(Set("/objects/1", json::array({"plant", 0}))), "s.json: objects[1] names an object a second time"},
    {"negative count", Edited(Set("/settings/num_critters", -5)), "s.json: settings.num_critters is -5, not in 0..10000"},
    {"absurd species count", Edited(Set("/settings/num_species", 100000)), "s.json: settings.num_species is 100000, not in 1..1000"},
    {"settings without a field", Raw(R"({"format": "zoma-save", "version": 1, "seed": 1, "ini": null, "settings": )" +
                                      std::string("{}}")),
     "s.json: settings.turn_speed is missing"},
    {"too many species", Edited(Set("/species", json::parse(LongList(1001)))), "s.json: species has 1001 entries, more than 1000"},
    {"too many neighbours", Edited(Set("/critters/0/neighbours", json::parse(LongList(42)))),
     "s.json: critters[0].neighbours has 42 entries, more than 41"},
    {"not a finite number", Raw(R"({"format": "zoma-save", "version": 1, "seed": 1e999})"),
     "s.json: holds a number too large for any field (not finite)"},
    {"position outside the world", Edited(Set("/critters/0/position", json::array({9999, 0, 0, 1}))),
     "s.json: critters[0].position is outside the world"},
    {"float too large for a float", Edited(Set("/avatar/energy", 1e300)), "s.json: avatar.energy is 1e+300, too large for a float"},
    {"integer too large for its type", Edited(Set("/clock/game_time_ms", 5000000000LL)),
     "s.json: clock.game_time_ms is 5000000000, not in 0..4294967295"},
    {"fraction for a whole number", Edited(Set("/critters/0/state", 1.5)), "s.json: critters[0].state is 1.5, not a whole number"},
    {"day without end", Edited([](json& s) { s["day_clock"]["day_ms"] = 0, s["day_clock"]["night_ms"] = 0; }),
     "s.json: day_clock.night_ms makes a day and night of 0 ms"},
    {"terrain class", Edited([](json& s) { s["terrain"][3] = std::string(63, '1') + "3"; }),
     "s.json: terrain[3] has '3' at 63, not a terrain class (1, 2 or 4)"},
    {"fight with itself", Edited(Set("/fights", json::array({{{"a", 1}, {"b", 1}, {"attacker", nullptr}, {"centre", {0, 0, 0, 1}},
                                                              {"done", false}, {"turn", -1}, {"last_round_ms", 0}}}))),
     "s.json: fights[0].b is the fight's other side too"},
    {"running meal without food", Edited(Set("/meals", json::array({{{"food", nullptr}, {"eater", -1}, {"done", false}}}))),
     "s.json: meals[0].food is null, not a whole number"},
    {"no nest", Edited(Set("/nests", json::array())), "s.json: nests is empty, but the avatar needs its nest"},
    {"graph of seven days", Edited(Set("/population_history", json::parse(LongList(7)))),
     "s.json: population_history has 7 entries, more than 6"},
    {"graph sample of more species", Edited(Set("/population_history/0/awake", json::array({json::parse(LongList(6))}))),
     "s.json: population_history[0].awake[0] has 6 entries, more than 5"},
    // The day under way counts on from its figures: more than the counters hold would run past them.
    {"graph day past the counters", Edited([](json& s) {
       s["counters"]["avatar_kills"] = 2;
       s["population_history"] = json::array({{{"day", 0}, {"awake", json::array()}, {"deaths", json::array()}, {"kills", 3}, {"meals", 0}}});
     }),
     "s.json: population_history[0].kills is 3, not in 0..2"},
    {"graph figure past the axis", Edited([](json& s) {
       s["population_history"] = json::array({{{"day", 0}, {"awake", json::array()}, {"deaths", json::array()}, {"kills", 0}, {"meals", 0}}});
       s["population_history"].insert(s["population_history"].begin(), s["population_history"][0]);
       s["population_history"][0]["meals"] = 4294967296LL;
     }),
     "s.json: population_history[0].meals is 4294967296, not in 0..2147483647"},
};

void PrintTo(const cRefusal& c, std::ostream* out) { *out << c.name; }

class SaveRefusal : public ::testing::TestWithParam<cRefusal> {};

TEST_P(SaveRefusal, NamesTheFileAndTheFaultAndLeavesTheGameAlone) {
  const cRefusal& c = GetParam();
  const std::string good = GoodSave();
  const cScratchFolder folder;
  cScratchFolder::Write("s.json", c.text());
  const std::string path = std::filesystem::absolute("s.json");
  cShippedGame game;
  ASSERT_TRUE(game.Start(12, false));
  const std::string before = SaveGameText();
  const std::optional<std::string> problem = LoadGameFrom(path, "s.json");
  ASSERT_TRUE(problem.has_value()) << c.name;
  const bool prefix = c.message.size() > 3 && c.message.compare(c.message.size() - 3, 3, "...") == 0;
  if (prefix) {
    EXPECT_EQ(problem->substr(0, c.message.size() - 3), c.message.substr(0, c.message.size() - 3)) << c.name;
  } else {
    EXPECT_EQ(*problem, c.message) << c.name;
  }
  EXPECT_TRUE(SaveGameText() == before) << c.name << ": the running game changed";
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveRefusal, ::testing::ValuesIn(kRefusals));

TEST(SaveRefusalFiles, MissingOrNotAFile) {
  const cScratchFolder folder;
  std::filesystem::create_directory("folder.json");
  EXPECT_EQ(LoadGameFrom("nowhere.json"), "nowhere.json: does not exist");
  EXPECT_EQ(LoadGameFrom("folder.json"), "folder.json: is a folder");
}

// zoma-sim: one line on standard error and exit status 1.
TEST(SaveRefusalTool, SimulatorRefusesABadSave) {
  const cScratchFolder folder;
  json save = json::parse(GoodSave());
  save["critters"][12]["state"] = 9;
  cScratchFolder::Write("s.json", save.dump());
  const cToolResult result = RunShell("zoma-sim --data " ZOMA_SOURCE_DIR "/data --load s.json --ticks 10");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "zoma-sim: s.json: critters[12].state is 9, not a critter state\n");
  EXPECT_EQ(result.out, "");
}
}  // namespace
