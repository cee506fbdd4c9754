#include "engine/URovanCodici.h"

#include <cstring>

#include "engine/UFiltri.h"
#include "engine/UGenerici.h"
#include "engine/cod_mdl.h"
#include "platform/code_page.h"
#include "plugin/boundary.h"
#include "plugin/process_state.h"

namespace rovan {

TCodiceListino::TCodiceListino(int idListino, TDMMain* dm) : m_id_listino(idListino), m_dm(dm) {}

TCodiceListino::~TCodiceListino() = default;

TListaCarattGenerici* TCodiceListino::FiltriGenerici() {
  if (!m_FiltriGenerici && m_dm != nullptr) m_FiltriGenerici = std::make_unique<TListaCarattGenerici>(*m_dm);
  return m_FiltriGenerici.get();
}

std::unique_ptr<TCodiceListino> GeneraDaCodMdl(const TCodMdl& cm, TDMMain* dm) {
  auto e = std::make_unique<TCodiceListino>(cm.GetIdListino(), dm);
  e->m_codice = cm.cod();
  e->m_descrizione = cm.descr();
  e->m_descrizione_ori = cm.descrizioneOri();
  e->m_ha_scheda = cm.ha_scheda;
  e->m_ha_foto = cm.ha_foto;
  e->m_attributo = cm.attributo();
  e->m_isgenerico = cm.m_isgenerico;
  e->m_isfendrix = cm.m_isfendrix;
  for (int i = 1; i <= 5; ++i) e->m_user[i] = cm.user(i);
  e->m_azioni = cm.azioni();
  e->m_filtro = cm.filtro();
  for (int i = 1; i <= 10; ++i) e->m_traduzioni[i] = cm.traduzione(i);
  return e;
}

template <typename I>
TRovanCodiciBase<I>::TRovanCodiciBase(std::function<std::optional<int>()> linguaAttiva)
    : m_linguaAttiva(std::move(linguaAttiva)) {}

template <typename I>
TRovanCodiciBase<I>::~TRovanCodiciBase() = default;

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::Release() {
  const int32_t n = --m_ref;
  if (n == 0) delete this;
  return n;
}

template <typename I>
TCodiceListino* TRovanCodiciBase<I>::CodiceListino(int32_t i) const {
  if (i < 0 || i >= static_cast<int32_t>(m_listaCodici.size())) return nullptr;
  return m_listaCodici[static_cast<size_t>(i)].get();
}

template <typename I>
const char* TRovanCodiciBase<I>::NelBuffer(const std::string& testo) {
  const size_t n = std::min(testo.size(), sizeof m_buff - 1);
  std::memcpy(m_buff, testo.data(), n);
  m_buff[n] = '\0';
  return m_buff;
}

template <typename I>
const char* TRovanCodiciBase<I>::Ansi(const std::string& testo) {
  m_testo = Utf8ToAnsi(testo);
  return m_testo.c_str();
}

template <typename I>
const char* TRovanCodiciBase<I>::Utf8(const std::string& testo) {
  m_testo = testo;
  return m_testo.c_str();
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Codice(int32_t i) {
  return Protetto("Codice", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_codice) : "";
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Desc(int32_t i) {
  return Protetto("Desc", "", [&]() -> const char* {
    TCodiceListino* e = CodiceListino(i);
    if (e == nullptr) return "";
    if (Processo().containerMode && m_linguaAttiva) {
      if (std::optional<int> lingua = m_linguaAttiva()) {
        const char* tradotta = Traduzione(i, *lingua);
        if (*tradotta != '\0') return tradotta;
      }
    }
    return Utf8(e->m_descrizione);
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::DesPri(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? Ansi(e->m_desvalpri_old) : "";
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::DesSec(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? Ansi(e->m_desvalsec_old) : "";
}

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::HaScheda(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_ha_scheda ? 1 : 0;
}

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::HaFoto(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_ha_foto ? 1 : 0;
}

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::IsAttivoInModello(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_is_attivo_in_modello ? 1 : 0;
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::GetUserData(int32_t i, int32_t quale) {
  return Protetto("GetUserData", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e && quale >= 1 && quale <= 5 ? Ansi(e->m_user[quale]) : "";
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::CodiceView(int32_t i) {
  return Protetto("CodiceView", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    if (e == nullptr || Processo().switches.nascondiCodici) return "";
    return NelBuffer(Utf8ToAnsi(e->m_codice.substr(0, e->m_codice.find('#'))));
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Azioni(int32_t i) {
  return Protetto("Azioni", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_azioni) : "";
  });
}

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::IdListino(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? e->m_id_listino : -1;
}

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::IdLinguetta(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? e->m_IdLinguetta : -1;
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Traduzione(int32_t i, int32_t IdLingua) {
  return Protetto("Traduzione", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    if (e == nullptr) return "";
    if (IdLingua == 0) return NelBuffer(e->m_descrizione_ori);
    if (IdLingua >= 1 && IdLingua <= 10) return NelBuffer(e->m_traduzioni[IdLingua]);
    return "";
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Attributo(int32_t i) {
  return Protetto("Attributo", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_attributo) : "";
  });
}

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::IsGenerico(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_isgenerico ? 1 : 0;
}

template <typename I>
double ROVAN_STDCALL TRovanCodiciBase<I>::Prezzo(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? e->m_prezzo : 0;
}

template <typename I>
void ROVAN_STDCALL TRovanCodiciBase<I>::SettaPrezzo(int32_t i, double prz) {
  if (TCodiceListino* e = CodiceListino(i)) e->m_prezzo = prz;
}

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::IsFendrix(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_isfendrix ? 1 : 0;
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Filtro(int32_t i) {
  return Protetto("Filtro", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_filtro) : "";
  });
}

template class TRovanCodiciBase<IRovanCodici>;
template class TRovanCodiciBase<IRovanCodiciGenerici>;

// ---- Generic data ---------------------------------------------------------------------------------------

TRovanCodiciGenerici::TRovanCodiciGenerici(std::function<std::optional<int>()> linguaAttiva)
    : TRovanCodiciBase(std::move(linguaAttiva)), m_rovanfiltri(TRovanFiltri::Crea()) {
  m_rovanfiltri->AddRef();
}

TRovanCodiciGenerici::~TRovanCodiciGenerici() {
  // Both references are the list's own (the host receives the filters without one), so both go.
  m_rovanfiltri->Release();
  m_rovanfiltri->Release();
}

namespace {

// The generic characteristic IdCaratt of an entry, or null.
TNavCaratt* CarattGen(TCodiceListino* e, int32_t idCaratt) {
  TListaCarattGenerici* lista = e != nullptr ? e->FiltriGenerici() : nullptr;
  return lista != nullptr ? lista->GetCaratt(idCaratt) : nullptr;
}

}  // namespace

int32_t ROVAN_STDCALL TRovanCodiciGenerici::ContaCarattGen(int32_t IdCodice) {
  return Protetto("ContaCarattGen", 0, [&] {
    TCodiceListino* e = CodiceListino(IdCodice);
    TListaCarattGenerici* lista = e != nullptr ? e->FiltriGenerici() : nullptr;
    return lista != nullptr ? lista->Conta() : 0;
  });
}

int32_t ROVAN_STDCALL TRovanCodiciGenerici::ContaValoriGen(int32_t IdCodice, int32_t IdCaratt) {
  return Protetto("ContaValoriGen", 0, [&] {
    TNavCaratt* c = CarattGen(CodiceListino(IdCodice), IdCaratt);
    return c != nullptr ? c->Conta() : 0;
  });
}

const char* ROVAN_STDCALL TRovanCodiciGenerici::DescrizioneCarattGen(int32_t IdCodice, int32_t IdCaratt,
                                                                    int32_t IdTraduzione) {
  return Protetto("DescrizioneCarattGen", "", [&] {
    TNavCaratt* c = CarattGen(CodiceListino(IdCodice), IdCaratt);
    return c != nullptr ? Utf8(c->Descrizione(IdTraduzione)) : "";
  });
}

const char* ROVAN_STDCALL TRovanCodiciGenerici::DescrizioneValoreGen(int32_t IdCodice, int32_t IdCaratt,
                                                                    int32_t IdValore, int32_t IdTraduzione) {
  return Protetto("DescrizioneValoreGen", "", [&] {
    TNavCaratt* c = CarattGen(CodiceListino(IdCodice), IdCaratt);
    TNavValore* v = c != nullptr ? c->GetValore(IdValore) : nullptr;
    return v != nullptr ? Utf8(v->Descrizione(IdTraduzione)) : "";
  });
}

IRovanFiltri* ROVAN_STDCALL TRovanCodiciGenerici::GetFiltri() { return m_rovanfiltri; }

}  // namespace rovan
