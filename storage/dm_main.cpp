#include "storage/dm_main.h"

#include <filesystem>
#include <optional>

#include "platform/code_page.h"
#include "platform/system_paths.h"
#include "platform/text_utils.h"
#include "plugin/host_link.h"
#include "plugin/library.h"
#include "plugin/password.h"
#include "plugin/reporting.h"
#include "storage/database_error.h"
#include "storage/schema.h"

namespace rovan {
namespace {

// The selectors of SvuotaDatabase and their tables, in the order they are emptied.
struct TabellaSvuotabile {
  const char* selettore;
  const char* tabella;
  bool ignoraOgniErrore;  // any error is ignored, not only database errors
};
constexpr TabellaSvuotabile kDaSvuotare[] = {
    {"Oggetti", schema::kOggetti, true},          {"TabRagni2", schema::kRagni2, false},
    {"TabRagni", schema::kRagni, false},          {"Legami", schema::kLegami, false},
    {"TabOrdineCodici", schema::kOrdineCodici, false}, {"TabValori", schema::kValori, false},
    {"TabCaratt", schema::kCaratt, false},        {"TabGruppi", schema::kGruppi, false},
    {"TabInf", schema::kInfcomp, false},          {"TabAus", schema::kInfaus, false},
    {"TabComposti", schema::kComposti, false},    {"attributi", schema::kAttributi, true},
    {"Immagini", schema::kImmagini, false},
};

}  // namespace

TDMMain::TDMMain() = default;

TDMMain::~TDMMain() { LiberaQueryPreparate(); }

void TDMMain::SettaConnessione(const std::string& connessione, int idListino) {
  if (Database.Connected()) return;
  m_IdListinoDM = idListino;
  aliasBDM = connessione;
  if (connessione.rfind("http:", 0) == 0) {
    m_TipoListino = TL_WEB;
    m_ConnessioneWebBase = m_ConnessioneWeb = connessione;
    m_WebVersione = 1;
    if (connessione.find("WebRovan.asmx") != std::string::npos) {
      if (std::optional<std::string> repo = HostLink::Get().ReadText("AliasListinoWebRepository"))
        m_WebRepository = *repo;
    } else {
      m_ConnessioneWeb = connessione + "/WebRovan.asmx";
      m_WebRepository = connessione + "/GetOggetto.ashx";
      m_WebVersione = 2;
    }
    const std::string radice = CartellaTemporanea() + "WebCache/";
    m_WebCacheLocale = radice + SafeFileName(HostLink::Get().CollectionName()) + "/";
    std::error_code ignored;
    for (const std::string& d : {radice, m_WebCacheLocale, m_WebCacheLocale + "img", m_WebCacheLocale + "cmp"})
      std::filesystem::create_directories(d, ignored);
    return;
  }
  Database.SetConnectionString(connessione);
  m_TipoListino = TL_SQLSERVER;
  if (!NomeDBAccess().empty()) m_TipoListino = TL_ACCESS;
  if (LowerAscii(connessione).rfind("provider=sqlite;", 0) == 0) m_TipoListino = TL_SQLITE;
}

bool TDMMain::Connetti() {
  if (!Database.ConnettiConProvider()) return false;
  PreparaListino();
  return true;
}

bool TDMMain::DisConnetti() {
  LiberaQueryPreparate();
  Database.SetConnected(false);
  return true;
}

void TDMMain::SetIdxPrimaria(int idxPrimaria) {
  eseguiQuery("update opzioni set IdxPrimaria = " + std::to_string(idxPrimaria));
  m_IdxPrimaria = idxPrimaria;
}

bool TDMMain::IsNuovoOrdinamento() const { return schema::IsNuovoOrdinamento(m_versione_tabelle); }
bool TDMMain::IsGenericiEnabled() const { return schema::IsGenericiEnabled(m_versione_tabelle); }
bool TDMMain::IsImmaginiVersione() const { return schema::IsImmaginiVersione(m_versione_tabelle); }

std::string TDMMain::NomeDBAccess() const {
  // Located in the lower-cased text, taken from the text as written: file names are case-sensitive here.
  const std::string& testo = Database.ConnectionString();
  static const std::string kChiave = "data source=";
  size_t p = LowerAscii(testo).find(kChiave);
  if (p == std::string::npos) return {};
  size_t inizio = p + kChiave.size();
  size_t fine = testo.find(';', inizio);
  std::string nome = testo.substr(inizio, fine == std::string::npos ? std::string::npos : fine - inizio);
  std::error_code ignored;
  if (LowerAscii(nome).find(".mdb") == std::string::npos || !std::filesystem::exists(nome, ignored)) return {};
  return nome;
}

std::unique_ptr<TQorQuery2> TDMMain::GetQuery() { return Database.GetQuery(); }

bool TDMMain::eseguiQuery(const std::string& s) {
  if (std::unique_ptr<TQorQuery2> q = GetQuery()) {
    q->SQL().SetText(s);
    q->EseguiSQL(true);
  }
  return true;
}

bool TDMMain::eseguiQueryTrans(const std::string& s, bool esegui) {
  std::unique_ptr<TQorQuery2> q = GetQuery();
  if (!q) return false;
  Database.BeginTrans();
  q->SQL().SetText(s);
  bool eseguita = false;
  try {
    eseguita = q->EseguiSQL(false);
  } catch (const std::exception&) {
    eseguita = false;
  }
  if (eseguita && esegui) Database.CommitTrans();
  else Database.RollbackTrans();
  return eseguita;
}

bool TDMMain::preparaQueryDaLiberare(const std::string& s, std::unique_ptr<TQorQuery2>& q) {
  q.reset();
  std::unique_ptr<TQorQuery2> nuova = GetQuery();
  if (!nuova) return false;
  nuova->SQL().SetText(s);
  if (!nuova->preparaQuery0()) return false;
  q = std::move(nuova);
  return true;
}

void TDMMain::SvuotaDatabase(const std::string& quale) {
  LiberaQueryPreparate();
  for (const TabellaSvuotabile& t : kDaSvuotare) {
    if (t.tabella == std::string(schema::kImmagini) && !IsImmaginiVersione()) continue;
    if (!quale.empty() && quale != t.selettore) continue;
    try {
      eseguiQuery(std::string("delete from ") + t.tabella);
    } catch (const DatabaseError&) {
      // Database errors are ignored for every table.
    } catch (const std::exception&) {
      if (!t.ignoraOgniErrore) throw;
    }
  }
  PreparaListino();
}

void TDMMain::LiberaQueryPreparate() {
  for (auto* slot : {&queryInsertComp_, &queryInsertImage_, &queryInsertFotoAus_, &queryInsertSchedaAus_,
                     &queryInsertSchedaAus2_, &queryInsertOggetto_, &qrInsComposto_, &qrIsPrimaria_,
                     &qrInsInfComp_, &qrAddLegame_, &qrGetImgVersione_})
    slot->reset();
}

TQorQuery2& TDMMain::Prepara(std::unique_ptr<TQorQuery2>& slot, bool riscrivi) {
  if (!slot) {
    slot = GetQuery();
    if (!slot) throw DatabaseError("no connection");
  } else if (riscrivi) {
    slot->Close();
  }
  if (riscrivi) slot->SQL().Clear();
  return *slot;
}

void TDMMain::PreparaListino() {
  if (m_TipoListino == TL_WEB || !Database.Connected()) return;
  m_IdxPrimaria = -1;
  m_versione_tabelle = -1;
  {
    std::unique_ptr<TQorQuery2> q = GetQuery();
    q->SQL().SetText("select IdxPrimaria, PathRec from " + m_PrefissoDBAux + "opzioni");
    q->Open();
    if (!q->isEmpty()) {
      m_IdxPrimaria = static_cast<int>(q->Fields(0).AsInteger());
      int versione = 0;
      m_versione_tabelle = TryParseInt(Trim(q->Fields(1).AsString()), versione) ? versione : 0;
    }
  }
  m_lingue.Update(m_versione_tabelle, GetQuery(), false);
  m_lingue.SettaLinguaDaKalvor();
  const int v = m_versione_tabelle;
  if (v != schema::kVersioneCorrente)
    ScriviLog("Apertura   Versione Software =" + std::to_string(schema::kVersioneCorrente) +
              " Versione Listino=" + std::to_string(v));

  // Statements whose text never changes are created once; the others are written again on every open.
  auto fisso = [&](std::unique_ptr<TQorQuery2>& slot, const char* sql) {
    if (!slot) Prepara(slot, true).SQL().SetText(sql);
  };
  fisso(queryInsertComp_, "UPDATE composti Set CmpBlob = :CB Where Codice = :Codice");
  fisso(queryInsertFotoAus_, "UPDATE infaus Set Foto = :CB Where Codice = :Codice");
  fisso(queryInsertSchedaAus_, "UPDATE infaus Set SchedaTecnica = :CB Where Codice = :Codice");
  fisso(queryInsertSchedaAus2_, "select * from infaus where Codice=:Codice");
  fisso(queryInsertOggetto_,
        "insert into oggetti (Codice, Modello, NomeOggetto, TipoOggetto, Oggetto) values (:Codice, :Modello, "
        ":NomeOggetto, :TipoOggetto, :Oggetto)");
  if (!queryInsertImage_) {
    SqlLines& sql = Prepara(queryInsertImage_, true).SQL();
    sql.Add("UPDATE composti Set BitMap = :CB ");
    if (schema::HaTipoBitMap(v)) sql.Add(", TipoBitMap=:TipoBitMap ");
    sql.Add(" Where Codice = :Codice");
  }

  TQorQuery2& isPrimaria = Prepara(qrIsPrimaria_, true);
  isPrimaria.SetParamCheck(true);
  isPrimaria.SQL().Add("select Descrizione from valori where ");
  isPrimaria.SQL().Add("Caratt= :_carPri and Descrizione= :_desc");

  TQorQuery2& addLegame = Prepara(qrAddLegame_, true);
  addLegame.SetParamCheck(true);
  addLegame.SQL().Add("insert into legami (Codice, Modello, CodCaratt, CodValori) ");
  addLegame.SQL().Add(" values ( :_cod  , :_mod , :_caratPri , :_codPri ) ");

  TQorQuery2& insComposto = Prepara(qrInsComposto_, true);
  insComposto.SetParamCheck(true);
  SqlLines& ic = insComposto.SQL();
  ic.Add("INSERT INTO composti (Codice, Modello, DescrRidotta, DescrEstesa, Filtro, FiltroK4, FiltroModalita, "
         "FiltroEsteso ");
  if (schema::HaDataCreazione(v)) ic.Add(", DataCreazione ");
  ic.Add(") ");
  ic.Add(" VALUES ( :cod , :mod , :desRid , :desc , :fil , :K4Fil , :modalFil , :estFil ");
  if (schema::HaDataCreazione(v)) ic.Add(", :DataCreazione ");
  ic.Add(") ");

  TQorQuery2& insInfComp = Prepara(qrInsInfComp_, true);
  insInfComp.SetParamCheck(true);
  insInfComp.SetLockType(ltReadOnly);
  insInfComp.SQL().Add(
      "insert into infcomp (Codice, Modello, Azioni, Connessioni) values ( :_cod , :_az , :_mod , :_conn ) ");

  TQorQuery2& imgVersione = Prepara(qrGetImgVersione_, true);
  imgVersione.SetParamCheck(true);
  imgVersione.SetLockType(ltReadOnly);
  SqlLines& iv = imgVersione.SQL();
  if (schema::IsImmaginiVersione(v)) {
    iv.Add("select c.BitMap, c.TipoBitMap, i.Immagine, i.TipoImmagine ");
    iv.Add(" from composti c");
    iv.Add(" left join immagini i on (i.Codice=c.Codice ");
    const bool collation = m_TipoListino == TL_SQLSERVER;
    if (collation) iv.Add(" collate Latin1_General_CI_AS ");
    iv.Add(" and i.Versione=");
    iv.Add(" :Versione ");
    iv.Add(" ) where c.Codice=:Codice");
    IdRigaImgVersione = collation ? 5 : 4;
  } else {
    iv.Add("select BitMap");
    if (schema::HaTipoBitMap(v)) iv.Add(", TipoBitMap");
    iv.Add(" from composti where Codice=:Codice");
    IdRigaImgVersione = 4;
  }
}

bool GetConnectionListino(int indice, std::string& connessione, std::string& descrizione, std::string& fileCache) {
  try {
    const HostLink& host = HostLink::Get();
    const std::string alias = indice == 0 ? "AliasListino" : "AliasListinoSecondario" + std::to_string(indice);
    const TVarRec* v = host.available() ? host.FindVar(alias, VAR_TESTO) : nullptr;
    if (v == nullptr) return false;
    std::string testo = host.ExpandPath(v->tipo == VAR_TESTO && v->valore.testo ? AnsiToUtf8(v->valore.testo) : "");
    if (testo.size() > 1024) testo.resize(1024);
    static const std::string kVuoto = "provider=;";
    for (size_t p = LowerAscii(testo).find(kVuoto); p != std::string::npos; p = LowerAscii(testo).find(kVuoto))
      testo.replace(p, kVuoto.size(), "Provider=XXX;");
    connessione = DecodificaConnessione(testo);
    descrizione = v->descrizione != nullptr ? AnsiToUtf8(v->descrizione) : "";
    fileCache.clear();
    if (std::optional<std::string> cache = host.ReadText(alias + "_cachefile")) fileCache = host.ExpandPath(*cache);
    return true;
  } catch (const std::exception& e) {
    MostraMessaggio(std::string("GetConnectionListino ") + e.what());
    return false;
  }
}

}  // namespace rovan
