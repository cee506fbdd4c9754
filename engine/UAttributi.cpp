#include "engine/UAttributi.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/code_page.h"
#include "platform/text_utils.h"
#include "plugin/boundary.h"
#include "storage/database_error.h"
#include "storage/qor_query.h"

namespace rovan {
namespace {

constexpr size_t kMaxDesc = 1023;  // bytes of the host's legend buffer, terminator excluded

bool Continuazione(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte position n characters after pos in UTF-8 text (the end when fewer remain).
size_t AvantiCaratteri(const std::string& s, size_t pos, int n) {
  for (; n > 0 && pos < s.size(); --n) {
    ++pos;
    while (pos < s.size() && Continuazione(s[pos])) ++pos;  // the rest of a multi-byte character
  }
  return pos;
}

std::u16string Utf16(const std::string& utf8) {
  const std::string le = Utf8ToUtf16Le(utf8);
  std::u16string out(le.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(le[2 * i]) |
                                   static_cast<unsigned char>(le[2 * i + 1]) << 8);
  return out;
}

}  // namespace

HRESULT TAttributo::QueryInterface(const TGUID*, void** obj) noexcept {
  if (obj != nullptr) *obj = nullptr;
  return E_NOINTERFACE;
}

template <typename F>
const char* TAttributo::Risposta(const char* slot, F&& testo) noexcept {
  return Protetto(slot, static_cast<const char*>(""), [&] {
    m_buff = testo();
    return m_buff.c_str();
  });
}

const std::string& TAttributo::Legenda() const {
  const int id = m_Contenitore->GetIdLingua();
  if (id >= 1 && id <= 10 && !m_legende[id].empty()) return m_legende[id];
  return m_legenda;
}

const char* TAttributo::Name() noexcept {
  return Risposta("IRovanAttributeApparence.Name", [this] { return Utf8ToAnsi(m_codice); });
}

const char* TAttributo::FontName() noexcept {
  return Risposta("IRovanAttributeApparence.FontName", [this] { return Utf8ToAnsi(m_FontName); });
}

const char* TAttributo::Desc() noexcept {
  return Risposta("IRovanAttributeApparence.Desc", [this] {
    const std::string& legenda = Legenda();
    size_t taglio = std::min(legenda.size(), kMaxDesc);
    while (taglio < legenda.size() && taglio > 0 && Continuazione(legenda[taglio])) --taglio;
    return legenda.substr(0, taglio);
  });
}

std::u16string TAttributo::NameW() const { return Utf16(m_codice); }
std::u16string TAttributo::DescW() const { return Utf16(Legenda()); }
std::u16string TAttributo::FontNameW() const { return Utf16(m_FontName); }

TAttributi::TAttributi(TQorQuery2& q, int idLingua) : m_IdLingua(idLingua) {
  q.SQL().SetText("Select * from attributi");
  try {
    q.Open();
  } catch (const DatabaseError&) {
    return;  // a price list without the table simply has no attributes
  }
  for (; !q.Eof(); q.Next()) {
    auto& a = *m_lista.emplace_back(std::make_unique<TAttributo>(*this));
    a.m_codice = q.FieldByName("Codice").AsString();
    a.m_FontName = q.FieldByName("FontName").AsString();
    a.m_legenda = q.FieldByName("Descrizione").AsString();
    const auto intero = [&q](const char* nome, int32_t& campo) {
      if (const TQorField f = q.FieldByName(nome); !f.IsNull()) campo = static_cast<int32_t>(f.AsInteger());
    };
    const auto booleano = [&q](const char* nome, bool& campo) {
      if (const TQorField f = q.FieldByName(nome); !f.IsNull()) campo = f.AsBoolean();
    };
    intero("FontSize", a.m_FontSize);
    intero("FontColor", a.m_FontColor);
    intero("BackgroundColor", a.m_BackColor);
    booleano("FontBold", a.m_FontBold);
    booleano("FontItalic", a.m_FontItalic);
    booleano("FontUnderline", a.m_FontUnderline);
    booleano("FontStrike", a.m_FontStrike);
    for (int i = 1; i <= 10; ++i)
      if (const TQorField f = q.FieldByName("Descr" + std::to_string(i)); !f.IsNull()) a.m_legende[i] = f.AsString();
  }
}

TAttributo* TAttributi::Item(int i) const {
  return i >= 0 && i < Count() ? m_lista[static_cast<size_t>(i)].get() : nullptr;
}

TAttributo* TAttributi::ItemByCode(const std::string& cod) const {
  for (const auto& a : m_lista)
    if (a->m_codice == cod) return a.get();
  return nullptr;
}

void TAttributi::Spezza(const std::string& campo, std::vector<std::string>& lista) {
  size_t pos = AvantiCaratteri(campo, 0, 1);
  for (size_t duePunti; (duePunti = campo.find(':', pos)) != std::string::npos;) {
    const std::string numero = campo.substr(pos, duePunti - pos);
    int n = 0;
    if (!TryParseInt(numero, n) || n < 0)
      throw std::invalid_argument("'" + numero + "' is not a valid integer value");
    const size_t fine = AvantiCaratteri(campo, duePunti + 1, n);
    lista.push_back(campo.substr(duePunti + 1, fine - duePunti - 1));
    pos = fine;
  }
}

}  // namespace rovan
