// --help, --version and the unknown-option line.
#include "platform/standard_options.h"

#include <cstdio>

#include "platform/version.h"

std::string VersionLine(const char* program) {
  std::string line = std::string(program) + " " + kZomaVersion;
  if (*kZomaCommit) line += std::string(" (commit ") + kZomaCommit + ")";
  return line;
}

std::optional<int> AnswerStandardOption(const char* program, const char* helpText, const std::string& argument) {
  if (argument == "-h" || argument == "--help") {
    std::fputs(helpText, stdout);
  } else if (argument == "--version") {
    std::printf("%s\n", VersionLine(program).c_str());
  } else {
    return std::nullopt;
  }
  return 0;
}

int UsageError(const char* program, const std::string& message) {
  std::fprintf(stderr, "%s: %s (%s --help lists the options)\n", program, message.c_str(), program);
  return kUsageStatus;
}

int UnknownOption(const char* program, const std::string& argument) {
  return UsageError(program, "unknown option " + argument);
}
