// The program's version: the release number from the build and, when it was built from a git
// checkout, the commit it was built from.
#pragma once

// "0.1.0"
extern const char* const kZomaVersion;
// The abbreviated commit, with "-dirty" for uncommitted changes; empty when not built from git.
extern const char* const kZomaCommit;
