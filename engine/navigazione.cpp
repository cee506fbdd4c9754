// The current tab, the code iteration through which code lists are built, value filters across the views,
// the filter lists handed to the host, code search and counting.
#include <algorithm>

#include "engine/URovanCodici.h"
#include "engine/UFiltri.h"
#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "storage/schema.h"
#include "storage/sql_quote.h"

namespace rovan {

void TGestore::settaAtt(int idP, int idS, const std::string& filtrodaesterno) {
  m_FiltroEsterno = filtrodaesterno;
  m_InclusoFiltroEsterno = true;
  if (!m_FiltroEsterno.empty() && m_FiltroEsterno[0] == '!') {
    m_FiltroEsterno.erase(0, 1);
    m_InclusoFiltroEsterno = false;
  }
  const int id = idS >= 0 ? idS : idP;
  m_AttualeIsTemporanea = id > 99999 && id < 200000;
  m_AttualeIsPreferita = id >= 200000 && id <= 299999;
  if (m_AttualeIsTemporanea || m_AttualeIsPreferita) {
    m_AttualeLinguettaId = id - (m_AttualeIsTemporanea ? 100000 : 200000);
    return;
  }
  getLinguettaPerId(id, m_pAttualePri, m_pAttualeSec);
}

const TLinguetteTemporanee* TGestore::ListaAttuale() const {
  if (m_AttualeIsTemporanea) return m_LinguetteTemporanee.get();
  if (m_AttualeIsPreferita) return m_linguettePreferiti.get();
  return nullptr;
}

int TGestore::CarPriAtt() const { return m_pAttualePri ? m_pAttualePri->m_Car : -1; }
int TGestore::ValPriAtt() const { return m_pAttualePri ? m_pAttualePri->m_Val : -1; }
int TGestore::CarSecAtt() const { return m_pAttualePri && m_pAttualeSec ? m_pAttualeSec->m_Car : -1; }
int TGestore::ValSecAtt() const { return m_pAttualePri && m_pAttualeSec ? m_pAttualeSec->m_Val : -1; }

void TGestore::getCodiciAtt(int idP, int idS, int& carP, int& valP, int& carS, int& valS) const {
  carP = valP = carS = valS = -1;
  for (const auto& p : m_primarie) {
    if (p->m_Index != idP) continue;
    carP = p->m_Car;
    valP = p->m_Val;
    if (const TVistiSec* s = p->TrovaSec(idS)) {
      carS = s->m_Car;
      valS = s->m_Val;
    }
    return;
  }
}

void TGestore::iteraStartAtt(bool soloFiltriGlobali) {
  m_AttualeCodId = 0;
  m_AttualeCodLista = nullptr;
  if (ListaAttuale() != nullptr) return;
  if (m_pAttualePri == nullptr) return;
  m_SoloGlobAtt = soloFiltriGlobali;
  if (m_pAttualeSec == nullptr) {
    if (m_pAttualePri->figli().empty()) m_AttualeCodLista = &m_pAttualePri->codici();
  } else if (m_pAttualeSec->figli().empty()) {
    m_AttualeCodLista = &m_pAttualeSec->codici();
  }
}

bool TGestore::iteraOKAtt() {
  std::string log;
  if (const TLinguetteTemporanee* lista = ListaAttuale()) {
    // Missing entries (a tab with child tabs, an id outside the list) are passed over too.
    for (; m_AttualeCodId < lista->ContaCodici(m_AttualeLinguettaId); ++m_AttualeCodId) {
      TCodMdl* cm = lista->DammiCodice(m_AttualeLinguettaId, m_AttualeCodId);
      if (cm != nullptr && IsVisibilePerFiltri(*cm, log)) return true;
    }
    return false;
  }
  if (m_AttualeCodLista == nullptr) return false;
  // The lists copy whole codes, which lie scattered over the heap: asking for them a few steps ahead hides
  // most of the misses.
  constexpr int kAvanti = 8;
  const std::vector<TCodMdl*>& codici = m_AttualeCodLista->items();
  const int n = static_cast<int>(codici.size());
  for (; m_AttualeCodId < n; ++m_AttualeCodId) {
    if (m_AttualeCodId + kAvanti < n) codici[static_cast<size_t>(m_AttualeCodId + kAvanti)]->PrecaricaTutto();
    if (IsVisibilePerFiltri(*codici[static_cast<size_t>(m_AttualeCodId)], log)) return true;
  }
  return false;
}

TCodMdl* TGestore::iteraAtt(bool& isVisPerFiltro) {
  if (const TLinguetteTemporanee* lista = ListaAttuale()) {
    isVisPerFiltro = true;
    return lista->DammiCodice(m_AttualeLinguettaId, m_AttualeCodId++);
  }
  isVisPerFiltro = false;
  TCodMdl* cm = m_AttualeCodLista ? m_AttualeCodLista->DammiElemento(m_AttualeCodId++) : nullptr;
  if (cm != nullptr) isVisPerFiltro = cm->m_Visible;
  return cm;
}

std::string TGestore::iteraValoriPri() {
  TVistiPri* p = iteraValoriPriOgg();
  return p != nullptr ? p->getDes() : std::string();
}

TVistiPri* TGestore::iteraValoriPriOgg() { return m_iteraPri < m_primarie.size() ? m_primarie[m_iteraPri++].get() : nullptr; }

// Keeps the answers of CodiciConValore for the length of one value-filter operation.
class TGestore::PassataFiltri {
 public:
  explicit PassataFiltri(TGestore& g) : g_(g) { ++g_.m_passataFiltri; }
  ~PassataFiltri() {
    if (--g_.m_passataFiltri == 0) g_.m_codiciConValore.clear();
  }
  PassataFiltri(const PassataFiltri&) = delete;
  PassataFiltri& operator=(const PassataFiltri&) = delete;

