#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace rovan {
namespace {

using namespace std::string_literals;

// Restores the code page in force after each test.
class CodePageTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = AnsiCodePage(); }
  void TearDown() override { SetAnsiCodePage(saved_); }

 private:
  std::string saved_;
};

struct Both {
  std::string utf8;
  std::string ansi;
};

TEST_F(CodePageTest, SetAnsiCodePageNamesTheCodePageAndEmptyRestoresUtf8) {
  SetAnsiCodePage("CP1252");
  EXPECT_EQ(AnsiCodePage(), "CP1252");
  SetAnsiCodePage("");
  EXPECT_EQ(AnsiCodePage(), "UTF-8");
}

TEST_F(CodePageTest, Cp1252ConvertsBothWays) {
  SetAnsiCodePage("CP1252");
  const Both cases[] = {
      {"", ""},
      {"plain ASCII", "plain ASCII"},
      {"è", "\xE8"},
      {"€", "\x80"},
      {"Caffè 3€ «ß»", "Caff\xE8 3\x80 \xAB\xDF\xBB"},
  };
  for (const Both& c : cases) {
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi) << c.utf8;
    EXPECT_EQ(AnsiToUtf8(c.ansi), c.utf8) << c.utf8;
  }
}

TEST_F(CodePageTest, Cp1252ReplacesWhatItCannotConvert) {
  SetAnsiCodePage("CP1252");
  const Both toAnsi[] = {
      {"a日b", "a?b"},          // a character CP1252 lacks: one "?" for the whole character
      {"😀", "?"},              // four UTF-8 bytes, still one "?"
      {"a\xFF" "b", "a?b"},     // a byte that never occurs in UTF-8
      {"\xE2\x82" "A", "?A"},   // a truncated sequence inside the text
      {"x\xE2\x82", "x?"},      // a truncated sequence at the end
      {"\xC0\xAF", "??"},       // an overlong form is two invalid bytes
      {"\xED\xA0\x80", "???"},  // an encoded surrogate is not UTF-8
  };
  for (const Both& c : toAnsi) EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi) << testing::PrintToString(c.utf8);
  // 0x81 is undefined in CP1252.
  EXPECT_EQ(AnsiToUtf8("a\x81" "b"), "a\uFFFD" "b");
}

TEST_F(CodePageTest, Utf8CodePagePassesValidTextAndReplacesInvalidBytes) {
  SetAnsiCodePage("");
  EXPECT_EQ(AnsiToUtf8("è€日😀"), "è€日😀");
  EXPECT_EQ(Utf8ToAnsi("è€日😀"), "è€日😀");
  EXPECT_EQ(AnsiToUtf8("a\xFF" "b\xC3"), "a\uFFFD" "b\uFFFD");
  EXPECT_EQ(Utf8ToAnsi("a\xFF" "b"), "a?b");
}

TEST_F(CodePageTest, UnknownCodePageFallsBackToUtf8) {
  SetAnsiCodePage("NO-SUCH-CODEPAGE");
  EXPECT_EQ(Utf8ToAnsi("è"), "è");
  EXPECT_EQ(AnsiToUtf8("è\xFF"), "è\uFFFD");
}

TEST(Utf16LeTest, ConvertsBothWaysWithoutByteOrderMark) {
  const Both cases[] = {
      {"", ""},
      {"A", "A\0"s},
      {"è€", "\xE8\0\xAC\x20"s},
      {"😀", "\x3D\xD8\x00\xDE"s},  // a surrogate pair
  };
  for (const Both& c : cases) {
    EXPECT_EQ(Utf8ToUtf16Le(c.utf8), c.ansi) << c.utf8;
    EXPECT_EQ(Utf16LeToUtf8(c.ansi), c.utf8) << c.utf8;
  }
}

TEST(Utf16LeTest, ReplacesInvalidInput) {
  EXPECT_EQ(Utf8ToUtf16Le("a\xFF"), "a\0\xFD\xFF"s);
  // Ill-formed sequences that look almost right: one replacement per maximal ill-formed part.
  const std::string r = "\xFD\xFF";
  const Both malformed[] = {
      {"\xED\xA0\x80", r + r + r},  // an encoded surrogate
      {"\xC0\xAF", r + r},          // overlong
      {"\xF4\x90\x80\x80", r + r + r + r},  // beyond U+10FFFF
      {"x\xE2\x82", "x\0"s + r},    // cut short at the end
  };
  for (const Both& c : malformed) EXPECT_EQ(Utf8ToUtf16Le(c.utf8), c.ansi) << testing::PrintToString(c.utf8);
  // Appended in pieces whose second starts with ASCII: the same as the whole text, after what was there.
  const std::string pezzi[][2] = {{"x\xE2\x82", "\"y"}, {"\xFF", "\"é"}, {"è€", "a\xC0\xAF"}, {"", "\xED\xA0\x80"}};
  for (const auto& p : pezzi) {
    std::string out = "Q\0"s;
    AccodaUtf8ToUtf16Le(out, p[0]);
    AccodaUtf8ToUtf16Le(out, p[1]);
    EXPECT_EQ(out, "Q\0"s + Utf8ToUtf16Le(p[0] + p[1])) << testing::PrintToString(p[0] + p[1]);
  }
  SetAnsiCodePage("");
  EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80" "a"), "???a");
  EXPECT_EQ(Utf16LeToUtf8("A\0B"s), "A");                       // odd trailing byte dropped
  EXPECT_EQ(Utf16LeToUtf8("\x3D\xD8" "A\0"s), "\uFFFD" "A");      // lone high surrogate
  EXPECT_EQ(Utf16LeToUtf8("A\0\x00\xDE"s), "A\uFFFD");            // lone low surrogate
}

}  // namespace
}  // namespace rovan
