// The display attributes of a price list (table attributi) and the attribute field of codes.
//
// An attribute is a code with a legend in the base language and in the languages 1 to 10, a font and a
// background colour; the host shows codes with the attributes their field names. TAttributi reads the
// whole table once; each TAttributo is handed to the host as IRovanAttributeApparence.
//
// Ownership: TAttributi owns its attributes; an attribute is not reference counted (AddRef answers 2,
// Release 1) and lives as long as its TAttributi, which the container keeps. Texts inside are UTF-8;
// Name and FontName answer in the ANSI code page, Desc in UTF-8; the W companions give UTF-16 for the
// engine's own windows. A text result stays valid until the next call on the same attribute.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/shared_types.h"
#include "plugin/ItfRovan.h"

namespace rovan {

class TAttributi;
class TQorQuery2;

class TAttributo final : public IRovanAttributeApparence {
 public:
  explicit TAttributo(TAttributi& contenitore) : m_Contenitore(&contenitore) {}
  TAttributo(const TAttributo&) = delete;
  TAttributo& operator=(const TAttributo&) = delete;

  // The host never asks for other interfaces: always E_NOINTERFACE.
  HRESULT ROVAN_STDCALL QueryInterface(const TGUID* iid, void** obj) noexcept override;
  int32_t ROVAN_STDCALL AddRef() noexcept override { return 2; }
  int32_t ROVAN_STDCALL Release() noexcept override { return 1; }

  const char* ROVAN_STDCALL Name() noexcept override;
  // Legenda() cut to 1023 bytes at a character boundary.
  const char* ROVAN_STDCALL Desc() noexcept override;
  const char* ROVAN_STDCALL FontName() noexcept override;
  int32_t ROVAN_STDCALL FontSize() noexcept override { return m_FontSize; }
  int32_t ROVAN_STDCALL FontColor() noexcept override { return m_FontColor; }
  int32_t ROVAN_STDCALL FontStyleIsBold() noexcept override { return m_FontBold ? 1 : 0; }
  int32_t ROVAN_STDCALL FontStyleIsItalic() noexcept override { return m_FontItalic ? 1 : 0; }
  int32_t ROVAN_STDCALL FontStyleIsUnderline() noexcept override { return m_FontUnderline ? 1 : 0; }
  int32_t ROVAN_STDCALL FontStyleIsStrikeout() noexcept override { return m_FontStrike ? 1 : 0; }
  int32_t ROVAN_STDCALL BackColor() noexcept override { return m_BackColor; }

  // The legend in the owner's language (1 to 10) when that translation is not empty, else the base one.
  const std::string& Legenda() const;
  std::u16string NameW() const;
  std::u16string DescW() const;  // Legenda(), whole
  std::u16string FontNameW() const;

  std::string m_codice;    // column Codice
  std::string m_legenda;   // column Descrizione
  TTraduzioni m_legende;   // columns Descr1 ... Descr10
  std::string m_FontName;
  int32_t m_FontSize = -1;   // -1: not set
  int32_t m_FontColor = -1;  // Windows colour 0x00BBGGRR, -1: not set
  int32_t m_BackColor = -1;
  bool m_FontBold = false;
  bool m_FontItalic = false;
  bool m_FontUnderline = false;
  bool m_FontStrike = false;
  TAttributi* m_Contenitore;  // the owner

 private:
  // The text testo() makes, kept in m_buff until the next call; "" when it throws (logged).
  template <typename F>
  const char* Risposta(const char* slot, F&& testo) noexcept;
  std::string m_buff;
};

class TAttributi {
 public:
  // Reads "Select * from attributi" on q; when the table cannot be opened the list stays empty, silently.
  // Columns that are NULL keep the attribute's defaults.
  TAttributi(TQorQuery2& q, int idLingua);
  TAttributi(const TAttributi&) = delete;
  TAttributi& operator=(const TAttributi&) = delete;

  int Count() const { return static_cast<int>(m_lista.size()); }
  // Null outside 0..Count()-1.
  TAttributo* Item(int i) const;
  // The first attribute whose code equals cod exactly (case-sensitive), or null.
  TAttributo* ItemByCode(const std::string& cod) const;
  int GetIdLingua() const { return m_IdLingua; }
  void SetIdLingua(int id) { m_IdLingua = id; }

  // Appends to lista the attribute codes of a code's attribute field: one leading character, ignored,
  // then items written as their length in characters, ":" and the text ("#2:AB3:XYZ" names AB and XYZ).
  // Parsing stops when no ":" remains. A length that is not a decimal number, or is negative, throws
  // std::invalid_argument; a length beyond the end takes the rest.
  static void Spezza(const std::string& campo, std::vector<std::string>& lista);

  std::vector<std::unique_ptr<TAttributo>> m_lista;
  int m_IdLingua;  // language position of the legends, 0 for the base one
};

}  // namespace rovan
