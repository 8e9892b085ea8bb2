// The message box's layout in its window's pixels (origin top-left): the text's lines, where
// each is drawn, and the OK button centred below them, with the window sized to fit.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/widgets.h"

struct cMessageBoxLayout {
  int width = 0;
  int height = 0;
  std::vector<std::string> lines;
  std::vector<int> baselines;  // y of each line's baseline; lines start at x = textLeft
  int textLeft = 0;
  cWidgetRect okButton;
};

// `textWidth` gives a line's width in pixels in the box's font. A final line break adds no
// empty line, the way a text that ends in "\n" reads.
cMessageBoxLayout LayOutMessageBox(const std::string& text,
                                   const std::function<int(const std::string&)>& textWidth);

// Enter, Escape and Space dismiss the box, as they would a system message box with one button.
bool DismissesMessageBox(unsigned char key);
