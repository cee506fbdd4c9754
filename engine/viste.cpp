#include "engine/viste.h"

#include "engine/json_writer.h"
#include "platform/text_utils.h"

namespace rovan {

TVistiSec* TVista::TrovaSec(int idS) const {
  if (idS < 0) return nullptr;
  for (const auto& s : m_figli)
    if (s->m_Index == idS) return s.get();
  return nullptr;
}

TVistiSec* TVista::getLinguettaPerId(int id) const {
  for (const auto& s : m_figli) {
    if (s->m_Index == id) return s.get();
    if (TVistiSec* trovata = s->getLinguettaPerId(id)) return trovata;
  }
  return nullptr;
}

TVistiSec* TVista::InsSec(int carS, int valS, int idS, const std::string& desS, const std::string& desSLingua,
                          const TTraduzioni& traduzioni) {
  if (idS < 0) return nullptr;
  auto* self = dynamic_cast<TVistiSec*>(this);
  auto s = std::make_unique<TVistiSec>(m_Gestore, primaria(), self);
  s->m_Car = carS;
  s->m_Val = valS;
  s->m_Index = idS;
  s->desOri = desS;
  s->desLingua = desSLingua;
  s->m_traduzioni = traduzioni;
  m_figli.push_back(std::move(s));
  return m_figli.back().get();
}

void TVista::ScriviJson(JsonLines& lista) const {
  lista.Riga("{");
  lista.Riga("\"Car\":", m_Car, ",");
  lista.Riga("\"Val\":", m_Val, ",");
  lista.Riga("\"Index\":", m_Index, ",");
  lista.Riga("\"Descrizione\":\"", Json(desOri), "\",");
  ScriviTraduzioni(lista, [this](int i) -> const std::string& { return m_traduzioni[i]; });
  lista.Riga("  },");
  if (!m_figli.empty()) {
    lista.Riga("\"secondarie\":");
    lista.Riga("[");
    for (size_t i = 0; i < m_figli.size(); ++i) {
      if (i > 0) lista.Riga(",");
      m_figli[i]->ScriviJson(lista);
    }
    lista.Riga("]");
  } else {
    m_ListaCodici.ScriviListaCmpJson(lista);
  }
  lista.Riga("}");
}

void TVistiPri::Init(int carP, int valP, int idP, const std::string& desP, const std::string& desPLingua,
                     int idDatabase, const TTraduzioni& traduzioni, bool isFendrix) {
  m_Car = carP;
  m_Val = valP;
  m_Index = idP;
  desOri = desP;
  desLingua = desPLingua;
  m_IdListino = idDatabase;
  m_traduzioni = traduzioni;
  m_isfendrix = isFendrix;
}

TCodMdl* TVistiPri::AddCarvalNoCheck(TCodMdl::Testi testi, bool haFoto, bool haScheda, bool isGenerico,
                                     bool isFendrix) {
  testi[TCodMdl::Attributo] = TrimView(testi[TCodMdl::Attributo]);
  auto cm = TCodMdl::Crea(m_IdListino, testi);
  cm->ha_foto = haFoto;
  cm->ha_scheda = haScheda;
  cm->m_isgenerico = isGenerico;
  cm->m_isfendrix = isFendrix;
  return m_ListaCodici.Aggiungi(std::move(cm));
}

void TVistiPri::AggiornaDatiCodice(std::string_view cod, std::string_view descr, std::string_view filtro,
                                   std::string_view filtroAux, const TUser& user, std::string_view azioni,
                                   const TTraduzioni& trad, std::string_view attributo, bool isGenerico) {
  TCodMdl* cm = TrovaCodice(cod);
  if (cm == nullptr) return;
  auto sostituisci = [cm](TCodMdl::Campo c, std::string_view v) {
    if (!v.empty()) cm->Set(c, v);
  };
  sostituisci(TCodMdl::Descr, descr);
  sostituisci(TCodMdl::Filtro, filtro);
  sostituisci(TCodMdl::FiltroAux, filtroAux);
  for (int i = 1; i <= 5; ++i) sostituisci(static_cast<TCodMdl::Campo>(TCodMdl::User1 + i - 1), user[i]);
  for (int i = 1; i <= 10; ++i) sostituisci(static_cast<TCodMdl::Campo>(TCodMdl::Trad1 + i - 1), trad[i]);
  sostituisci(TCodMdl::Azioni, azioni);
  sostituisci(TCodMdl::Attributo, attributo);
  cm->m_isgenerico = isGenerico;
}

std::string TVistiSec::GetPathLinguetta() const {
  std::string path = std::to_string(m_Val);
  for (const TVistiSec* s = m_PadreSec; s != nullptr; s = s->m_PadreSec) path = std::to_string(s->m_Val) + "\\" + path;
  return std::to_string(Padre->m_Val) + "\\" + path;
}

}  // namespace rovan
