// The private-profile reader: the Windows rules designers' ZOMA.ini files rely on, and
// profile integers.
#include <gtest/gtest.h>

#include <string>

#include "platform/ini_file.h"

namespace {
constexpr const char* kMissingText = "(default)";
constexpr int32_t kMissingInt = -99;

struct cLookupCase {
  const char* rule;
  std::string file;
  const char* section;
  const char* key;
  std::string text;  // GetString with kMissingText as the fallback
  int32_t number;    // GetInt with kMissingInt as the fallback
};

const cLookupCase kLookupCases[] = {
    {"names match without regard to case", "[GaMe]\nMin_Camera_Dist=5\n", "game", "MIN_CAMERA_DIST", "5", 5},
    {"lines, names and values are trimmed", "  [ game ]  \n\t  k   =  5\t \n", "game", "k", "5", 5},
    {"only the first section of a name is searched", "[g]\na=1\n[G]\nk=2\n", "g", "k", kMissingText, kMissingInt},
    {"the first key of a name wins", "[g]\nk=1\nK=2\n", "g", "k", "1", 1},
    {"a section name runs to the last ]", "[a]b]\nk=1\n", "a]b", "k", "1", 1},
    {"text after the closing ] is ignored", "[g] k=7\nk=1\n", "g", "k", "1", 1},
    {"double quotes are removed", "[g]\nk=\" 5 \"\n", "g", "k", " 5 ", 5},
    {"single quotes are removed", "[g]\nk='12'\n", "g", "k", "12", 12},
    {"quotes must match", "[g]\nk=\"12'\n", "g", "k", "\"12'", 0},
    {"a lone quote stays", "[g]\nk=\"\n", "g", "k", "\"", 0},
    {"only one pair of quotes goes", "[g]\nk=\"\"7\"\"\n", "g", "k", "\"7\"", 0},
    {"an empty value is empty text and the default integer", "[g]\nk=\n", "g", "k", "", kMissingInt},
    {"empty quotes are an empty value", "[g]\nk=\"\"\n", "g", "k", "", kMissingInt},
    {"; starts no inline comment", "[g]\nk=5 ; note\n", "g", "k", "5 ; note", 5},
    {"a ;-line is a key named with the ;", "[g]\n;k=5\n", "g", ";k", "5", 5},
    {"a commented-out key is not the key", "[g]\n;k=5\n", "g", "k", kMissingText, kMissingInt},
    {"a line without = is ignored", "[g]\nk\nk=3\n", "g", "k", "3", 3},
    {"a value may hold =", "[g]\nk=a=b\n", "g", "k", "a=b", 0},
    {"keys before the first section belong to none", "k=4\n[g]\n", "g", "k", kMissingText, kMissingInt},
    {"CR LF line ends", "[g]\r\nk=6\r\nj=1\r\n", "g", "k", "6", 6},
    {"CR alone ends a line", "[g]\rk=6\rj=1\r", "g", "k", "6", 6},
    {"the last line needs no end", "[g]\nk=8", "g", "k", "8", 8},
    {"a UTF-8 byte-order mark is skipped", "\xEF\xBB\xBF[g]\nk=9\n", "g", "k", "9", 9},
    {"a missing section gives the default", "[g]\nk=1\n", "other", "k", kMissingText, kMissingInt},
    {"a missing key gives the default", "[g]\nk=1\n", "g", "other", kMissingText, kMissingInt},
    {"an empty file gives the default", "", "g", "k", kMissingText, kMissingInt},
    {"integer: sign", "[g]\nk=-1\n", "g", "k", "-1", -1},
    {"integer: plus sign", "[g]\nk=+7\n", "g", "k", "+7", 7},
    {"integer: digits up to the first other character", "[g]\nk=42A9\n", "g", "k", "42A9", 42},
    {"integer: no leading digits is 0", "[g]\nk=B42\n", "g", "k", "B42", 0},
    {"integer: a fraction is cut", "[g]\nk=2.9\n", "g", "k", "2.9", 2},
    {"integer: lowercase hex prefix", "[g]\nk=0x1F\n", "g", "k", "0x1F", 31},
    {"integer: uppercase X is no prefix", "[g]\nk=0X1F\n", "g", "k", "0X1F", 0},
    {"integer: negative hex", "[g]\nk=-0x10\n", "g", "k", "-0x10", -16},
    {"integer: octal prefix", "[g]\nk=0o17\n", "g", "k", "0o17", 15},
    {"integer: octal stops at 8", "[g]\nk=0o78\n", "g", "k", "0o78", 7},
    {"integer: binary prefix", "[g]\nk=0b1012\n", "g", "k", "0b1012", 5},
    {"integer: a leading zero is still decimal", "[g]\nk=010\n", "g", "k", "010", 10},
    {"integer: wraps at 32 bits", "[g]\nk=4294967297\n", "g", "k", "4294967297", 1},
    {"integer: wraps into the negatives", "[g]\nk=2147483648\n", "g", "k", "2147483648", INT32_MIN},
    {"integer: a sign alone is 0", "[g]\nk=-\n", "g", "k", "-", 0},
};

TEST(IniLookup, FollowsTheProfileRules) {
  for (const cLookupCase& c : kLookupCases) {
    const cIniFile file = cIniFile::FromText(c.file);
    EXPECT_EQ(file.GetString(c.section, c.key, kMissingText), c.text) << c.rule;
    EXPECT_EQ(file.GetInt(c.section, c.key, kMissingInt), c.number) << c.rule;
  }
}

TEST(ProfileInteger, SkipsLeadingBlanksOfUntrimmedText) {
  EXPECT_EQ(ProfileInteger(" \t-12x"), -12);
  EXPECT_EQ(ProfileInteger(""), 0);
}
}  // namespace
