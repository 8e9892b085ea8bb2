// The options every ZOMA program answers alike: --help, --version, and the one line for an
// option it does not know. Each program keeps its own help text; the wording around it and the
// exit statuses are shared here.
#pragma once

#include <optional>
#include <string>

// A bad command line: an unknown option, a missing or malformed value.
constexpr int kUsageStatus = 2;

// "zoma-sim 0.1.0 (commit 1a2b3c4d5e6f)"; without a commit just "zoma-sim 0.1.0".
std::string VersionLine(const char* program);

// For -h or --help prints helpText, for --version the version line, on standard output, and
// gives the exit status 0; any other argument gives nothing.
std::optional<int> AnswerStandardOption(const char* program, const char* helpText, const std::string& argument);

// "zoma-sim: unknown option --bogus (zoma-sim --help lists the options)" on standard error;
// returns kUsageStatus.
int UnknownOption(const char* program, const std::string& argument);

// "zoma-sim: MESSAGE (zoma-sim --help lists the options)" on standard error; returns kUsageStatus.
int UsageError(const char* program, const std::string& message);
