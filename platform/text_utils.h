// Small text helpers shared by every module (ASCII case rules, as the host's identifiers use).
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// Field k (from 0) of a text whose fields are separated by sep: the text between the k-th and the
// (k+1)-th separator, the rest of the text for the last field; empty when the text has fewer fields.
// FieldView("a|b|c", '|', 1) is "b".
std::string_view FieldView(std::string_view text, char sep, int k);
// That field, blanks trimmed, as an integer (TryParseInt); 0 when it is not one.
int FieldInt(std::string_view text, char sep, int k);

// The comma text of a string list: the items joined by ",", where an item holding a blank (any character
// up to the space), a comma or a quotation mark is enclosed in quotation marks and its own quotation
// marks are doubled. {"A", "B 1", "C\"D"} gives A,"B 1","C""D".
std::string CommaText(const std::vector<std::string>& items);

}  // namespace rovan
