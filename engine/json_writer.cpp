#include "engine/json_writer.h"

#include <charconv>

#include "platform/code_page.h"
#include "platform/large_blocks.h"

namespace rovan {

void JsonLines::Riserva(size_t byte) {
  // In UTF-16 a byte of UTF-8 takes at most two, and a text blob appends a two-byte terminator.
  testo_.reserve(codifica_ == Codifica::Utf8 ? byte : byte * 2 + 2);
  // Filling fresh memory costs a page fault per page, which outweighs writing the text.
  ChiediPagineGrandi(testo_.data(), testo_.capacity());
}

void JsonLines::FineRiga() {
  if (codifica_ == Codifica::Utf8) {
    testo_ += "\r\n";
  } else {
    // Whole lines are converted: each ends with ASCII, so the text is the UTF-8 document converted in one
    // piece, even where an ill-formed sequence runs across two pieces of a line.
    riga_ += "\r\n";
    AccodaUtf8ToUtf16Le(testo_, riga_);
    riga_.clear();
  }
  ++righe_;
}

void JsonLines::Append(std::string& riga, int v) {
  char cifre[16];
  riga.append(cifre, std::to_chars(cifre, cifre + sizeof cifre, v).ptr);
}

void JsonLines::Append(std::string& riga, const Escaped& e) {
  static const char kHex[] = "0123456789abcdef";
  const std::string_view t = e.testo;
  size_t copiati = 0;  // t before this is on the line: runs of plain characters go in at once
  for (size_t i = 0; i < t.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(t[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    riga += t.substr(copiati, i - copiati);
    copiati = i + 1;
    switch (c) {
      case '"': riga += "\\\""; break;
      case '\\': riga += "\\\\"; break;
      case '\b': riga += "\\b"; break;
      case '\f': riga += "\\f"; break;
      case '\n': riga += "\\n"; break;
      case '\r': riga += "\\r"; break;
      case '\t': riga += "\\t"; break;
      default:
        riga += "\\u00";
        riga += kHex[c >> 4];
        riga += kHex[c & 0xF];
    }
  }
  riga += t.substr(copiati);
}

}  // namespace rovan
