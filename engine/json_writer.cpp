#include "engine/json_writer.h"

namespace rovan {

void JsonLines::Append(const Escaped& e) {
  static const char kHex[] = "0123456789abcdef";
  for (char c : e.testo) {
    switch (c) {
      case '"': testo_ += "\\\""; break;
      case '\\': testo_ += "\\\\"; break;
      case '\b': testo_ += "\\b"; break;
      case '\f': testo_ += "\\f"; break;
      case '\n': testo_ += "\\n"; break;
      case '\r': testo_ += "\\r"; break;
      case '\t': testo_ += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          testo_ += "\\u00";
          testo_ += kHex[(c >> 4) & 0xF];
          testo_ += kHex[c & 0xF];
        } else {
          testo_ += c;
        }
    }
  }
}

}  // namespace rovan
