#include "engine/UFiltri.h"

#include <utility>

namespace rovan {

TCodiceCaratt::TCodiceCaratt(int codice, std::string desprinc, std::string deslingua)
    : m_codice(codice),
      m_desprinc(std::move(desprinc)),
      m_deslingua(std::move(deslingua)),
      m_valori(TRovanFiltri::Crea()) {}

TCodiceCaratt::~TCodiceCaratt() { m_valori->Release(); }

TRovanFiltri* TRovanFiltri::Crea() {
  return new TRovanFiltri();  // owned by its reference count
}

HRESULT TRovanFiltri::QueryInterface(const TGUID*, void** obj) noexcept {
  if (obj != nullptr) *obj = nullptr;
  return E_NOINTERFACE;
}

int32_t TRovanFiltri::Release() noexcept {
  const int32_t rimasti = --m_ref;
  if (rimasti == 0) delete this;
  return rimasti;
}

const TCodiceCaratt* TRovanFiltri::Voce(int32_t i) const {
  if (i < 0 || static_cast<size_t>(i) >= m_listaCodici.size()) return nullptr;
  return m_listaCodici[static_cast<size_t>(i)].get();
}

int32_t TRovanFiltri::Codice(int32_t i) noexcept {
  const TCodiceCaratt* v = Voce(i);
  return v != nullptr ? v->m_codice : -1;
}

const char* TRovanFiltri::Desc(int32_t i) noexcept {
  const TCodiceCaratt* v = Voce(i);
  return v != nullptr ? v->m_deslingua.c_str() : "";
}

const char* TRovanFiltri::Nome(int32_t i) noexcept {
  const TCodiceCaratt* v = Voce(i);
  return v != nullptr ? v->m_desprinc.c_str() : "";
}

IRovanFiltri* TRovanFiltri::DammiValori(int32_t i) noexcept {
  const TCodiceCaratt* v = Voce(i);
  return m_iscaratt && v != nullptr ? &v->Valori() : nullptr;
}

TCodiceCaratt* TRovanFiltri::Aggiungi(int codice, std::string desprinc, std::string deslingua) {
  m_listaCodici.push_back(std::make_unique<TCodiceCaratt>(codice, std::move(desprinc), std::move(deslingua)));
  return m_listaCodici.back().get();
}

TCodiceCaratt* TRovanFiltri::TrovaCodice(int codice) const {
  for (auto it = m_listaCodici.rbegin(); it != m_listaCodici.rend(); ++it)
    if ((*it)->m_codice == codice) return it->get();
  return nullptr;
}

void TRovanFiltri::PotaValori(const std::set<std::string>& validi) {
  for (auto& c : m_listaCodici) {
    auto& valori = c->Valori().m_listaCodici;
    const std::string prefisso = std::to_string(c->m_codice) + "|";
    std::erase_if(valori, [&](const auto& v) { return validi.count(prefisso + std::to_string(v->m_codice)) == 0; });
  }
  std::erase_if(m_listaCodici, [](const auto& c) { return c->Valori().m_listaCodici.empty(); });
}

}  // namespace rovan
