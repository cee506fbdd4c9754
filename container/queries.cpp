// The read side of the container: the tab tree handed to the host, code lists, search, filters, items,
// pictures, languages and display attributes. Each operation converts the host's ANSI arguments, calls the
// navigation engine or a data module, and hands the result back as an interface, a blob or a text.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "engine/URovanCodici.h"
#include "engine/UAttributi.h"
#include "engine/UFiltri.h"
#include "engine/gestore.h"
#include "engine/json_writer.h"
#include "platform/code_page.h"
#include "platform/system_paths.h"
#include "platform/text_utils.h"
#include "plugin/boundary.h"
#include "plugin/host_link.h"
#include "plugin/library.h"
#include "plugin/process_state.h"
#include "plugin/rovan_container.h"
#include "plugin/UBlobKalvor.h"
#include "storage/item_pictures.h"
#include "storage/sql_quote.h"
#include "ui/ImageDB.h"

namespace rovan {
namespace {

// Copies text and its terminating zero into a host buffer (the host provides the room).
void ScriviBuffer(char* buffer, const std::string& testo) {
  if (buffer != nullptr) std::memcpy(buffer, testo.c_str(), testo.size() + 1);
}

}  // namespace

// ---- Helpers --------------------------------------------------------------------------------------------

TCodMdl* TRovanContainer::TrovaCodice(const char* ansi) const {
  return m_Gestore ? m_Gestore->CercaCodice(AnsiToUtf8(Testo(ansi)), true) : nullptr;
}

TDMMain* TRovanContainer::ListinoDi(const TCodMdl& cm) const {
  return m_Gestore ? m_Gestore->GetDMMain(cm.GetIdListino()) : nullptr;
}

int TRovanContainer::LinguaPrincipale() const {
  TDMMain* dm = m_Gestore ? m_Gestore->GetDMMain(0) : nullptr;
  return dm != nullptr ? dm->GetIdLingua() : 0;
}

std::optional<int> TRovanContainer::PosizioneLinguaHost() const {
  if (!m_Gestore || m_Gestore->GetDMMain(0) == nullptr) return std::nullopt;
  return LinguaPrincipale();
}

void TRovanContainer::ContaCodiciLinguetta(int32_t idPadre, int32_t id, int32_t& tot, int32_t& filtrati) const {
  tot = filtrati = 0;
  if (m_Gestore) tot = m_Gestore->ContaCodiciGes(idPadre, id, filtrati);
}

// ---- Tree -----------------------------------------------------------------------------------------------

void* ROVAN_STDCALL TRovanContainer::GetRovanTree() { return GetRovanTreeExt(0); }

bool TRovanContainer::TieniNodo(TRovanTree& nodo, const TVista& vista, bool cartelleVuote) {
  if (!vista.figli().empty()) {
    AggiungiSecondarie(nodo, vista, nodo.m_id_listino, cartelleVuote);
    return cartelleVuote || nodo.GetNumFigli() > 0;
  }
  int filtrati = 0;
  vista.ContaCodici(filtrati);
  return cartelleVuote || filtrati > 0;
}

void TRovanContainer::AggiungiSecondarie(TRovanTree& padre, const TVista& vista, int idListino, bool cartelleVuote) {
  for (const auto& s : vista.figli()) {
    if (m_Gestore->linguetteNascoste().IsNascosta(idListino, s->getDesOri(), s->GetPathLinguetta())) continue;
    auto nodo = std::make_unique<TRovanTree>(this, s->id(), padre.m_Index);
    nodo->m_desc = s->getDes();
    nodo->m_descrizione_ori = s->getDesOri();
    nodo->m_traduzioni = s->m_traduzioni;
    nodo->m_isfendrix = padre.m_isfendrix;
    nodo->m_id_listino = idListino;
    if (TieniNodo(*nodo, *s, cartelleVuote)) padre.m_ListaFigli.Add(std::move(nodo));
  }
}

void TRovanContainer::AggiungiTemporanee(TLinguetteTemporanee& lista) {
  TRovanTree& radice = *m_tree;
  // Nodes of the list's tabs: top-level ones at the start or at the end of the root, children appended.
  std::function<std::unique_ptr<TRovanTree>(TLinguettaTemporanea&, const TRovanTree&)> crea =
      [&](TLinguettaTemporanea& t, const TRovanTree& padre) {
        auto nodo = std::make_unique<TRovanTree>(this, lista.deltaLinguetta() + t.id(), padre.m_Index);
        nodo->m_TipoLin = lista.tipoLin();
        nodo->m_desc = nodo->m_descrizione_ori = t.m_Descrizione;
        nodo->m_isfendrix = padre.m_isfendrix;
        for (int i = 0; i < lista.Count(); ++i)
          if (lista.Item(i)->padre() == &t) nodo->m_ListaFigli.Add(crea(*lista.Item(i), *nodo));
        return nodo;
      };
  std::vector<std::unique_ptr<TRovanTree>> nuovi;
  for (int i = 0; i < lista.Count(); ++i)
    if (lista.Item(i)->padre() == nullptr) nuovi.push_back(crea(*lista.Item(i), radice));
  if (lista.m_Posizione == plInizio) radice.m_ListaFigli.InserisciAllInizio(std::move(nuovi));
  else
    for (auto& n : nuovi) radice.m_ListaFigli.Add(std::move(n));
}

void* ROVAN_STDCALL TRovanContainer::GetRovanTreeExt(int32_t param) {
  return Protetto("GetRovanTreeExt", static_cast<void*>(nullptr), [&]() -> void* {
    if (m_tree && param != 2) return static_cast<IRovanTree*>(m_tree.get());
    const HostLink& host = HostLink::Get();
    const bool modoContenitore = Processo().containerMode;
    const bool cartelleVuote = modoContenitore || param == 1 || host.ReadNumber("CMP_DEBUG").value_or(0) > 0.5;
    bool completo = !m_tree || param != 2;
    if (!m_Gestore) {
      m_Gestore = std::make_unique<TGestore>(cartelleVuote);
      ScriviLog("GetRovanTreeExt");
      m_Gestore->ripristina_da_database();
      if (!modoContenitore) m_Gestore->linguettePreferiti().CaricaDaFile("");
      else if (TDMMain* dm = m_Gestore->GetDMMain(0)) dm->SetIdLingua(Processo().idLingua);
      completo = true;
    }
    if (completo) {
      m_tree = std::make_unique<TRovanTree>(this, -1, -1);
      for (const auto& p : m_Gestore->primarie()) {
        if (m_Gestore->linguetteNascoste().IsNascosta(p->m_IdListino, p->getDesOri(), std::to_string(p->val()))) continue;
        auto nodo = std::make_unique<TRovanTree>(this, p->id(), -1);
        nodo->m_desc = p->getDes();
        nodo->m_descrizione_ori = p->getDesOri();
        nodo->m_traduzioni = p->m_traduzioni;
        nodo->m_isfendrix = p->m_isfendrix;
        nodo->m_id_listino = p->m_IdListino;
        if (TieniNodo(*nodo, *p, cartelleVuote)) m_tree->m_ListaFigli.Add(std::move(nodo));
      }
    }
    if (!modoContenitore) {
      m_tree->m_ListaFigli.RimuoviTemporanee();
      AggiungiTemporanee(m_Gestore->linguetteTemporanee());
      AggiungiTemporanee(m_Gestore->linguettePreferiti());
    }
    return static_cast<IRovanTree*>(m_tree.get());
  });
}

int32_t ROVAN_STDCALL TRovanContainer::apriListino(char* nome) {
  return Protetto("apriListino", 0, [&] {
    if (m_Gestore && EqualsNoCase(Testo(nome), "R")) {
      ResetTree();
      m_Gestore.reset();
    }
    GetRovanTreeExt(0);
    return 0;
  });
}

void ROVAN_STDCALL TRovanContainer::ResetTree() {
  ProtettoVoid("ResetTree", [&] {
    ScriviLog("{ TRovanContainer.ResetTree");
    m_tree.reset();
    ScriviLog("} TRovanContainer.ResetTree");
  });
}

void ROVAN_STDCALL TRovanContainer::SalvataggioStrutturaRovan() {
  ProtettoVoid("SalvataggioStrutturaRovan", [&] {
    if (!m_Gestore) return;
    ResetTree();
    m_Gestore.reset();
  });
}

void* ROVAN_STDCALL TRovanContainer::GetRovanTreeJson() {
  return Protetto("GetRovanTreeJson", static_cast<void*>(nullptr), [&]() -> void* {
    if (!m_Gestore) return nullptr;
    JsonLines testo(JsonLines::Codifica::Utf16Le);
    m_Gestore->ScriviGestJson(testo);
    auto* blob = new TBlobKalvor;  // owned by its reference count: the host receives the one reference
    blob->AdottaUtf16(std::move(testo.testo()));
    return static_cast<IBlob*>(blob);
  });
}

// ---- Codes and search ---------------------------------------------------------------------------------

void* ROVAN_STDCALL TRovanContainer::GetRovanCodici(int32_t idPri, int32_t idSec) { return GetRovanCodici2(idPri, idSec, ""); }

void* ROVAN_STDCALL TRovanContainer::GetRovanCodici2(int32_t idPri, int32_t idSec, const char* filtro) {
  return Protetto("GetRovanCodici2", static_cast<void*>(nullptr), [&]() -> void* {
    if (!m_Gestore) return nullptr;
    auto* lista = new TRovanCodici([this] { return PosizioneLinguaHost(); }, m_RiservaListe);  // owned by its reference count
    m_Gestore->settaAtt(idPri, idSec, AnsiToUtf8(Testo(filtro)));
    const bool etichette = Processo().switches.soloEtichetteValide;
    if (etichette) m_lista_etichette_valide.clear();
    std::string elenco;
    m_Gestore->iteraStartAtt(true);
    bool visibile = false;
    while (m_Gestore->iteraOKAtt()) {
      TCodMdl* cm = m_Gestore->iteraAtt(visibile);
      if (visibile) lista->Aggiungi(*cm, ListinoDi(*cm));
      if (etichette) elenco += (elenco.empty() ? "" : ",") + QuoteLiteral(cm->cod());
    }
    TDMMain* principale = m_Gestore->GetDMMain(0);
    if (!elenco.empty() && principale != nullptr) {
      std::unique_ptr<TQorQuery2> q = principale->GetQuery();
      q->SQL().SetText("select distinct CodCaratt, CodValori from legami where Codice in (" + elenco + ")");
      q->Open();
      for (; !q->Eof(); q->Next())
        m_lista_etichette_valide.insert(std::to_string(q->Fields(0).AsInteger()) + "|" + std::to_string(q->Fields(1).AsInteger()));
    }
    return static_cast<IRovanCodici*>(lista);
  });
}

int32_t ROVAN_STDCALL TRovanContainer::HoAlmenoUnRovanCodici(int32_t idPri, int32_t idSec) {
  return HoAlmenoUnRovanCodici2(idPri, idSec, "");
}

int32_t ROVAN_STDCALL TRovanContainer::HoAlmenoUnRovanCodici2(int32_t idPri, int32_t idSec, const char* filtro) {
  return Protetto("HoAlmenoUnRovanCodici2", 0, [&] {
    if (!m_Gestore) return 0;
    m_Gestore->settaAtt(idPri, idSec, AnsiToUtf8(Testo(filtro)));
    m_Gestore->iteraStartAtt(false);
    return m_Gestore->iteraOKAtt() ? 1 : 0;
  });
}

void* ROVAN_STDCALL TRovanContainer::FindCodici(const char* impronta, int32_t suDescrizione) {
  return Protetto("FindCodici", static_cast<void*>(nullptr), [&]() -> void* {
    if (!m_Gestore) return nullptr;
    auto* lista = new TRovanCodici([this] { return PosizioneLinguaHost(); }, m_RiservaListe);  // owned by its reference count
    try {
      m_Gestore->FindCodici(*lista, Testo(impronta), suDescrizione > 0);
    } catch (...) {
      lista->Release();
      throw;
    }
    return static_cast<IRovanCodici*>(lista);
  });
}

int32_t ROVAN_STDCALL TRovanContainer::FindPriSec(const char*, char*, char*) { return 0; }

void ROVAN_STDCALL TRovanContainer::SettaMassimoRicerca(int32_t massimo_ric) { Processo().massimoRicerca = massimo_ric; }

int32_t ROVAN_STDCALL TRovanContainer::IsVisibilePerFiltriExp(char* codice) {
  return Protetto("IsVisibilePerFiltriExp", 0, [&] {
    TCodMdl* cm = TrovaCodice(codice);
    std::string motivo = "NON TROVATO";
    if (cm != nullptr) m_Gestore->IsVisibilePerFiltri(*cm, motivo);
    return motivo.empty() ? 1 : 0;
  });
}

// ---- Filters ------------------------------------------------------------------------------------------

void* ROVAN_STDCALL TRovanContainer::DammiFiltriAtt() {
  return Protetto("DammiFiltriAtt", static_cast<void*>(nullptr), [&]() -> void* {
    if (!m_Gestore) return nullptr;
    TRovanFiltri* filtri = TRovanFiltri::Crea();  // owned by its reference count
    m_Gestore->DammiFiltriAtt(*filtri);
    if (Processo().switches.soloEtichetteValide) filtri->PotaValori(m_lista_etichette_valide);
    return static_cast<IRovanFiltri*>(filtri);
  });
}

void* ROVAN_STDCALL TRovanContainer::DammiFiltriSettatiAtt() {
  return Protetto("DammiFiltriSettatiAtt", static_cast<void*>(nullptr), [&]() -> void* {
    if (!m_Gestore) return nullptr;
    TRovanFiltri* filtri = TRovanFiltri::Crea();  // owned by its reference count
    m_Gestore->DammiFiltriSettatiAtt(*filtri);
    return static_cast<IRovanFiltri*>(filtri);
  });
}

void ROVAN_STDCALL TRovanContainer::SettaFiltroAtt(const char* descar, const char* desval) {
  ProtettoVoid("SettaFiltroAtt", [&] {
    if (m_Gestore) m_Gestore->AggAttFilDes(AnsiToUtf8(Testo(descar)), AnsiToUtf8(Testo(desval)));
  });
}

void ROVAN_STDCALL TRovanContainer::SettaFiltroAttCod(int32_t codcar, int32_t codval, const char* descar,
                                                      const char* desval) {
  ProtettoVoid("SettaFiltroAttCod", [&] {
    if (m_Gestore) m_Gestore->AggAttFil(codcar, codval, AnsiToUtf8(Testo(descar)), AnsiToUtf8(Testo(desval)));
  });
}

void ROVAN_STDCALL TRovanContainer::EliminaFiltroAtt(const char* descar, const char* desval) {
  ProtettoVoid("EliminaFiltroAtt", [&] {
    if (m_Gestore) m_Gestore->ElAttFil(AnsiToUtf8(Testo(descar)), AnsiToUtf8(Testo(desval)));
  });
}

void ROVAN_STDCALL TRovanContainer::EliminaFiltroAttCod(int32_t codcar, int32_t codval) {
  ProtettoVoid("EliminaFiltroAttCod", [&] {
    if (m_Gestore) m_Gestore->ElAttFilCod(codcar, codval);
  });
}

void ROVAN_STDCALL TRovanContainer::EliminaTuttiFiltri() {
  ProtettoVoid("EliminaTuttiFiltri", [&] {
    if (m_Gestore) m_Gestore->ElTuttiFil();
  });
}

// ---- Items --------------------------------------------------------------------------------------------

int32_t ROVAN_STDCALL TRovanContainer::getAzioni(char* szCod, char* szRet) {
  return Protetto("getAzioni", 0, [&] {
    TCodMdl* cm = TrovaCodice(szCod);
    if (cm == nullptr) return 0;
    ScriviBuffer(szRet, Utf8ToAnsi(cm->azioni()));
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanContainer::queryListino(const char* szCod, const char* szCampo, char* szValore) {
  return Protetto("queryListino", 0, [&] {
    ScriviBuffer(szValore, "");
    TCodMdl* cm = TrovaCodice(szCod);
    if (cm == nullptr) return 0;
    const std::string campo = AnsiToUtf8(Testo(szCampo));
    auto scrivi = [&](std::string_view valore) {
      ScriviBuffer(szValore, Utf8ToAnsi(valore));
      return 1;
    };
    for (const char* nome : TCodMdl::NomiTecnici())
      if (campo == nome) return scrivi(cm->CampoTecnico(campo).value_or(""));
    if (campo.rfind("User", 0) == 0) {
      int n = 0;
      if (campo.size() > 4 && TryParseInt(Trim(campo.substr(4, 1)), n) && n >= 1 && n <= 5) return scrivi(cm->user(n));
      return 1;
    }
    if (campo == "Filtro") return scrivi(cm->filtro());
    if (campo == "OkFiltroDaDll") {
      std::string attributo(cm->attributo());
      return scrivi(m_Gestore->OkFiltroDaDll2(std::string(cm->filtro()), std::string(cm->filtroAux()),
                                               std::string(cm->cod()), attributo) == 1 ? "SI" : "NO");
    }
    if (campo == "SINO") return scrivi("SI");
    if (campo == "Azioni") return scrivi(cm->azioni());
    if (campo == "DescrEstesa") return scrivi(cm->descr());
    TDMMain* dm = ListinoDi(*cm);
    if (dm == nullptr || dm->GetTipoListino() == TL_WEB) return 0;
    std::unique_ptr<TQorQuery2> q = dm->GetQuery();
    q->SQL().SetText("select Codice from caratt where Descrizione = " + QuoteLiteral(campo));
    q->Open();
    if (q->isEmpty()) return 0;
    const std::string chiave = std::to_string(q->Fields(0).AsInteger());
    q->Close();
    q->SQL().SetText("select v.Descrizione from legami l, valori v where l.Codice = " + QuoteLiteral(cm->cod()) +
                     " and l.CodCaratt = " + chiave + " and l.CodValori = v.Codice");
    q->Open();
    if (q->isEmpty()) return 0;
    return scrivi(Trim(q->Fields(0).AsString()));
  });
}

int32_t ROVAN_STDCALL TRovanContainer::getSchedaTecnica(const char* cod, char* nomefile) {
  return Protetto("getSchedaTecnica", 0, [&] {
    TCodMdl* cm = TrovaCodice(cod);
    TDMMain* dm = cm != nullptr ? ListinoDi(*cm) : nullptr;
    if (dm == nullptr) return 0;
    std::unique_ptr<TQorQuery2> q = dm->GetQuery();
    q->SQL().SetText("select TipoSchedaTecnica, SchedaTecnica from infaus where Codice = :Codice");
    q->SetParamByName("Codice", std::string(cm->cod()));
    q->Open();
    if (q->isEmpty() || q->Fields(1).IsNull()) return 0;
    const std::string tipo = q->Fields(0).AsString();
    const FieldValue& scheda = q->Fields(1).Value();
    const std::string byte = scheda.kind() == FieldValue::Kind::Binary ? scheda.blob().bytes : scheda.AsString();
    if (byte.empty()) return 0;
    if (tipo == "lnk") {
      ScriviBuffer(nomefile, Utf8ToAnsi("lnk:" + byte));
      return 1;
    }
    const std::string file = CartellaTemporanea() + "scheda_rovan." + SafeFileName(tipo);
    std::filesystem::remove(file);
    std::ofstream(file, std::ios::binary) << byte;
    ScriviBuffer(nomefile, Utf8ToAnsi(file));
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanContainer::getOggetto(char* codice, char* nome_oggetto, char* path_oggetto) {
  return Protetto("getOggetto", 0, [&] {
    TCodMdl* cm = TrovaCodice(codice);
    TDMMain* dm = cm != nullptr ? ListinoDi(*cm) : nullptr;
    if (dm == nullptr) return 0;
    const std::string cod = AnsiToUtf8(Testo(codice)), nome = AnsiToUtf8(Testo(nome_oggetto));
    const std::string cartella = AnsiToUtf8(Testo(path_oggetto));
    std::unique_ptr<TQorQuery2> q = dm->GetQuery();
    q->SQL().SetText("select TipoOggetto" + std::string(cartella.empty() ? "" : ", Oggetto ") +
                     " from oggetti where Codice=" + QuoteLiteral(cod) + " and NomeOggetto=" + QuoteLiteral(nome));
    q->Open();
    if (q->isEmpty()) return 0;
    if (!cartella.empty()) {
      const FieldValue& oggetto = q->Fields(1).Value();
      const std::string byte = oggetto.kind() == FieldValue::Kind::Binary ? oggetto.blob().bytes : oggetto.AsString();
      if (byte.size() > 10) {
        // The name is built from data: it must stay inside the folder the host named.
        const std::string file = IncludeTrailingDelimiter(cartella) + SafeFileName(cod + "_" + nome + q->Fields(0).AsString());
        std::ofstream(file, std::ios::binary) << byte;
      }
    }
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanContainer::getImmagineDB(int32_t Tipo, char* cod, char* NomeFileOut, int32_t W, int32_t H) {
  return Protetto("getImmagineDB", 0, [&] {
    ScriviLog("  getImmagineDB " + std::to_string(Tipo) + " " + AnsiToUtf8(Testo(cod)) + " " + AnsiToUtf8(Testo(NomeFileOut)));
    TCodMdl* cm = TrovaCodice(cod);
    if (cm == nullptr) return 0;
    ScriviLog("  getImmagineDB trovato");
    TDMMain* dm = ListinoDi(*cm);
    std::unique_ptr<TImageDB> img = dm != nullptr ? GetImageDB(*dm, std::string(cm->cod())) : nullptr;
    if (!img) return 0;
    const std::string file = AnsiToUtf8(Testo(NomeFileOut));
    if (Tipo == 0) {
      std::string byte;
      img->GetStream(0, 0, byte, 0);
      std::ofstream(file, std::ios::binary) << byte;
    } else {
      img->GetBitmap(H, W, file);
    }
    return 0;  // the file is the result
  });
}

void* ROVAN_STDCALL TRovanContainer::getImmagineDBBlob(const char* pCod) { return getImmagineDBBlobTipo(0, 0, 0, pCod); }

void* ROVAN_STDCALL TRovanContainer::getImmagineDBBlobTipo(int32_t Tipo, int32_t H, int32_t W, const char* pCod) {
  return Protetto("getImmagineDBBlobTipo", static_cast<void*>(nullptr), [&]() -> void* {
    TCodMdl* cm = TrovaCodice(pCod);
    TDMMain* dm = cm != nullptr ? ListinoDi(*cm) : nullptr;
    std::unique_ptr<TImageDB> img = dm != nullptr ? GetImageDB(*dm, std::string(cm->cod())) : nullptr;
    if (!img || img->tipo() == imdbNone) return nullptr;
    std::string byte;
    img->GetStream(Tipo, H, byte, W);
    if (byte.empty()) return nullptr;
    auto* blob = new TBlobKalvor;  // owned by its reference count
    blob->CaricaStream(byte);
    return static_cast<IBlob*>(blob);
  });
}

// ---- Languages and display attributes ----------------------------------------------------------------

int32_t ROVAN_STDCALL TRovanContainer::GetNumLingue(int32_t IdListino) {
  return Protetto("GetNumLingue", 0, [&] {
    TDMMain* dm = m_Gestore ? m_Gestore->GetDMMain(IdListino) : nullptr;
    return dm != nullptr ? dm->lingue().ContaLingue() : 0;
  });
}

int32_t ROVAN_STDCALL TRovanContainer::GetLingua(int32_t IdListino, int32_t Posizione, char* RetCod, char* RetDes) {
  return Protetto("GetLingua", 0, [&] {
    TDMMain* dm = m_Gestore ? m_Gestore->GetDMMain(IdListino) : nullptr;
    if (dm == nullptr) return 0;
    std::string des;
    ScriviBuffer(RetCod, Utf8ToAnsi(dm->lingue().GetCodice(Posizione, des)));
    ScriviBuffer(RetDes, des);
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanContainer::SetCodLingua(int32_t IdListino, char* cod) {
  return Protetto("SetCodLingua", 1, [&] {
    if (TDMMain* dm = m_Gestore ? m_Gestore->GetDMMain(IdListino) : nullptr) dm->SetCodLingua(AnsiToUtf8(Testo(cod)));
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanContainer::SetIdLingua(int32_t IdListino, int32_t id) {
  return Protetto("SetIdLingua", 1, [&] {
    if (!m_Gestore) return 1;
    if (Processo().containerMode) {
      Processo().idLingua = id;
      IdListino = 0;
    }
    if (TDMMain* dm = m_Gestore->GetDMMain(IdListino)) dm->SetIdLingua(id);
    return 1;
  });
}

void* ROVAN_STDCALL TRovanContainer::get_AttribApparence(const char* Code) {
  return Protetto("get_AttribApparence", static_cast<void*>(nullptr), [&]() -> void* {
    if (!m_AttributiPrinc) {
      TDMMain* dm = m_Gestore ? m_Gestore->GetDMMain(0) : nullptr;
      std::unique_ptr<TQorQuery2> q = dm != nullptr ? dm->GetQuery() : nullptr;
      if (!q) return nullptr;
      m_AttributiPrinc = std::make_unique<TAttributi>(*q, dm->GetIdLingua());
    }
    const std::string codice = Testo(Code);
    for (int i = 0; i < m_AttributiPrinc->Count(); ++i) {
      TAttributo* a = m_AttributiPrinc->Item(i);
      if (codice == a->Name()) return static_cast<IRovanAttributeApparence*>(a);
    }
    return nullptr;
  });
}

}  // namespace rovan
