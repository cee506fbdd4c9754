#include "engine/gestore.h"

#include "engine/json_writer.h"
#include "platform/text_utils.h"
#include "plugin/host_link.h"
#include "plugin/password.h"
#include "plugin/process_state.h"
#include "plugin/reporting.h"
#include "storage/schema.h"

namespace rovan {

TGestore::TGestore(bool mettiCartelleVuote) : m_MettiCartelleVuote(mettiCartelleVuote) {
  const HostLink& host = HostLink::Get();
  m_nomePreferiti = host.available() ? host.CollectionName() : "PREF";
  m_LinguetteTemporanee = std::make_unique<TLinguetteTemporanee>(*this, LIN_TEMPORANEE, "");
  m_linguettePreferiti = std::make_unique<TLinguetteTemporanee>(*this, LIN_PREFERITI, m_nomePreferiti);
  if (Processo().containerMode) {
    AggiungiListino(Processo().listinoAperto, "", true);
    return;
  }
  for (int i = 0; i <= 10; ++i) {
    const std::string alias = i == 0 ? "AliasListino" : "AliasListinoSecondario" + std::to_string(i);
    const std::string testo = host.ReadText(alias).value_or("");
    if (testo.empty()) {
      if (i == 0) ScriviLog("  Alias Listino Non trovato AliasListino");
      continue;
    }
    const std::string connessione = DecodificaConnessione(host.ExpandPath(testo));
    const std::string cache = host.ReadText(alias + "_cachefile").value_or("");
    AggiungiListino(connessione, cache.empty() ? "" : host.ExpandPath(cache), false);
  }
  for (const std::string& c : Processo().objectLibraries)
    if (!c.empty()) AggiungiListino(c, "", true);
  SettaFiltro();
}

TGestore::~TGestore() { Reset(); }

void TGestore::AggiungiListino(const std::string& connessione, const std::string& fileCache, bool isFendrix) {
  auto dm = std::make_unique<TDMMain>();
  dm->SettaConnessione(connessione, static_cast<int>(m_DMMainArray.size()));
  dm->m_IsFendrix = isFendrix;
  dm->m_file_cache = fileCache;
  const HostLink& host = HostLink::Get();
  if (host.available() && m_DMMainArray.empty()) {
    if (std::optional<std::string> aux = host.ReadText("AliasListinoAux")) dm->SetDBAux(*aux);
  }
  m_DMMainArray.push_back(std::move(dm));
}

void TGestore::Reset() {
  // Whatever refers to the codes goes before the codes: the current tab, temporary and favourite tabs.
  m_pAttualePri = nullptr;
  m_pAttualeSec = nullptr;
  m_AttualeCodLista = nullptr;
  m_LinguetteTemporanee->Clear();
  m_linguettePreferiti->Clear();
  m_IndiceTab.Svuota();
  m_IndiceInvisibili.Svuota();
  m_primarie.clear();
  m_ListaCodiciInvisibili.Clear();
  m_DMMainArray.clear();
}

bool TGestore::ripristina_da_tab() {
  MostraMessaggio("ripristina_da_tab Obsoleta");
  return false;
}

TDMMain* TGestore::GetDMMain(int id) const {
  if (id < 0 || id >= ContaListini()) return nullptr;
  return m_DMMainArray[static_cast<size_t>(id)].get();
}

void TGestore::getLinguettaPerId(int id, TVistiPri*& pPri, TVistiSec*& pSec) const {
  pPri = nullptr;
  pSec = nullptr;
  for (const auto& p : m_primarie) {
    if (p->m_Index == id) {
      pPri = p.get();
      return;
    }
    if (TVistiSec* s = p->getLinguettaPerId(id)) {
      pPri = p.get();
      pSec = s;
      return;
    }
  }
}

void TGestore::getCodLinguetta(int id, int& car, int& vlr) const {
  TVistiPri* pPri;
  TVistiSec* pSec;
  getLinguettaPerId(id, pPri, pSec);
  const TVista* v = pSec != nullptr ? static_cast<const TVista*>(pSec) : pPri;
  car = v != nullptr ? v->m_Car : -1;
  vlr = v != nullptr ? v->m_Val : -1;
}

void TGestore::getCodPadreLinguetta(int id, int& car, int& vlr, int& idPadre) const {
  car = vlr = idPadre = -1;
  TVistiPri* pPri;
  TVistiSec* pSec;
  getLinguettaPerId(id, pPri, pSec);
  if (pSec == nullptr) return;
  const TVista* padre = pSec->m_PadreSec != nullptr ? static_cast<const TVista*>(pSec->m_PadreSec) : pPri;
  car = padre->m_Car;
  vlr = padre->m_Val;
  idPadre = padre->m_Index;
}

namespace {

// Splits a path at its first backslash: the head read as a number (0 when it is not one) and at most 100
// characters after it.
int TestaPath(const std::string& path, std::string& resto) {
  size_t p = path.find('\\');
  std::string testa = path.substr(0, p);
  resto = p == std::string::npos ? std::string() : path.substr(p + 1, 100);
  int valore = 0;
  return TryParseInt(Trim(testa), valore) ? valore : 0;
}

int IdPerPathSec(const std::vector<std::unique_ptr<TVistiSec>>& figli, const std::string& path) {
  std::string resto;
  const int testa = TestaPath(path, resto);
  for (const auto& s : figli) {
    if (s->m_Val != testa) continue;
    return resto.empty() ? s->m_Index : IdPerPathSec(s->figli(), resto);
  }
  return -1;
}

}  // namespace

int TGestore::getIdLinguettaPerKalvor(const std::string& path) const {
  std::string resto;
  const int testa = TestaPath(path, resto);
  for (const auto& p : m_primarie) {
    if (p->m_Val != testa) continue;
    return resto.empty() ? p->m_Index : IdPerPathSec(p->figli(), resto);
  }
  return -1;
}

std::string TGestore::GetPathLinguetta(int id) const {
  TVistiPri* pPri;
  TVistiSec* pSec;
  getLinguettaPerId(id, pPri, pSec);
  if (pSec != nullptr) return pSec->GetPathLinguetta();
  return pPri != nullptr ? std::to_string(pPri->m_Val) : std::string();
}

void TGestore::AggiornaDatiCodice(std::string_view cod, std::string_view descr, std::string_view filtro,
                                  std::string_view filtroAux, const TUser& user, std::string_view azioni,
                                  const TTraduzioni& trad, std::string_view attributo, bool isGenerico) {
  for (const auto& p : m_primarie)
    p->AggiornaDatiCodice(cod, descr, filtro, filtroAux, user, azioni, trad, attributo, isGenerico);
}

TCodMdl* TGestore::CercaCodice(std::string_view cod, bool suInvisibili) const {
  if (cod.size() > static_cast<size_t>(schema::kLunghezzaCodice)) return nullptr;
  PreparaIndici();
  if (TCodMdl* cm = m_IndiceTab.Trova(cod)) return cm;
  return suInvisibili ? m_IndiceInvisibili.Trova(cod) : nullptr;
}

void TGestore::PreparaIndici() const {
  // The tables give what a scan of the primary views in order, then of the invisible codes, would find.
  if (!m_IndiceTab.Costruito()) {
    std::vector<const std::vector<TCodMdl*>*> liste;
    for (const auto& p : m_primarie) liste.push_back(&p->codici().items());
    m_IndiceTab.Costruisci(liste);
  }
  if (!m_IndiceInvisibili.Costruito()) m_IndiceInvisibili.Costruisci({&m_ListaCodiciInvisibili.items()});
}

namespace {

// The codes the JSON text lists under a view and below it: those of the views without children.
size_t CodiciNelJson(const TVista& vista) {
  if (vista.figli().empty()) return vista.codici().items().size();
  size_t n = 0;
  for (const auto& s : vista.figli()) n += CodiciNelJson(*s);
  return n;
}

}  // namespace

void TGestore::ScriviGestJson(JsonLines& lista) const {
  constexpr size_t kByteStimatiPerCodice = 512;  // the members of a code take some 400 bytes
  size_t codici = 0;
  for (const auto& p : m_primarie) codici += CodiciNelJson(*p);
  lista.Riserva(codici * kByteStimatiPerCodice);
  lista.Riga("{");
  lista.Riga("\"primaria\":");
  lista.Riga("[");
  for (size_t i = 0; i < m_primarie.size(); ++i) {
    if (i > 0) lista.Riga(",");
    m_primarie[i]->ScriviJson(lista);
  }
  lista.Riga("]");
  lista.Riga("}");
}

}  // namespace rovan
