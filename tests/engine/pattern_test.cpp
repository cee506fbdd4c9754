// The search pattern: "*", "?", sets, case, and the "*tail" patterns matched on the end of a text only.
#include "engine/pattern.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace rovan {
namespace {

TEST(PatternTest, MatchesAsTheSearchRulesSay) {
  struct Case {
    const char* pattern;
    const char* text;
    bool matches;
  } cases[] = {
      {"AB", "ab", true},           {"AB", "abc", false},          {"a?c", "ABC", true},
      {"a*", "a", true},            {"*", "", true},               {"*b*", "abc", true},
      {"*b*", "acd", false},        {"a*c*e", "abxcye", true},     {"[a-c]x", "Bx", true},
      {"[!a-c]x", "bx", false},     {"[^a-c]x", "dx", true},       {"[]]", "]", true},
      // "*" then a part without "*": only the end of the text counts.
      {"*-00012?", "CU-BAS-045-000123", true},  {"*-00012?", "CU-BAS-045-000133", false},
      {"*-00012?", "-00012", false},            {"*-00012?", "-000129", true},
      {"*[0-9]?", "x7y", true},                 {"*[!0-9]?", "x7y", false},
      {"*[]]a", "x]A", true},                   {"*?", "", false},
      {"*[*]", "a*", true},                     {"*[*]", "ab", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Pattern(c.pattern).Corrisponde(c.text), c.matches) << c.pattern << " " << c.text;
  EXPECT_THROW(Pattern("a[bc"), std::invalid_argument);
}

}  // namespace
}  // namespace rovan
