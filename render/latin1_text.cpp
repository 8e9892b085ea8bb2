// UTF-8 to Latin-1 for the bitmap fonts.
#include "render/latin1_text.h"

std::string Latin1FromUtf8(const std::string& text) {
  std::string latin1;
  latin1.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      latin1 += static_cast<char>(byte);
      continue;
    }
    // Two-byte sequences led by C2 or C3 encode U+0080..U+00FF, exactly Latin-1's upper half.
    const bool hasNext = i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
    if ((byte == 0xC2 || byte == 0xC3) && hasNext) {
      latin1 += static_cast<char>(((byte & 0x03) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F));
      continue;
    }
    latin1 += '?';
    while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) ++i;
  }
  return latin1;
}
