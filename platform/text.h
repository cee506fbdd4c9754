// Small text helpers shared by the platform sources (not part of the platform interface).
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace rovan::text {

// The text without leading and trailing blanks (spaces and tabs).
inline std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// ASCII case-insensitive equality, as names in settings files and library names compare.
inline bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace rovan::text
