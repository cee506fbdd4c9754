// TRovanFiltri: the filter lists handed to the host as IRovanFiltri.
//
// A list holds characteristics (IsCaratt 1, the state at creation) or values (the engine marks lists of
// values); each entry, a TCodiceCaratt, has a key, a base description, a description in the active
// language and a nested list, created empty, that for a characteristic holds its values.
//
// Ownership: a list is owned by its reference count, which is 1 at creation (the creator's reference,
// usually the one handed to the host); Release destroys it at 0. A list owns its entries; an entry holds
// the one creation reference of its nested list and gives it back when the entry dies, so a nested list
// dies with its entry unless the host took a reference of its own. DammiValori adds no reference.
// No slot throws; out-of-range indexes give -1, the empty text or null.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "plugin/ItfRovan.h"

namespace rovan {

class TRovanFiltri;

class TCodiceCaratt {
 public:
  TCodiceCaratt(int codice, std::string desprinc, std::string deslingua);
  ~TCodiceCaratt();
  TCodiceCaratt(const TCodiceCaratt&) = delete;
  TCodiceCaratt& operator=(const TCodiceCaratt&) = delete;

  TRovanFiltri& Valori() const { return *m_valori; }

  int m_codice;             // key of the characteristic or value
  std::string m_desprinc;   // base description, UTF-8
  std::string m_deslingua;  // description in the active language, UTF-8

 private:
  TRovanFiltri* m_valori;  // holds its creation reference
};

class TRovanFiltri final : public IRovanFiltri {
 public:
  // A new empty list of characteristics with one reference, the caller's.
  static TRovanFiltri* Crea();
  TRovanFiltri(const TRovanFiltri&) = delete;
  TRovanFiltri& operator=(const TRovanFiltri&) = delete;

  // The host never asks for other interfaces: always E_NOINTERFACE.
  HRESULT ROVAN_STDCALL QueryInterface(const TGUID* iid, void** obj) noexcept override;
  int32_t ROVAN_STDCALL AddRef() noexcept override { return ++m_ref; }
  int32_t ROVAN_STDCALL Release() noexcept override;

  int32_t ROVAN_STDCALL IsCaratt() noexcept override { return m_iscaratt ? 1 : 0; }
  int32_t ROVAN_STDCALL Codice(int32_t i) noexcept override;
  const char* ROVAN_STDCALL Desc(int32_t i) noexcept override;
  int32_t ROVAN_STDCALL Count() noexcept override { return static_cast<int32_t>(m_listaCodici.size()); }
  IRovanFiltri* ROVAN_STDCALL DammiValori(int32_t i) noexcept override;
  const char* ROVAN_STDCALL Nome(int32_t i) noexcept override;

  // Appends a new entry (no duplicate check) and returns it.
  TCodiceCaratt* Aggiungi(int codice, std::string desprinc, std::string deslingua);
  // The last entry with that key, or null.
  TCodiceCaratt* TrovaCodice(int codice) const;
  // Keeps only the values whose "characteristic|value" keys are in validi, and the characteristics that
  // still have values (entries removed are destroyed).
  void PotaValori(const std::set<std::string>& validi);

  bool m_iscaratt = true;  // false on lists of values

 private:
  TRovanFiltri() = default;
  ~TRovanFiltri() = default;  // only Release destroys
  const TCodiceCaratt* Voce(int32_t i) const;

  int32_t m_ref = 1;
  std::vector<std::unique_ptr<TCodiceCaratt>> m_listaCodici;
};

}  // namespace rovan
