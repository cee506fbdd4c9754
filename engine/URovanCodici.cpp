#include "engine/URovanCodici.h"

#include <cstring>
#include <new>

#include "engine/UFiltri.h"
#include "engine/UGenerici.h"
#include "engine/cod_mdl.h"
#include "platform/code_page.h"
#include "plugin/boundary.h"
#include "plugin/process_state.h"

namespace rovan {

TCodiceListino::TCodiceListino(const TCodMdl& testi, TDMMain* dm)
    : m_ha_scheda(testi.ha_scheda),
      m_ha_foto(testi.ha_foto),
      m_id_listino(testi.GetIdListino()),
      m_isgenerico(testi.m_isgenerico),
      m_isfendrix(testi.m_isfendrix),
      m_testi(&testi),
      m_dm(dm) {}

TCodiceListino::~TCodiceListino() = default;

std::string_view TCodiceListino::codice() const { return m_testi->cod(); }
std::string_view TCodiceListino::descrizione() const { return m_testi->descr(); }
std::string_view TCodiceListino::descrizioneOri() const { return m_testi->descrizioneOri(); }
std::string_view TCodiceListino::user(int pos) const { return m_testi->user(pos); }
std::string_view TCodiceListino::azioni() const { return m_testi->azioni(); }
std::string_view TCodiceListino::filtro() const { return m_testi->filtro(); }
std::string_view TCodiceListino::traduzione(int pos) const { return m_testi->traduzione(pos); }
std::string_view TCodiceListino::attributo() const { return m_testi->attributo(); }

TListaCarattGenerici* TCodiceListino::FiltriGenerici() {
  if (!m_FiltriGenerici && m_dm != nullptr) m_FiltriGenerici = std::make_unique<TListaCarattGenerici>(*m_dm);
  return m_FiltriGenerici.get();
}

TVociListino::~TVociListino() {
  for (size_t i = n_; i-- > 0;) (*this)[i].~TCodiceListino();
}

TCodiceListino& TVociListino::Aggiungi(const TCodMdl& testi, TDMMain* dm) {
  if (n_ == pezzi_.Count() * kPerPezzo) pezzi_.Prendi(kPerPezzo * sizeof(TCodiceListino));
  void* posto = reinterpret_cast<TCodiceListino*>(pezzi_[n_ / kPerPezzo]) + n_ % kPerPezzo;
  TCodiceListino* voce = ::new (posto) TCodiceListino(testi, dm);
  ++n_;
  return *voce;
}

template <typename I>
TRovanCodiciBase<I>::TRovanCodiciBase(std::function<std::optional<int>()> linguaAttiva, std::shared_ptr<RiservaBlocchi> riserva)
    : m_copie(riserva), m_listaCodici(std::move(riserva)), m_linguaAttiva(std::move(linguaAttiva)) {}

template <typename I>
TRovanCodiciBase<I>::~TRovanCodiciBase() = default;

template <typename I>
int32_t ROVAN_STDCALL TRovanCodiciBase<I>::Release() {
  const int32_t n = --m_ref;
  if (n == 0) delete this;
  return n;
}

template <typename I>
TCodiceListino* TRovanCodiciBase<I>::CodiceListino(int32_t i) {
  if (i < 0 || i >= static_cast<int32_t>(m_listaCodici.size())) return nullptr;
  return &m_listaCodici[static_cast<size_t>(i)];
}

template <typename I>
const char* TRovanCodiciBase<I>::NelBuffer(std::string_view testo) {
  const size_t n = std::min(testo.size(), sizeof m_buff - 1);
  std::memcpy(m_buff, testo.data(), n);
  m_buff[n] = '\0';
  return m_buff;
}

template <typename I>
const char* TRovanCodiciBase<I>::Ansi(std::string_view testo) {
  AssegnaUtf8ToAnsi(m_testo, testo);
  return m_testo.c_str();
}

template <typename I>
const char* TRovanCodiciBase<I>::Utf8(std::string_view testo) {
  m_testo = testo;
  return m_testo.c_str();
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Codice(int32_t i) {
  return Protetto("Codice", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->codice()) : "";
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
    return Utf8(e->descrizione());
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::DesPri(int32_t) {
  return "";  // the entry's primary description is never filled
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::DesSec(int32_t) {
  return "";  // the entry's secondary description is never filled
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
    return e && quale >= 1 && quale <= 5 ? Ansi(e->user(quale)) : "";
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::CodiceView(int32_t i) {
  return Protetto("CodiceView", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    if (e == nullptr || Processo().switches.nascondiCodici) return "";
    AssegnaUtf8ToAnsi(m_testo, e->codice().substr(0, e->codice().find('#')));
    return NelBuffer(m_testo);
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Azioni(int32_t i) {
  return Protetto("Azioni", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->azioni()) : "";
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
    if (IdLingua == 0) return NelBuffer(e->descrizioneOri());
    if (IdLingua >= 1 && IdLingua <= 10) return NelBuffer(e->traduzione(IdLingua));
    return "";
  });
}

template <typename I>
const char* ROVAN_STDCALL TRovanCodiciBase<I>::Attributo(int32_t i) {
  return Protetto("Attributo", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->attributo()) : "";
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
    return e ? Ansi(e->filtro()) : "";
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
