#include "platform/text_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rovan {
namespace {

TEST(TextUtilsTest, FieldsBetweenSeparators) {
  struct Case {
    const char* text;
    int k;
    const char* field;
    int number;
  } cases[] = {
      {"a|b|c", 0, "a", 0},
      {"a|b|c", 2, "c", 0},       // the last field is the rest of the text
      {"a|b|c", 3, "", 0},        // beyond the last field
      {"a||c", 1, "", 0},         // an empty field between two separators
      {"x| 12 |y", 1, " 12 ", 12},  // the field keeps its blanks; the number is read trimmed
      {"x|-7", 1, "-7", -7},
      {"x|12a", 1, "12a", 0},     // not a number
      {"", 0, "", 0},
      {"|", 1, "", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldView(c.text, '|', c.k), c.field) << c.text << " " << c.k;
    EXPECT_EQ(FieldInt(c.text, '|', c.k), c.number) << c.text << " " << c.k;
  }
}

TEST(TextUtilsTest, CommaTextQuotesWhatWouldSplitOrMislead) {
  struct Case {
    std::vector<std::string> items;
    const char* text;
  } cases[] = {
      {{}, ""},
      {{"A1"}, "A1"},
      {{"A1", "A1#NOCE", "B-2"}, "A1,A1#NOCE,B-2"},
      {{"A 1", "B"}, "\"A 1\",B"},
      {{"A,1"}, "\"A,1\""},
      {{"A\"1"}, "\"A\"\"1\""},
      {{"A\t1"}, "\"A\t1\""},
      {{"", "B"}, ",B"},
  };
  for (const Case& c : cases) EXPECT_EQ(CommaText(c.items), c.text);
}

}  // namespace
}  // namespace rovan
