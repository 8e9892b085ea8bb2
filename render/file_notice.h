// The notice that tells a designer what became of a saved data file ("combat.txt: reloaded",
// a parse error, the settings a reloaded ZOMA.ini changed), shown for a few seconds of game
// time at the bottom of the window. The rules are here, without GL; notices_gl draws it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kFileNoticeMs = 6000;
// A long listing is cut to fit a small window; standard output has all of it.
constexpr size_t kFileNoticeMostLines = 4;
constexpr size_t kFileNoticeMostCharacters = 110;

// Replaces the notice with these lines from `nowMs`; no lines leave the notice as it is.
void ShowFileNotice(const std::vector<std::string>& lines, uint32_t nowMs);
// The lines to show now: none once kFileNoticeMs have passed. Longer lines end in "...", and
// past kFileNoticeMostLines the last line shown says how many more there are.
std::vector<std::string> FileNoticeLines(uint32_t nowMs);
// No notice (ResetNotices does it).
void ClearFileNotice();
