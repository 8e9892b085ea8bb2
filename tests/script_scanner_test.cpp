// The behaviour-script scanner: tokens and values, interning, comment echo, chunked input and
// the fatal limit on token length.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/script_scanner.h"
#include "script/script_symbols.h"
#include "tests/script_test_support.h"

namespace {
// The parser's token numbers, fixed by the language.
constexpr int kTokNumber = 258, kTokName = 259, kTokCompare = 260, kTokIf = 261, kTokElse = 262,
              kTokEndIf = 263, kTokAnd = 264, kTokOr = 265;

std::string TokenText(int token) {
  switch (token) {
    case kTokNumber: return "NUM:" + ScriptSymbolTable.at(gScriptTokenValue);
    case kTokName: return "NAME:" + ScriptSymbolTable.at(gScriptTokenValue);
    case kTokCompare: return "CMP:" + std::to_string(gScriptTokenValue);
    case kTokIf: return "IF";
    case kTokElse: return "ELSE";
    case kTokEndIf: return "ENDIF";
    case kTokAnd: return "AND";
    case kTokOr: return "OR";
    default: return std::string(1, static_cast<char>(token)) + (token == gScriptTokenValue ? "" : "?");
  }
}

// Every token of the text, up to the end marker; comment echo is captured into *echo.
std::vector<std::string> Scan(const std::string& text, std::string* echo = nullptr) {
  std::vector<std::string> tokens;
  testing::internal::CaptureStdout();
  BeginScriptScan(text.c_str());
  for (int token = NextScriptToken(); token != 0; token = NextScriptToken()) tokens.push_back(TokenText(token));
  const std::string printed = testing::internal::GetCapturedStdout();
  if (echo) *echo = printed;
  return tokens;
}

using Tokens = std::vector<std::string>;

struct cScanCase {
  const char* text;
  Tokens tokens;
};

class ScriptScannerTest : public testing::Test {
 protected:
  void SetUp() override { FreshScriptSymbols(); }
};

TEST_F(ScriptScannerTest, TokensAndValues) {
  const cScanCase cases[] = {
      {"health=20", {"NAME:health", "=", "NUM:20"}}, {"health = 20", {"NAME:health", "=", "NUM:20"}},
      {"^+-*/()=;", {"^", "+", "-", "*", "/", "(", ")", "=", ";"}},
      {"> < == >= <= ~=", {"CMP:1", "CMP:2", "CMP:3", "CMP:4", "CMP:5", "CMP:6"}},
      {"a >= b", {"NAME:a", "CMP:4", "NAME:b"}}, {"a > = b", {"NAME:a", "CMP:1", "=", "NAME:b"}},
      {"x ~= 3", {"NAME:x", "CMP:6", "NUM:3"}}, {"x != 3", {"NAME:x", "=", "NUM:3"}},
      {"if else endif and or", {"IF", "ELSE", "ENDIF", "AND", "OR"}}, {"end if", {"NAME:end", "IF"}},
      {"if(", {"IF", "("}},
      {"iffy IF End ordinal andor", {"NAME:iffy", "NAME:IF", "NAME:End", "NAME:ordinal", "NAME:andor"}},
      {"RAND", {"NAME:RAND"}}, {"_x 2x", {"NAME:x", "NUM:2", "NAME:x"}}, {"a_1b", {"NAME:a_1b"}},
      {"-3 1e5", {"-", "NUM:3", "NUM:1", "NAME:e5"}}, {"1. .5 1.5.3", {"NUM:1", "NUM:5", "NUM:1.5", "NUM:3"}},
      {"3.25 3.250", {"NUM:3.25", "NUM:3.250"}},
      {"1,5 a!b&c|d{e}\"f\" :\xC3\xA9", {"NUM:1", "NUM:5", "NAME:a", "NAME:b", "NAME:c", "NAME:d",
                                          "NAME:e", "NAME:f"}},
      {"a\r\n\tb", {"NAME:a", "NAME:b"}}, {"", {}}, {"  \t\r\n , ! @ ", {}},
  };
  for (const cScanCase& c : cases) EXPECT_EQ(Scan(c.text), c.tokens) << "text: " << c.text;
}

TEST_F(ScriptScannerTest, SameTextSameSlotAcrossScans) {
  Scan("speed 3.25 late_name");
  const int32_t threeQuarters = InternScriptSymbol("3.25");
  EXPECT_EQ(ScriptSymbolTable.size(), 30u) << "speed is registered; 3.25 and late_name are new";
  EXPECT_EQ(threeQuarters, 28);
  BeginScriptScan("3.250 3.25 speed");
  NextScriptToken();
  EXPECT_EQ(gScriptTokenValue, 30) << "3.250 is a text of its own";
  NextScriptToken();
  EXPECT_EQ(gScriptTokenValue, threeQuarters);
  NextScriptToken();
  EXPECT_EQ(gScriptTokenValue, 5) << "bound names keep their registered slot";
}

TEST_F(ScriptScannerTest, CommentsAreEchoedAndYieldNoTokens) {
  struct cCommentCase {
    const char* text;
    const char* echo;
    Tokens tokens;
  };
  const cCommentCase cases[] = {
      {"# raise hunger\nhunger = 1", " raise hunger", {"NAME:hunger", "=", "NUM:1"}},
      {"a # b >= c if 2.5 ; _\nz", " b >= c if 2.5 ; _", {"NAME:a", "NAME:z"}},
      {"# inner ## marks\n", " inner  marks", {}}, {"# crlf\r\nx\r\n", " crlf\r", {"NAME:x"}}, {"#", "", {}},
      {"# a\n# b\nc", " a b", {"NAME:c"}},
  };
  for (const cCommentCase& c : cases) {
    std::string echo;
    EXPECT_EQ(Scan(c.text, &echo), c.tokens) << "text: " << c.text;
    EXPECT_EQ(echo, c.echo) << "text: " << c.text;
  }
  Scan("x = 1 # the text ends inside a comment");
  EXPECT_EQ(Scan("y"), Tokens{"NAME:y"}) << "a new scan clears an unfinished comment";
}

// Input arrives in chunks of 8192 characters: tokens that straddle a chunk edge stay whole, up
// to the longest token the buffer holds.
TEST_F(ScriptScannerTest, TokensAcrossInputChunks) {
  const std::string longName = "n" + std::string(300, 'q'), longest(16382, 'w');
  const std::string text = std::string(8190, ' ') + longName + " 12345.678 " + std::string(9000, ' ') + "last";
  EXPECT_EQ(Scan(text), (Tokens{"NAME:" + longName, "NUM:12345.678", "NAME:last"}));
  EXPECT_EQ(Scan("x = " + longest + " y"), (Tokens{"NAME:x", "=", "NAME:" + longest, "NAME:y"}));
  std::string echo;
  EXPECT_EQ(Scan("#" + longest + "\nz", &echo), Tokens{"NAME:z"}) << "as long a run in a comment is echoed";
  EXPECT_EQ(echo, longest);
}

using ScriptScannerDeathTest = ScriptScannerTest;

TEST_F(ScriptScannerDeathTest, TokenLongerThanTheBufferIsFatal) {
  const char* kMessage = "^input buffer overflow, can't enlarge buffer because scanner uses REJECT\n$";
  for (const std::string& text : {"x = " + std::string(16383, 'w'), std::string(20000, '7'),
                                   "# " + std::string(16383, 'c')}) {
    EXPECT_EXIT(Scan(text), testing::ExitedWithCode(2), kMessage) << "length " << text.size();
  }
}
}  // namespace
