// Decimal-only text to number: the C library's strtod also reads hex floats, infinities and
// NaN, which no designer means, so only the decimal prefix found here is handed to it.
#include "app/decimal_text.h"

#include <cctype>
#include <cstdlib>

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(const std::string& text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

size_t SkipSign(const std::string& text, size_t at) {
  return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

// The end of the longest decimal number starting at `start`, or `start` when there is none.
size_t DecimalEnd(const std::string& text, size_t start) {
  const size_t integer = SkipSign(text, start);
  size_t end = SkipDigits(text, integer);
  bool digits = end > integer;
  if (end < text.size() && text[end] == '.') {
    const size_t fraction = SkipDigits(text, end + 1);
    digits = digits || fraction > end + 1;
    end = fraction;
  }
  if (!digits) return start;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    const size_t exponent = SkipSign(text, end + 1);
    const size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  return end;
}
}  // namespace

double DecimalNumber(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  const size_t end = DecimalEnd(text, start);
  if (end == start) return 0.0;
  return std::strtod(text.substr(start, end - start).c_str(), nullptr);
}
