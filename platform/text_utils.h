// Small text helpers shared by every module (ASCII case rules, as the host's identifiers use).
#pragma once

#include <string>
#include <string_view>

namespace rovan {

// Blanks, tabs and line ends removed from both ends (the trimming of the Windows toolkit: every
// character up to and including the space).
std::string_view TrimView(std::string_view s);
inline std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

std::string UpperAscii(std::string_view s);
std::string LowerAscii(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Decimal integer as the Windows toolkit's conversion reads it: optional blanks, optional sign, digits
// (or "$"/"0x" followed by hex digits); false on anything else or on overflow.
bool TryParseInt(std::string_view s, int& value);

}  // namespace rovan
