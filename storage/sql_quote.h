// Quoting of data written into SQL text.
#pragma once

#include <string>
#include <string_view>

namespace rovan {

// 'text' with every ' doubled: a string literal any of our engines reads back as text.
std::string QuoteLiteral(std::string_view text);
// "name" with every " doubled: an identifier (table or column) whatever characters it holds.
std::string QuoteIdentifier(std::string_view name);

}  // namespace rovan
