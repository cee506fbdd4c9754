// The line writer behind the JSON text of the tab tree.
//
// The text is a sequence of lines; here they accumulate in one buffer, each ended by CR LF (one allocation
// for the whole document instead of one per line). The buffer holds UTF-8, as files take it, or UTF-16
// little-endian, the text a host blob carries: written as such, the document of a large price list needs
// no second buffer of hundreds of megabytes and no second pass to convert it.
#pragma once

#include <string>
#include <string_view>

namespace rovan {

class JsonLines {
 public:
  enum class Codifica { Utf8, Utf16Le };

  explicit JsonLines(Codifica codifica = Codifica::Utf8) : codifica_(codifica) {}

  // Appends one line made of the given pieces (UTF-8).
  template <typename... Pieces>
  void Riga(const Pieces&... pieces) {
    std::string& riga = codifica_ == Codifica::Utf8 ? testo_ : riga_;
    (Append(riga, pieces), ...);
    FineRiga();
  }
  // A text value, escaped as JSON requires (quotation mark, reverse solidus, control characters).
  struct Escaped {
    std::string_view testo;
  };

  // Makes room for a text of about that many bytes of UTF-8: a tree of a million codes is hundreds of
  // megabytes, and growing by doubling would copy it again and again.
  void Riserva(size_t byte);
  // The bytes written, in the encoding chosen at construction.
  const std::string& testo() const { return testo_; }
  std::string& testo() { return testo_; }
  size_t righe() const { return righe_; }

 private:
  static void Append(std::string& riga, std::string_view s) { riga += s; }
  static void Append(std::string& riga, const char* s) { riga += s; }
  static void Append(std::string& riga, const std::string& s) { riga += s; }
  static void Append(std::string& riga, int v);
  static void Append(std::string& riga, const Escaped& e);
  // Ends the line with CR LF; in UTF-16 converts it onto the text.
  void FineRiga();

  Codifica codifica_;
  std::string testo_;
  std::string riga_;  // in UTF-16, the line being made, in UTF-8
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
