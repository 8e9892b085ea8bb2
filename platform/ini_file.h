// The private-profile (INI) reader: sections, keys and the integer reading of the Windows
// profile functions that designers' existing ZOMA.ini files were written against. Read-only.
//
// The rules, all deliberate: section and key names match without regard to case; lines, names
// and values are trimmed of blanks; only the first section of a name is searched and the first
// key of a name in it wins; a section name runs to the last ']' on its line; a value wrapped in
// one matching pair of quotes loses them; a line without '=' is ignored; ';' is not special (a
// line ";k=5" is a key named ";k"); lines end in LF, CR LF or CR alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class cIniFile {
 public:
  static cIniFile FromText(const std::string& text);

  // The value of the key, or `fallback` when the section or the key is missing. A key present
  // with an empty value gives the empty text.
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) const;
  // The value read as an integer by ProfileInteger, or `fallback` when the section or the key
  // is missing or the value is empty.
  int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) const;

 private:
  struct cEntry {
    std::string key;
    std::string value;
  };
  struct cSection {
    std::string name;
    std::vector<cEntry> entries;
  };

  const cSection* FindSection(const std::string& name) const;
  const cEntry* FindEntry(const std::string& section, const std::string& key) const;

  std::vector<cSection> sections_;
};

// A profile integer: leading blanks skipped, an optional sign, a lowercase 0x (hex), 0o (octal)
// or 0b (binary) prefix, then digits up to the first other character, wrapping at 32 bits.
// "-1" is -1, "42A9" is 42 and "B42" is 0.
int32_t ProfileInteger(const std::string& text);
