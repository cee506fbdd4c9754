// The search pattern of code searches: "*" any run of characters, "?" one character, "[...]" one character
// of a set (ranges such as a-z allowed, a leading "!" or "^" negates), case ignored (ASCII letters).
#pragma once

#include <string>
#include <string_view>

namespace rovan {

class Pattern {
 public:
  // Throws std::invalid_argument for an invalid pattern (an unclosed bracket).
  explicit Pattern(std::string_view testo);
  bool Corrisponde(std::string_view s) const;

 private:
  static bool Confronta(std::string_view p, std::string_view s);

  std::string p_;  // the pattern, lower-cased outside sets
  // For "*" followed by a part without "*" (the usual "*tail" search): the characters that part matches,
  // always the same number, so only that many at the end of a text need comparing.
  size_t codaFissa_ = std::string::npos;
};

}  // namespace rovan