 private:
  TGestore& g_;
};

const std::vector<std::string>& TGestore::CodiciConValore(int car, int val) {
  auto chiave = std::make_pair(car, val);
  if (m_passataFiltri > 0) {
    if (auto it = m_codiciConValore.find(chiave); it != m_codiciConValore.end()) return it->second;
  } else {
    m_codiciConValore.clear();  // outside an operation only the latest answer is kept
  }
  std::vector<std::string>& presenti = m_codiciConValore[chiave];
  presenti.clear();
  if (TDMMain* principale = GetDMMain(0)) {
    std::unique_ptr<TQorQuery2> q = principale->GetQuery();
    q->SQL().SetText("select Codice from " + principale->GetDBAux() + "legami where CodCaratt = " + std::to_string(car) +
                     " and CodValori=" + std::to_string(val) + " order by Codice");
    q->OpenForwardOnly();
    for (; !q->Eof(); q->Next()) presenti.push_back(q->Fields(0).AsString());
    std::sort(presenti.begin(), presenti.end());  // the binary search needs byte order, whatever the collation
  }
  return presenti;
}

void TGestore::AggAttFil(int codcar, int codVal, const std::string& desCar, const std::string& desVal) {
  PassataFiltri passata(*this);
  if (codcar < 0) {
    // Keys by description, on the principal price list.
    TDMMain* dm = GetDMMain(0);
    if (dm == nullptr) return;
    const int lingua = dm->GetIdLingua();
    const std::string colonna = lingua > 0 ? "Descr" + std::to_string(lingua) : "Descrizione";
    auto chiave = [&](const std::string& sql) -> std::optional<int> {
      std::unique_ptr<TQorQuery2> q = dm->GetQuery();
      if (!q) return std::nullopt;
      q->SQL().SetText(sql);
      q->Open();
      return q->isEmpty() ? 0 : static_cast<int>(q->FieldByName("Codice").AsInteger());
    };
    std::optional<int> c = chiave("select Codice from " + dm->GetDBAux() + "caratt where " + colonna + " = " + QuoteLiteral(desCar));
    if (!c) return;
    std::optional<int> v = chiave("select Codice from " + dm->GetDBAux() + "valori where " + colonna + " = " +
                                  QuoteLiteral(desVal) + " and Caratt=" + std::to_string(*c));
    if (!v) return;
    codcar = *c;
    codVal = *v;
  }
  for (const auto& p : m_primarie) p->AggAttFil(codcar, codVal, desCar, desVal);
}

void TGestore::ElAttFil(const std::string& desCar, const std::string& desVal) {
  PassataFiltri passata(*this);
  for (const auto& p : m_primarie) p->ElAttFil(desCar, desVal);
}

void TGestore::ElAttFilCod(int codcar, int codVal) {
  PassataFiltri passata(*this);
  for (const auto& p : m_primarie) p->ElAttFilCod(codcar, codVal);
}

void TGestore::ElTuttiFil() {
  for (const auto& p : m_primarie) p->ElTuttiFil();
}

void TGestore::DammiFiltriSettatiAtt(TRovanFiltri& filtri) {
  if (m_pAttualePri == nullptr) return;
  TVista& vista = m_pAttualeSec != nullptr ? static_cast<TVista&>(*m_pAttualeSec) : *m_pAttualePri;
  for (const TCoppia& f : m_pAttualePri->filtriApplicati()) {
    if (!vista.IsFiltroPresente(f.c)) continue;
    TCodiceCaratt* c = filtri.Aggiungi(f.c, f.desC, f.desC);
    c->Valori().m_iscaratt = false;
    c->Valori().Aggiungi(f.v, f.desV, f.desV);
  }
}

void TGestore::DammiFiltriAtt(TRovanFiltri& filtri) {
  if (m_pAttualePri == nullptr) return;
  TVista& vista = m_pAttualeSec != nullptr ? static_cast<TVista&>(*m_pAttualeSec) : *m_pAttualePri;
  const std::string elenco = vista.GetElencoFiltri();
  TDMMain* dm = GetDMMain(0);
  if (elenco.empty() || dm == nullptr || dm->GetTipoListino() == TL_WEB) return;
  const int lingua = dm->GetIdLingua();
  const std::string aux = dm->GetDBAux();
  std::string sql = "select c.Codice as codcar , c.Descrizione as descar , v.Codice as codval, v.Descrizione as desval ";
  if (lingua > 0) {
    const std::string n = std::to_string(lingua);
    sql += " , c.Descr" + n + " as DescrLinguaCar, v.Descr" + n + " as DescrLinguaVal ";
  }
  sql += " from " + aux + "caratt c inner join " + aux + "valori v on c.Codice = v.Caratt where c.Codice in (" +
         elenco + ") order by c.Codice, v.Ordine";
  std::unique_ptr<TQorQuery2> q = dm->GetQuery();
  q->SQL().SetText(sql);
  q->Open();
  TCodiceCaratt* attuale = nullptr;
  int codcarPrecedente = 0;
  auto lingue = [&](const char* colonna, const std::string& base) {
    if (lingua == 0) return base;
    std::string t = q->FieldByName(colonna).AsString();
    return t.empty() ? base : t;
  };
  for (; !q->Eof(); q->Next()) {
    const int codcar = static_cast<int>(q->FieldByName("codcar").AsInteger());
    if (attuale == nullptr || codcar != codcarPrecedente) {
      const std::string descar = q->FieldByName("descar").AsString();
      attuale = filtri.Aggiungi(codcar, descar, lingue("DescrLinguaCar", descar));
      attuale->Valori().m_iscaratt = false;
      codcarPrecedente = codcar;
    }
    const std::string desval = q->FieldByName("desval").AsString();
    attuale->Valori().Aggiungi(static_cast<int>(q->FieldByName("codval").AsInteger()), desval,
                               lingue("DescrLinguaVal", desval));
  }
}

std::vector<std::string> TGestore::CercaCodiciCancelletto(const std::string& codiceView, int idCampoUser,
                                                          const std::string& valore) const {
  std::vector<std::string> trovati;
  if (codiceView.size() > static_cast<size_t>(schema::kLunghezzaCodice)) return trovati;
  const std::string variante = codiceView + "#";
  for (const auto& p : m_primarie) {
    for (const TCodMdl* cm : p->codici().items()) {
      const std::string_view c = cm->cod();
      if (c != codiceView && c.substr(0, variante.size()) != variante) continue;
      if (idCampoUser >= 1 && idCampoUser <= 5 && cm->user(idCampoUser) != valore) continue;
      trovati.emplace_back(c);
    }
  }
  return trovati;
}

void TGestore::FindCodici(TRovanCodici& codiciTrovati, const std::string& impronta, bool suDescrizione) {
  const Pattern pattern(impronta);
  m_Impronta = impronta;
  m_SuDes = suDescrizione;
  // The walk only notes the codes found; copying them afterwards lets each copy ask for the next codes ahead
  // (a hit's whole block, not only the texts the pattern read, would otherwise be waited for line by line).
  std::vector<Trovato> trovati;
  for (const auto& p : m_primarie)
    if (!VisitaRicerca(*p, trovati, pattern)) break;
  constexpr size_t kAvanti = 8;
  for (size_t i = 0; i < trovati.size(); ++i) {
    if (i + kAvanti < trovati.size()) trovati[i + kAvanti].cm->PrecaricaTutto();
    TCodiceListino& e = codiciTrovati.Aggiungi(*trovati[i].cm, nullptr);
    e.m_IdLinguetta = trovati[i].idLinguetta;
    e.m_is_attivo_in_modello = trovati[i].attivo;
  }
}

bool TGestore::VisitaRicerca(TVista& vista, std::vector<Trovato>& trovati, const Pattern& pattern) {
  if (!vista.figli().empty()) {
    for (const auto& s : vista.figli())
      if (!VisitaRicerca(*s, trovati, pattern)) return false;
    return true;
  }
  // Codes lie scattered over the heap: asking for them a few steps ahead hides most of the misses.
  constexpr size_t kAvanti = 8;
  const std::vector<TCodMdl*>& codici = vista.codici().items();
  for (size_t i = 0; i < codici.size(); ++i) {
    if (i + kAvanti < codici.size()) codici[i + kAvanti]->Precarica();
    if (!AggiungiTrovato(*codici[i], vista, trovati, pattern)) return false;
  }
  return true;
}

bool TGestore::AggiungiTrovato(TCodMdl& cm, TVista& vista, std::vector<Trovato>& trovati, const Pattern& pattern) {
  const ContainerSwitches& opzioni = Processo().switches;
  if (!pattern.Corrisponde(m_SuDes ? cm.descr() : cm.cod())) {
    bool inUtente = false;
    for (int i = 1; i <= 5 && opzioni.cercaSuUser && !inUtente; ++i) inUtente = pattern.Corrisponde(cm.user(i));
    if (!inUtente) return true;
  }
  TDMMain* dm = GetDMMain(cm.GetIdListino());
  const bool escluso = dm == nullptr || dm->m_IsFendrix;  // object libraries are excluded from all three
  const std::string& modello = FiltroModelloPer(dm);
  const bool libreria = !escluso && m_con_filtro_dll && !dm->m_EsclusoDaFiltroDll;
  const bool esteso = !escluso && m_con_filtro_esteso && !dm->m_EsclusoDaFiltroEsteso;
  if (esteso && !OkFiltroEsteso(cm.filtro())) return true;

  bool attivo;
  if (libreria) {
    std::string attributo(cm.attributo());
    attivo = OkFiltroDaDll2(std::string(cm.filtro()), std::string(cm.filtroAux()), std::string(cm.cod()), attributo) != 0;
  } else {
    attivo = modello.empty() || OkFiltroModello(modello, cm.filtro());
  }
  if (!attivo && (!opzioni.cercaNonVisibili || cm.cod() != cm.codview())) return true;
  if (IsLinguettaNascostaId(vista.id(), cm.GetIdListino())) return true;

  trovati.push_back({&cm, vista.id(), attivo});
  return Processo().massimoRicerca <= 0 || static_cast<int>(trovati.size()) < Processo().massimoRicerca;
}

int TGestore::ContaCodiciGes(int idP, int idS, int& totfiltrati) const {
  totfiltrati = 0;
  TVistiPri* p;
  TVistiSec* s;
  getLinguettaPerId(idS >= 0 ? idS : idP, p, s);
  if (p == nullptr || (s == nullptr && !p->figli().empty())) return 0;
  const TVista& v = s != nullptr ? static_cast<const TVista&>(*s) : *p;
  return v.ContaCodici(totfiltrati);
}

}  // namespace rovan
