#include "engine/URovanCodici.h"

#include <cstring>

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

TRovanCodici::TRovanCodici(std::function<std::optional<int>()> linguaAttiva) : m_linguaAttiva(std::move(linguaAttiva)) {}

TRovanCodici::~TRovanCodici() = default;

int32_t ROVAN_STDCALL TRovanCodici::Release() {
  const int32_t n = --m_ref;
  if (n == 0) delete this;
  return n;
}

TCodiceListino* TRovanCodici::CodiceListino(int32_t i) const {
  if (i < 0 || i >= static_cast<int32_t>(m_listaCodici.size())) return nullptr;
  return m_listaCodici[static_cast<size_t>(i)].get();
}

const char* TRovanCodici::NelBuffer(const std::string& testo) {
  const size_t n = std::min(testo.size(), sizeof m_buff - 1);
  std::memcpy(m_buff, testo.data(), n);
  m_buff[n] = '\0';
  return m_buff;
}

const char* TRovanCodici::Ansi(const std::string& testo) {
  m_testo = Utf8ToAnsi(testo);
  return m_testo.c_str();
}

const char* TRovanCodici::Utf8(const std::string& testo) {
  m_testo = testo;
  return m_testo.c_str();
}

const char* ROVAN_STDCALL TRovanCodici::Codice(int32_t i) {
  return Protetto("Codice", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_codice) : "";
  });
}

const char* ROVAN_STDCALL TRovanCodici::Desc(int32_t i) {
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

const char* ROVAN_STDCALL TRovanCodici::DesPri(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? Ansi(e->m_desvalpri_old) : "";
}

const char* ROVAN_STDCALL TRovanCodici::DesSec(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? Ansi(e->m_desvalsec_old) : "";
}

int32_t ROVAN_STDCALL TRovanCodici::HaScheda(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_ha_scheda ? 1 : 0;
}

int32_t ROVAN_STDCALL TRovanCodici::HaFoto(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_ha_foto ? 1 : 0;
}

int32_t ROVAN_STDCALL TRovanCodici::IsAttivoInModello(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_is_attivo_in_modello ? 1 : 0;
}

const char* ROVAN_STDCALL TRovanCodici::GetUserData(int32_t i, int32_t quale) {
  return Protetto("GetUserData", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e && quale >= 1 && quale <= 5 ? Ansi(e->m_user[quale]) : "";
  });
}

const char* ROVAN_STDCALL TRovanCodici::CodiceView(int32_t i) {
  return Protetto("CodiceView", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    if (e == nullptr || Processo().switches.nascondiCodici) return "";
    return NelBuffer(Utf8ToAnsi(e->m_codice.substr(0, e->m_codice.find('#'))));
  });
}

const char* ROVAN_STDCALL TRovanCodici::Azioni(int32_t i) {
  return Protetto("Azioni", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_azioni) : "";
  });
}

int32_t ROVAN_STDCALL TRovanCodici::IdListino(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? e->m_id_listino : -1;
}

int32_t ROVAN_STDCALL TRovanCodici::IdLinguetta(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? e->m_IdLinguetta : -1;
}

const char* ROVAN_STDCALL TRovanCodici::Traduzione(int32_t i, int32_t IdLingua) {
  return Protetto("Traduzione", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    if (e == nullptr) return "";
    if (IdLingua == 0) return NelBuffer(e->m_descrizione_ori);
    if (IdLingua >= 1 && IdLingua <= 10) return NelBuffer(e->m_traduzioni[IdLingua]);
    return "";
  });
}

const char* ROVAN_STDCALL TRovanCodici::Attributo(int32_t i) {
  return Protetto("Attributo", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_attributo) : "";
  });
}

int32_t ROVAN_STDCALL TRovanCodici::IsGenerico(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_isgenerico ? 1 : 0;
}

double ROVAN_STDCALL TRovanCodici::Prezzo(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e ? e->m_prezzo : 0;
}

void ROVAN_STDCALL TRovanCodici::SettaPrezzo(int32_t i, double prz) {
  if (TCodiceListino* e = CodiceListino(i)) e->m_prezzo = prz;
}

int32_t ROVAN_STDCALL TRovanCodici::IsFendrix(int32_t i) {
  TCodiceListino* e = CodiceListino(i);
  return e && e->m_isfendrix ? 1 : 0;
}

const char* ROVAN_STDCALL TRovanCodici::Filtro(int32_t i) {
  return Protetto("Filtro", "", [&] {
    TCodiceListino* e = CodiceListino(i);
    return e ? Ansi(e->m_filtro) : "";
  });
}

}  // namespace rovan
