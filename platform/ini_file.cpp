// The private-profile reader: the file is parsed once into sections of key/value entries in
// file order, so "first section, first key" is a front-to-back search.
#include "platform/ini_file.h"

#include <string_view>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

std::string_view Unquote(std::string_view value) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

// LF, CR LF and CR alone all end a line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// Editors on other systems may save a UTF-8 byte-order mark, which would hide the first header.
std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return text.substr(0, kMark.size()) == kMark ? text.substr(kMark.size()) : text;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

// Only the lowercase prefixes count, as in the profile functions.
uint32_t RadixPrefix(std::string_view digits) {
  if (digits.size() < 2 || digits[0] != '0') return 10;
  switch (digits[1]) {
    case 'x': return 16;
    case 'o': return 8;
    case 'b': return 2;
    default: return 10;
  }
}
}  // namespace

cIniFile cIniFile::FromText(const std::string& text) {
  cIniFile file;
  cSection* current = nullptr;  // entries before the first header belong to no section
  for (std::string_view line : SplitLines(WithoutByteOrderMark(text))) {
    line = Trim(line);
    const size_t close = line.rfind(']');
    if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
      file.sections_.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
      current = &file.sections_.back();
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || current == nullptr) continue;
    current->entries.push_back({std::string(Trim(line.substr(0, equals))),
                                std::string(Unquote(Trim(line.substr(equals + 1))))});
  }
  return file;
}

const cIniFile::cSection* cIniFile::FindSection(const std::string& name) const {
  for (const cSection& section : sections_)
    if (SameName(section.name, name)) return &section;
  return nullptr;
}

const cIniFile::cEntry* cIniFile::FindEntry(const std::string& section, const std::string& key) const {
  const cSection* found = FindSection(section);
  if (found == nullptr) return nullptr;
  for (const cEntry& entry : found->entries)
    if (SameName(entry.key, key)) return &entry;
  return nullptr;
}

std::string cIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  const cEntry* entry = FindEntry(section, key);
  return entry ? entry->value : fallback;
}

int32_t cIniFile::GetInt(const std::string& section, const std::string& key, int32_t fallback) const {
  const cEntry* entry = FindEntry(section, key);
  if (entry == nullptr || entry->value.empty()) return fallback;
  return ProfileInteger(entry->value);
}

int32_t ProfileInteger(const std::string& text) {
  std::string_view rest = text;
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  const uint32_t radix = RadixPrefix(rest);
  if (radix != 10) rest.remove_prefix(2);
  uint32_t total = 0;  // unsigned, so long numbers wrap at 32 bits as the profile functions do
  for (char c : rest) {
    const int digit = DigitValue(c);
    if (digit < 0 || static_cast<uint32_t>(digit) >= radix) break;
    total = total * radix + static_cast<uint32_t>(digit);
  }
  return static_cast<int32_t>(negative ? 0u - total : total);
}
