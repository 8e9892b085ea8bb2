// Reading ZOMA.ini: the two key tables in read order (game-wide keys, then the keys of each
// species section), each key's default, conversion and destination, the mending of the few
// values on which the game would crash, hang or show nothing, and the warnings about values
// the game takes as they are although they make no sense.
#include "app/config.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "app/decimal_text.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "platform/data_file.h"
#include "platform/ini_file.h"
#include "world/day_clock.h"
#include "world/geometry.h"
#include "world/species.h"
#include "world/world.h"

std::optional<int> gNumCrittersOverride;
std::vector<std::string> gConfigDiagnostics;

namespace {
// Text values were read into 255-byte buffers: longer ones are cut to 254 characters.
constexpr size_t kTextLimit = 254;

// Used when day_length and night_length together give a cycle of 0 ms.
constexpr uint32_t kDefaultDayMs = 150000;
constexpr uint32_t kDefaultNightMs = 3000;

// A critter steps speed x 0.1 a tick, times its climb or swim on such ground. Move wraps a
// step once each way, so a longer step than the world leaves the critter outside it.
constexpr float kStepPerSpeed = 0.1f;

// The shipped camera limits, used when the file's cannot show the world.
constexpr float kShippedMinCameraDistance = 15.0f;
constexpr float kShippedMaxCameraDistance = 150.0f;
constexpr float kShippedCameraDistance = 50.0f;

constexpr double kMsPerDay = 86400000.0;

std::string Format(const char* format, double a) {
  std::string text(std::snprintf(nullptr, 0, format, a), '\0');
  std::snprintf(text.data(), text.size() + 1, format, a);
  return text;
}

// One key of one section, read and converted as the game reads it.
class cKeyReader {
 public:
  cKeyReader(const cIniFile& file, const std::string& section, const char* key)
      : file_(file), section_(section), key_(key) {}

  int32_t Int(int32_t fallback) const { return file_.GetInt(section_, key_, fallback); }
  // The file is expected to hold non-negative values here: the integer is taken as unsigned.
  float IntAsFloat(int32_t fallback) const { return static_cast<float>(static_cast<uint32_t>(Int(fallback))); }
  // Seconds in the file, milliseconds in the game; unsigned, so it wraps rather than overflows.
  uint32_t Milliseconds(int32_t fallbackSeconds) const {
    return static_cast<uint32_t>(Int(fallbackSeconds)) * 1000u;
  }
  bool Flag(int32_t fallback) const { return Int(fallback) != 0; }
  std::string Text(const char* fallback) const {
    return file_.GetString(section_, key_, fallback).substr(0, kTextLimit);
  }
  float Number(const char* fallback) const { return static_cast<float>(DecimalNumber(Text(fallback))); }
  cVector Triple(const char* fallback) const { return ParseTriple(Text(fallback)); }

