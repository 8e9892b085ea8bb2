// The game's texts are UTF-8; GLUT's bitmap fonts draw Latin-1. Characters Latin-1 has (the
// "×" of the speed notice) become its single bytes, any other character a '?'.
#pragma once

#include <string>

std::string Latin1FromUtf8(const std::string& text);
