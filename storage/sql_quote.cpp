#include "storage/sql_quote.h"

namespace rovan {

namespace {

std::string Quote(std::string_view text, char quote) {
  std::string out(1, quote);
  for (char c : text) {
    if (c == quote) out += quote;
    out += c;
  }
  out += quote;
  return out;
}

}  // namespace

std::string QuoteLiteral(std::string_view text) { return Quote(text, '\''); }
std::string QuoteIdentifier(std::string_view name) { return Quote(name, '"'); }

}  // namespace rovan