  std::string Name() const { return section_ + "." + key_; }
  // "warning: ZOMA.ini: section.key=shown what", for a value the game takes as it is.
  void Warn(const std::string& shown, const std::string& what) const {
    gConfigDiagnostics.push_back("warning: ZOMA.ini: " + Name() + "=" + shown + " " + what);
  }
  // Lengths of time wrap as unsigned milliseconds: a negative one lasts about 49.7 days.
  void WarnIfNegativeLength(int32_t value, double heldMs) const {
    if (value >= 0) return;
    Warn(std::to_string(value), Format("is negative; the game takes it as %.0f ms", heldMs) +
                                    Format(", about %.1f days", heldMs / kMsPerDay));
  }
  // A length of time in whole seconds in the file, milliseconds in the game.
  uint32_t Seconds(int32_t fallbackSeconds) const {
    const uint32_t ms = Milliseconds(fallbackSeconds);
    WarnIfNegativeLength(Int(fallbackSeconds), ms);
    return ms;
  }
  // A length of time in milliseconds, kept signed as the game keeps it.
  int32_t CycleMs(int32_t fallback) const {
    const int32_t value = Int(fallback);
    WarnIfNegativeLength(value, static_cast<uint32_t>(value));
    return value;
  }
  float Speed(const char* fallback) const {
    const float speed = Number(fallback);
    if (!std::isfinite(speed))
      Warn(Text(fallback), "is not a finite number; the game uses it as it is, and critters of this species leave "
                           "the world when they move");
    else if (std::fabs(speed) * kStepPerSpeed > kWorldSize)
      Warn(Text(fallback), "carries a critter past the whole world in one step; the game uses it as it is, and "
                           "critters of this species leave the world when they move");
    else if (speed < 0.0f)
      Warn(Text(fallback), "is negative; the game uses it as it is, and critters of this species move backwards");
    return speed;
  }
  // climb or swim: the step on that ground is the speed's step times this. Even a critter
  // standing still steps infinity x 0 there, which is no number at all. A speed that is too
  // fast by itself has had its own line.
  float Ability(const char* fallback, float fastestSpeed, const char* ground) const {
    const float ability = Number(fallback);
    const std::string consequence =
        std::string("; the game uses it as it is, and critters of this species leave the world when they move ") + ground;
    if (!std::isfinite(ability)) {
      Warn(Text(fallback), "is not a finite number" + consequence);
    } else if (fastestSpeed * kStepPerSpeed <= kWorldSize && fastestSpeed * kStepPerSpeed * ability > kWorldSize) {
      Warn(Text(fallback), "carries a critter past the whole world in one step" + consequence);
    }
    return ability;
  }
  // Integers taken as unsigned: a negative one becomes a number near 4.29e9.
  float UnsignedAmount(int32_t fallback, const char* consequence) const {
    const float held = IntAsFloat(fallback);
    if (Int(fallback) < 0) {
      Warn(std::to_string(Int(fallback)), Format("is negative; the game takes it as %.0f", held) + consequence);
    }
    return held;
  }
  // Ranges against a walking, a running and a hidden avatar.
  cVector Perception(const char* fallback) const {
    const cVector ranges = Triple(fallback);
    const float numbers[] = {ranges.x, ranges.y, ranges.z};
    if (std::any_of(std::begin(numbers), std::end(numbers), [](float n) { return !std::isfinite(n); })) {
      Warn(Text(fallback), "has a number that is not finite; the game uses it as it is, and critters of this species "
                           "notice the avatar from anywhere and never lose it");
    } else if (std::any_of(std::begin(numbers), std::end(numbers), [](float n) { return n < 0.0f; })) {
      Warn(Text(fallback), "has a negative number; the game uses it as it is, and critters of this species never "
                           "notice the avatar in that case");
    }
    return ranges;
  }

