// The data-file notice: what it shows, cut to fit, and for how long.
#include "render/file_notice.h"

namespace {
std::vector<std::string> gLines;
uint32_t gShownMs = 0;

std::string Fitted(const std::string& line) {
  if (line.size() <= kFileNoticeMostCharacters) return line;
  return line.substr(0, kFileNoticeMostCharacters - 3) + "...";
}
}  // namespace

void ShowFileNotice(const std::vector<std::string>& lines, uint32_t nowMs) {
  if (lines.empty()) return;
  gLines.clear();
  const bool cut = lines.size() > kFileNoticeMostLines;
  const size_t shown = cut ? kFileNoticeMostLines - 1 : lines.size();
  for (size_t i = 0; i < shown; ++i) gLines.push_back(Fitted(lines[i]));
  if (cut) gLines.push_back("and " + std::to_string(lines.size() - shown) + " more on standard output");
  gShownMs = nowMs;
}

std::vector<std::string> FileNoticeLines(uint32_t nowMs) {
  if (nowMs - gShownMs >= kFileNoticeMs) return {};
  return gLines;
}

void ClearFileNotice() { gLines.clear(); }
