// Reading the timedemo's options; anything it does not know is an error, not passed on.
#include "app/demo_options.h"

#include <cstdlib>
#include <cstring>

namespace {
struct cViewName {
  const char* name;
  eDemoView view;
};
const cViewName kViewNames[] = {
    {"follow", eDemoView::kFollow},         {"curved", eDemoView::kCurvedHorizon},
    {"night", eDemoView::kNight},           {"world", eDemoView::kWholeWorld},
    {"debug", eDemoView::kDebugLines},      {"fight", eDemoView::kFight},
    {"evolution", eDemoView::kEvolution},   {"nest", eDemoView::kNestBuilding},
    {"walk", eDemoView::kWalk},             {"kill", eDemoView::kKill},
    {"graph", eDemoView::kGraph},
};

bool IsDemoOption(const char* arg) {
  return std::strcmp(arg, "--timedemo") == 0 || std::strcmp(arg, "--shot") == 0;
}

// A whole positive number, or nothing.
std::optional<int> PositiveNumber(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 1 || value > 1000000) return std::nullopt;
  return static_cast<int>(value);
}

class cArgumentReader {
 public:
  cArgumentReader(int argc, const char* const* argv) : argc_(argc), argv_(argv) {}
  bool Done() const { return next_ >= argc_; }
  const char* Next() { return next_ < argc_ ? argv_[next_++] : nullptr; }

 private:
  int argc_;
  const char* const* argv_;
  int next_ = 1;
};

// Reads one option and its values into `options`; returns the error, empty when none.
std::string ReadOption(const std::string& option, cArgumentReader& args, cDemoOptions& options) {
  auto number = [&args](std::optional<int>& into) {
    const char* text = args.Next();
    into = text ? PositiveNumber(text) : std::nullopt;
    return into.has_value();
  };
  std::optional<int> value;
  if (option == "--timedemo") {
    if (!number(value)) return "--timedemo needs a number of frames";
    options.frames = *value;
  } else if (option == "--shot") {
    if (!number(value)) return "--shot needs a frame number and a file";
    const char* file = args.Next();
    if (!file) return "--shot needs a frame number and a file";
    options.shotFrame = *value;
    options.shotFile = file;
  } else if (option == "--view") {
    const char* name = args.Next();
    const std::optional<eDemoView> view = name ? DemoViewNamed(name) : std::nullopt;
    if (!view) return std::string("unknown view: ") + (name ? name : "(none)");
    options.views.push_back(*view);
  } else if (option == "--plain") {
    options.plain = true;
  } else if (option == "--critters") {
    if (!number(options.critters)) return "--critters needs a number of critters";
  } else {
    return "unknown option: " + option;
  }
  return {};
}
}  // namespace

const char* const kDemoUsage =
    "usage: zoma --timedemo FRAMES | --shot FRAME FILE.ppm [--view "
    "follow|curved|night|world|debug|fight|evolution|nest|walk|kill]... [--critters N] [--plain]";

std::optional<eDemoView> DemoViewNamed(const std::string& name) {
  for (const cViewName& entry : kViewNames) {
    if (name == entry.name) return entry.view;
  }
  return std::nullopt;
}

cDemoCommandLine ParseDemoCommandLine(int argc, const char* const* argv) {
  cDemoCommandLine result;
  for (int i = 1; i < argc; ++i) result.isDemo = result.isDemo || IsDemoOption(argv[i]);
  if (!result.isDemo) return result;
  cArgumentReader args(argc, argv);
  while (!args.Done() && result.error.empty()) result.error = ReadOption(args.Next(), args, result.options);
  cDemoOptions& options = result.options;
  if (result.error.empty() && options.frames < options.shotFrame) {
    if (options.frames == 0) options.frames = options.shotFrame;
    else result.error = "--shot asks for a frame after the last one drawn";
  }
  return result;
}