 private:
  const cIniFile& file_;
  const std::string section_;
  const char* key_;
};

std::string Number(double value) { return Format("%g", value); }
std::string Triple(const cVector& v) { return Number(v.x) + " " + Number(v.y) + " " + Number(v.z); }

std::string SpeciesSection(int number) { return "species" + std::to_string(number); }

// Signed 32-bit sums wrap as the game's did, instead of overflowing.
int32_t WrappingSum(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// Used as a divisor by the world tick.
int MendEvolveInterval(int days) {
  if (days >= 1) return days;
  gConfigDiagnostics.push_back(Format("ZOMA.ini: game.evolve_interval=%.0f is below 1; using 1", days));
  return 1;
}

// From the 1-based number in the file to an index of the species table.
int AvatarSpeciesIndex(int32_t number) {
  int index = WrappingSum(number, -1);
  if (index >= gConfig.num_species) index = gConfig.num_species - 1;
  return std::max(index, 0);
}

// With a largest distance of 0 the camera sits on the avatar and the window stays black.
void MendCameraLimits() {
  if (gCamera.maxDistance > 0.0f) return;
  gConfigDiagnostics.push_back(Format("ZOMA.ini: game.max_camera_dist=%.0f cannot show the world; using 15, 150 and 50 "
                                      "for the smallest, largest and starting distance",
                                      gCamera.maxDistance));
  gCamera.minDistance = kShippedMinCameraDistance;
  gCamera.maxDistance = kShippedMaxCameraDistance;
  gCamera.distance = kShippedCameraDistance;
}

// The smallest distance wins over the largest, so one at or past the far plane (a negative one
// is taken as unsigned, so it lies there too) keeps the camera where it sees nothing.
void MendSmallestCameraDistance(const cKeyReader& in) {
  if (gCamera.minDistance < kCameraFarPlane) return;
  gConfigDiagnostics.push_back("ZOMA.ini: game.min_camera_dist=" + std::to_string(in.Int(0)) +
                               Format(" puts the camera beyond the farthest it sees (%.0f); using 15", kCameraFarPlane));
  gCamera.minDistance = kShippedMinCameraDistance;
}

// Each species and each critter takes memory and time on every tick; past these the game
// could not hold the world or would not play at any speed.
int32_t MendCount(const cKeyReader& in, int32_t value, int32_t most) {
  if (value <= most) return value;
  gConfigDiagnostics.push_back("ZOMA.ini: " + in.Name() + "=" + std::to_string(value) + " is above " +
                               std::to_string(most) + "; using " + std::to_string(most));
  return most;
}

void SetViewMode(bool follow) {
  gCamera.iso_cam = follow;
  if (follow) gCamera.pitch = 50.0f;
}

// A day and a night this long fit the 32-bit millisecond clock together (about 24.9 days each).
constexpr int32_t kLongestDayOrNightSeconds = INT32_MAX / 1000;

// Longer ones would overflow into a short, arbitrary time: the day then never ends, or ends
// at once. Negative ones are left to wrap, with the warning every negative length gets.
uint32_t DayOrNightMs(const cKeyReader& in, int32_t fallbackSeconds) {
  const int32_t seconds = in.Int(fallbackSeconds);
  if (seconds <= kLongestDayOrNightSeconds) return in.Seconds(fallbackSeconds);
  const double longestDays = kLongestDayOrNightSeconds * 1000.0 / kMsPerDay;
  gConfigDiagnostics.push_back("ZOMA.ini: " + in.Name() + "=" + std::to_string(seconds) +
                               " is longer than the game's millisecond clock can count; using " +
                               std::to_string(kLongestDayOrNightSeconds) + Format(" (about %.1f days)", longestDays));
  return static_cast<uint32_t>(kLongestDayOrNightSeconds) * 1000u;
}

// A zero-length cycle would make the day clock chase the game clock for ever.
void StartDayClock() {
  gDayClock.cycle_ms = gDayClock.day_ms + gDayClock.night_ms;
  if (gDayClock.cycle_ms == 0) {
    gConfigDiagnostics.push_back(
        "ZOMA.ini: game.day_length and game.night_length make a day cycle of 0 ms; using 150 and 3");
    gDayClock.day_ms = kDefaultDayMs;
    gDayClock.night_ms = kDefaultNightMs;
    gDayClock.cycle_ms = kDefaultDayMs + kDefaultNightMs;
  }
  gDayClock.cycle_start_ms = GameTime();
  gDayClock.is_day = true;
}

struct cGameKey {
  const char* section;
  const char* key;
  void (*read)(const cKeyReader& in);
  std::string (*held)();
};

// In read order; the motive clock and the day clock start where the game starts them.
const cGameKey kGameKeys[] = {
    {"game", "min_camera_dist",
     [](const cKeyReader& in) {
       gCamera.minDistance = in.IntAsFloat(0);
       MendSmallestCameraDistance(in);
     },
     [] { return Number(gCamera.minDistance); }},
    {"game", "max_camera_dist", [](const cKeyReader& in) { gCamera.maxDistance = in.IntAsFloat(0); },
     [] { return Number(gCamera.maxDistance); }},
    {"game", "default_camera_dist",
     [](const cKeyReader& in) {
       gCamera.distance = in.IntAsFloat(0);
       MendCameraLimits();
     },
     [] { return Number(gCamera.distance); }},
    {"combat", "turn_speed",
     [](const cKeyReader& in) {
       gConfig.turn_speed = in.IntAsFloat(2000);
       in.WarnIfNegativeLength(in.Int(2000), gConfig.turn_speed);
     },
     [] { return Number(gConfig.turn_speed); }},
    {"game", "tree_cover_distance",
     [](const cKeyReader& in) {
       gConfig.tree_cover_distance = in.UnsignedAmount(12, ", so a critter near any tree counts as under cover");
     },
     [] { return Number(gConfig.tree_cover_distance); }},
    {"game", "evolve_interval", [](const cKeyReader& in) { gConfig.evolve_interval = MendEvolveInterval(in.Int(3)); },
     [] { return Number(gConfig.evolve_interval); }},
    {"game", "carcass_decay_time",
     [](const cKeyReader& in) { gConfig.carcass_decay_time = static_cast<float>(in.Seconds(0)); },
     [] { return Number(gConfig.carcass_decay_time); }},
    {"game", "iso_cam", [](const cKeyReader& in) { SetViewMode(in.Flag(0)); },
     [] { return Number(gCamera.iso_cam); }},
    {"game", "victory_points",
     [](const cKeyReader& in) {
       gConfig.victory_points = in.Int(5);
       if (gConfig.victory_points < 1)
         in.Warn(std::to_string(gConfig.victory_points), "is below 1; the game is won at the first evolution");
     },
     [] { return Number(gConfig.victory_points); }},
    {"species", "num_species",
     [](const cKeyReader& in) { gConfig.num_species = MendCount(in, std::max(in.Int(1), 1), kMostSpecies); },
     [] { return Number(gConfig.num_species); }},
    {"species", "avatar_species", [](const cKeyReader& in) { gConfig.avatar_species = AvatarSpeciesIndex(in.Int(1)); },
     [] { return Number(gConfig.avatar_species); }},
    {"species", "num_critters",
     [](const cKeyReader& in) {
       gConfig.num_critters = MendCount(in, gNumCrittersOverride.value_or(in.Int(10)), kMostCritters);
       gWorld->motive_clock_ms = GameTime();
     },
     [] { return Number(gConfig.num_critters); }},
    {"game", "day_length", [](const cKeyReader& in) { gDayClock.day_ms = DayOrNightMs(in, 150); },
     [] { return Number(gDayClock.day_ms); }},
    {"game", "night_length",
     [](const cKeyReader& in) {
       gDayClock.night_ms = DayOrNightMs(in, 3);
       StartDayClock();
     },
     [] { return Number(gDayClock.night_ms); }},
    {"game", "motive_cycle",
     [](const cKeyReader& in) {
       gConfig.motive_cycle = in.CycleMs(500);
       if (gConfig.motive_cycle == 0) in.Warn("0", "makes the avatar's motive script run on every tick");
     },
     [] { return Number(gConfig.motive_cycle); }},
    {"game", "nesting_cycle",
     [](const cKeyReader& in) {
       gConfig.nesting_cycle = in.CycleMs(500);
       if (gConfig.nesting_cycle == 0) in.Warn("0", "makes the nesting script run on every tick of a nest visit");
     },
     [] { return Number(gConfig.nesting_cycle); }},
};

bool IsByte(float number) { return number >= 0.0f && number <= 255.0f; }

cVector ColourFromBytes(const cVector& bytes) {
  constexpr float kByteScale = 1.0f / 255.0f;
  return cVector(bytes.x * kByteScale, bytes.y * kByteScale, bytes.z * kByteScale);
}

struct cSpeciesKey {
  const char* key;
  void (*read)(const cKeyReader& in, cSpeciesRecord& species);
  std::string (*held)(const cSpeciesRecord& species);
};

// In read order. proportion_sum arrives holding the total of the species before this one.
const cSpeciesKey kSpeciesKeys[] = {
    {"color",
     [](const cKeyReader& in, cSpeciesRecord& s) {
       const cVector bytes = in.Triple("255,255,255");
       if (!IsByte(bytes.x) || !IsByte(bytes.y) || !IsByte(bytes.z))
         in.Warn(in.Text("255,255,255"), "has a number outside 0..255; it is drawn as the nearer of 0 and 255");
       s.color = ColourFromBytes(bytes);
     },
     [](const cSpeciesRecord& s) { return Triple(s.color); }},
    {"attack",
     [](const cKeyReader& in, cSpeciesRecord& s) {
       s.attack = in.UnsignedAmount(1, ", far stronger than any other value");
     },
     [](const cSpeciesRecord& s) { return Number(s.attack); }},
    {"defend",
     [](const cKeyReader& in, cSpeciesRecord& s) {
       s.defend = in.UnsignedAmount(1, ", far stronger than any other value");
     },
     [](const cSpeciesRecord& s) { return Number(s.defend); }},
    {"walk_speed", [](const cKeyReader& in, cSpeciesRecord& s) { s.walk_speed = in.Speed("0"); },
     [](const cSpeciesRecord& s) { return Number(s.walk_speed); }},
    {"nocturnal", [](const cKeyReader& in, cSpeciesRecord& s) { s.nocturnal = in.Flag(1); },
     [](const cSpeciesRecord& s) { return Number(s.nocturnal); }},
    {"attack_avatar", [](const cKeyReader& in, cSpeciesRecord& s) { s.attack_avatar = in.Flag(1); },
     [](const cSpeciesRecord& s) { return Number(s.attack_avatar); }},
    {"run_speed", [](const cKeyReader& in, cSpeciesRecord& s) { s.run_speed = in.Speed("0"); },
     [](const cSpeciesRecord& s) { return Number(s.run_speed); }},
    {"climb",
     [](const cKeyReader& in, cSpeciesRecord& s) {
       s.climb = in.Ability("0", std::max(std::fabs(s.walk_speed), std::fabs(s.run_speed)), "on steep ground");
     },
     [](const cSpeciesRecord& s) { return Number(s.climb); }},
    {"swim",
     [](const cKeyReader& in, cSpeciesRecord& s) {
       s.swim = in.Ability("0", std::max(std::fabs(s.walk_speed), std::fabs(s.run_speed)), "in water");
     },
     [](const cSpeciesRecord& s) { return Number(s.swim); }},
    {"proportion",
     [](const cKeyReader& in, cSpeciesRecord& s) { s.proportion_sum = WrappingSum(s.proportion_sum, in.Int(10)); },
     [](const cSpeciesRecord& s) { return Number(s.proportion_sum); }},
    {"perception", [](const cKeyReader& in, cSpeciesRecord& s) { s.perception = in.Perception("60,80,20"); },
     [](const cSpeciesRecord& s) { return Triple(s.perception); }},
    {"neighbor_distance",
     [](const cKeyReader& in, cSpeciesRecord& s) {
       s.neighbor_distance = in.UnsignedAmount(20, ", so critters of this species flock with every critter they notice");
     },
     [](const cSpeciesRecord& s) { return Number(s.neighbor_distance); }},
};

void ReadSpecies(const cIniFile& file, int number) {
  cSpeciesRecord species;
  species.index = number - 1;
  species.proportion_sum = gSpeciesTable.empty() ? 0 : gSpeciesTable.back().proportion_sum;
  const std::string section = SpeciesSection(number);
  for (const cSpeciesKey& key : kSpeciesKeys) key.read(cKeyReader(file, section, key.key), species);
  gSpeciesTable.push_back(species);
}

// Critters draw their species as rand() mod the total: a total of 0 divides by zero, and a
// negative one can match no species at all. Equal shares keep every species in the game.
void MendProportions() {
  const int total = gSpeciesTable.back().proportion_sum;
  if (total > 0) return;
  gConfigDiagnostics.push_back(Format("ZOMA.ini: the speciesN.proportion values total %.0f; using 1 for each species",
                                      total));
  for (cSpeciesRecord& species : gSpeciesTable) species.proportion_sum = species.index + 1;
}
}  // namespace

std::string ConfigurationPath() {
  char* directory = getcwd(nullptr, 0);  // glibc sizes the buffer, so any depth works
  if (directory == nullptr) return "ZOMA.ini";
  std::string path = directory;
  std::free(directory);
  if (path.empty() || path.back() != '/') path += '/';
  return path + "ZOMA.ini";
}

void ApplyConfiguration(const cIniFile& file) {
  gConfigDiagnostics.clear();
  for (const cGameKey& key : kGameKeys) key.read(cKeyReader(file, key.section, key.key));
  gSpeciesTable.clear();
  for (int number = 1; number <= gConfig.num_species; ++number) ReadSpecies(file, number);
  MendProportions();
}

void ReadConfigurationFile(const std::string& path) {
  const cDataFile file = ReadDataFile(path);
  ApplyConfiguration(cIniFile::FromText(file.text));
  if (!file.Read())
    gConfigDiagnostics.insert(gConfigDiagnostics.begin(), "ZOMA.ini: " + path + " " + file.problem + "; using the defaults");
}

void ReadConfiguration() {
  ReadConfigurationFile(ConfigurationPath());
  for (const std::string& line : gConfigDiagnostics) std::printf("%s\n", line.c_str());
  std::fflush(stdout);  // seen at once even when standard output is a file
}

std::vector<std::string> DescribeConfiguration() {
  std::vector<std::string> lines;
  for (const cGameKey& key : kGameKeys)
    lines.push_back(std::string(key.section) + "." + key.key + " = " + key.held());
  for (const cSpeciesRecord& species : gSpeciesTable) {
    const std::string section = SpeciesSection(species.index + 1);
    for (const cSpeciesKey& key : kSpeciesKeys) lines.push_back(section + "." + key.key + " = " + key.held(species));
  }
  return lines;
}

cVector ParseTriple(const std::string& text) {
  // Without a comma, both the part before and the part after it are the whole text.
  auto split = [](const std::string& whole, std::string& after) {
    const size_t comma = whole.find(',');
    after = comma == std::string::npos ? whole : whole.substr(comma + 1);
    return static_cast<float>(DecimalNumber(whole.substr(0, comma)));
  };
  std::string rest, last;
  const float a = split(text, rest);
  const float b = split(rest, last);
  const float c = static_cast<float>(DecimalNumber(last));
  return cVector(a, b, c);
}
