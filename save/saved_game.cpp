// The save document's top level: header, records, world and sections, in both directions.
#include "save/saved_game.h"

#include <utility>

#include "game/random.h"
#include "platform/data_file.h"
#include "platform/version.h"
#include "world/world.h"

cPlayedData gPlayedData;

namespace {
std::vector<cSaveSection> gSections;

void CheckHeader(const cSaveNode& document) {
  if (!document.Json().is_object()) throw cSaveError("is not a ZOMA save (no JSON object)");
  const auto format = document.Json().find("format");
  if (format == document.Json().end() || *format != "zoma-save") throw cSaveError("is not a ZOMA save (no \"format\": \"zoma-save\")");
  const int64_t version = document["version"].Integer(1, INT32_MAX);
  if (version > kSaveVersion) {
    throw cSaveError("is a save of version " + std::to_string(version) + ", newer than this build's version " +
                     std::to_string(kSaveVersion));
  }
}
}  // namespace

void AddSaveSection(cSaveSection section) {
  for (cSaveSection& known : gSections) {
    if (known.name == section.name) {
      known = std::move(section);
      return;
    }
  }
  gSections.push_back(std::move(section));
}

std::string SaveGameText() {
  json document;
  document["format"] = "zoma-save";
  document["version"] = kSaveVersion;
  document["build"] = std::string("ZOMA ") + kZomaVersion + " (" + kZomaCommit + ")";
  document["seed"] = WorldSeed();
  document["day"] = total_days;
  document["ini"] = gPlayedData.ini ? json(*gPlayedData.ini) : json(nullptr);
  WriteGameRecords(document);
  WriteWorld(*gWorld, document);
  const cObjectIndex index(*gWorld);
  document["sections"] = json::object();
  for (const cSaveSection& section : gSections) document["sections"][section.name] = section.write(index);
  // Non-ASCII script text is written escaped: a file that is not valid UTF-8 still saves.
  return document.dump(-1, ' ', true, json::error_handler_t::replace) + "\n";
}

cSavedGame ReadSavedGame(const std::string& text) {
  json parsed;
  try {
    parsed = json::parse(text);
  } catch (const json::parse_error& error) {
    if (text.empty()) throw cSaveError("is empty");
    throw cSaveError("is truncated or not JSON (at byte " + std::to_string(error.byte) + ")");
  } catch (const json::exception&) {
    throw cSaveError("holds a number too large for any field (not finite)");
  }
  const cSaveNode document(parsed, "");
  CheckHeader(document);
  cSavedGame game;
  game.seed = document["seed"].Uint32();
  if (!document["ini"].IsNull()) game.played.ini = document["ini"].String();
  game.records = ReadGameRecords(document);
  game.world = ReadWorld(document, game.records.config.num_species);
  const cObjectTable table(*game.world);
  const cSaveNode sections = document["sections"];
  static const json kNone;
  for (const cSaveSection& section : gSections) {
    const auto found = sections.Json().is_object() ? sections.Json().find(section.name) : sections.Json().end();
    const bool present = sections.Json().is_object() && found != sections.Json().end();
    game.sectionInstalls.push_back(
        section.read(cSaveNode(present ? *found : kNone, "sections." + section.name), table));
  }
  return game;
}

namespace {
std::optional<std::string> FolderText(const char* file) {
  cDataFile read = ReadDataFile(file);
  if (read.Read()) return std::move(read.text);
  return std::nullopt;
}
}  // namespace

std::vector<std::string> DataDifferingFromFolder(const cSavedGame& game) {
  std::vector<std::string> differing;
  if (FolderText("ZOMA.ini") != game.played.ini) differing.push_back("ZOMA.ini");
  for (int i = 0; i < kGameScriptCount; ++i) {
    const cGameScriptSource& source = GameScriptSource(static_cast<eGameScript>(i));
    std::optional<std::string> text = FolderText(source.file);
    if (!text && source.fallback) text = source.fallback;
    if (text != game.records.scripts[i]) differing.push_back(source.file);
  }
  return differing;
}

void InstallSavedGame(cSavedGame game) {
  SetWorldSeed(game.seed);
  gPlayedData = std::move(game.played);
  InstallGameRecords(game.records);
  delete gWorld;
  gWorld = game.world.release();
  for (const std::function<void()>& install : game.sectionInstalls) install();
}
