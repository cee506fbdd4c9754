// The line writer behind the JSON text of the tab tree.
//
// The text is a sequence of lines; here they accumulate in one buffer, each ended by CR LF, which is
// the text a host blob carries (one allocation for the whole document instead of one per line).
#pragma once

#include <string>
#include <string_view>

namespace rovan {

class JsonLines {
 public:
  // Appends one line made of the given pieces.
  template <typename... Pieces>
  void Riga(const Pieces&... pieces) {
    (Append(pieces), ...);
    testo_ += "\r\n";
    ++righe_;
  }
  // A text value, escaped as JSON requires (quotation mark, reverse solidus, control characters).
  struct Escaped {
    std::string_view testo;
  };

  // Makes room for a text of about that many bytes: a tree of a million codes is hundreds of megabytes, and
  // growing by doubling would copy it again and again.
  void Riserva(size_t byte) { testo_.reserve(byte); }
  const std::string& testo() const { return testo_; }
  std::string& testo() { return testo_; }
  size_t righe() const { return righe_; }

 private:
  void Append(std::string_view s) { testo_ += s; }
  void Append(const char* s) { testo_ += s; }
  void Append(const std::string& s) { testo_ += s; }
  void Append(int v) { testo_ += std::to_string(v); }
  void Append(const Escaped& e);

  std::string testo_;
  size_t righe_ = 0;
};

inline JsonLines::Escaped Json(std::string_view s) { return JsonLines::Escaped{s}; }

// The "Traduzioni" object of a view or a code, without its closing line: one member per language
// position 1 to 10 whose translation (traduzione(i)) is not empty.
template <typename Traduzione>
void ScriviTraduzioni(JsonLines& lista, Traduzione traduzione) {
  lista.Riga("   \"Traduzioni\":");
  lista.Riga("  {");
  int ultima = 0;
  for (int i = 1; i <= 10; ++i)
    if (!std::string_view(traduzione(i)).empty()) ultima = i;
  for (int i = 1; i <= ultima; ++i) {
    std::string_view t = traduzione(i);
    if (t.empty()) continue;
    lista.Riga("   \"trad", i, "\" : \"", Json(t), i == ultima ? "\"" : "\",");
  }
}

}  // namespace rovan
