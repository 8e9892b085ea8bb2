// Message box layout.
#include "platform/message_box_layout.h"

#include <algorithm>

namespace {
constexpr int kMargin = 20;
constexpr int kLineHeight = 17;
constexpr int kAscent = 12;  // baseline below the top of a line of 12-point text
constexpr int kMinimumWidth = 240;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 18;  // between the text and the button

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    const std::string::size_type end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}
}  // namespace

cMessageBoxLayout LayOutMessageBox(const std::string& text,
                                   const std::function<int(const std::string&)>& textWidth) {
  cMessageBoxLayout layout;
  layout.lines = SplitLines(text);
  layout.textLeft = kMargin;
  int widest = 0;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    widest = std::max(widest, textWidth(layout.lines[i]));
    layout.baselines.push_back(kMargin + kAscent + static_cast<int>(i) * kLineHeight);
  }
  layout.width = std::max(kMinimumWidth, widest + 2 * kMargin);
  const int buttonTop = kMargin + static_cast<int>(layout.lines.size()) * kLineHeight + kButtonGap;
  const int buttonLeft = (layout.width - kButtonWidth) / 2;
  layout.okButton = {buttonLeft, buttonTop, buttonLeft + kButtonWidth, buttonTop + kButtonHeight};
  layout.height = layout.okButton.bottom + kMargin;
  return layout;
}

bool DismissesMessageBox(unsigned char key) { return key == '\r' || key == '\n' || key == 27 || key == ' '; }
