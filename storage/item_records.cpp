#include "storage/item_records.h"

#include <ctime>
#include <iterator>
#include <memory>
#include <vector>

#include "plugin/gestionale.h"
#include "storage/dm_statements.h"
#include "storage/schema.h"
#include "storage/sql_quote.h"

namespace rovan {

DateTime AdessoSenzaMillisecondi() {
  const std::time_t t = std::time(nullptr);
  std::tm locale{};
  localtime_r(&t, &locale);
  return DateTime{static_cast<int16_t>(locale.tm_year + 1900), static_cast<uint8_t>(locale.tm_mon + 1),
                  static_cast<uint8_t>(locale.tm_mday),        static_cast<uint8_t>(locale.tm_hour),
                  static_cast<uint8_t>(locale.tm_min),         static_cast<uint8_t>(locale.tm_sec),
                  0};
}

bool EsisteComposto(TDMMain& dm, const std::string& cod) {
  try {
    std::unique_ptr<TQorQuery2> q = QueryDelModulo(dm);
    q->SQL().SetText("select * from composti where Codice =" + QuoteLiteral(cod));
    q->Open();
    return !q->isEmpty();
  } catch (const std::exception&) {
    return false;
  }
}

int eliminaComposto(TDMMain& dm, const std::string& cod) {
  const std::string codice = QuoteLiteral(cod);
  for (const char* tabella : {"legami", "infaus", "infcomp", "OrdineCodici", "oggetti"})
    dm.eseguiQuery(std::string("delete from ") + tabella + " where Codice = " + codice);
  if (schema::HaAttributi(dm.GetVersioneTabelle())) dm.eseguiQuery("delete from attributi where Codice = " + codice);
  dm.eseguiQuery("delete from composti where Codice = " + codice);
  return -1;
}

bool InsComposto(TDMMain& dm, const std::string& cod, const std::string& model, const std::string& desRid,
                 const std::string& desEstesa, const std::string& fil, const std::string& filK4,
                 const std::string& filModal, const std::string& filEst, std::string& err) {
  err.clear();
  try {
    TQorQuery2& q = Preparata(dm.qrInsComposto());
    const std::string* valori[] = {&cod, &model, &desRid, &desEstesa, &fil, &filK4, &filModal, &filEst};
    for (size_t i = 0; i < std::size(valori); ++i) q.SetParam(i, *valori[i]);
    if (schema::HaDataCreazione(dm.GetVersioneTabelle()))
      q.SetParamByName("DataCreazione", AdessoSenzaMillisecondi(), ftDateTime);
    if (q.EseguiSQL(true)) return true;
    err = "InsComposto: Err: Impossibile inserire il codice: " + cod;
  } catch (const std::exception& e) {
    err = "InsComposto: Cod: " + cod + " Err: " + e.what();
  }
  return false;
}

bool InsInfComp(TDMMain& dm, const std::string& cod, const std::string& model, const std::string& azioni,
                const std::string& connessioni, std::string& err) {
  err.clear();
  try {
    // The statement's parameters go by position: code, model, actions, connections.
    TQorQuery2& q = Preparata(dm.qrInsInfComp());
    q.SetParam(0, cod);
    q.SetParam(1, model);
    q.SetParam(2, azioni);
    q.SetParam(3, connessioni);
    if (q.EseguiSQL(true)) return true;
    err = "InsInfComp: Err: Impossibile inserire le InfComp per il codice: " + cod;
  } catch (const std::exception& e) {
    err = "InsInfComp: Cod: " + cod + " Err: " + e.what();
  }
  return false;
}

bool EditAzione(TDMMain& dm, const std::string& cod, const std::string& azione, std::string& err) {
  err.clear();
  try {
    std::unique_ptr<TQorQuery2> q = QueryDelModulo(dm);
    // The key columns are read too, so that the row can be written back on every engine.
    q->SQL().SetText("select Codice, Modello, Azioni from infcomp where Codice= :_cod ");
    q->SetParamByName("_cod", cod, ftString);
    q->Open();
    if (q->isEmpty()) return InsInfComp(dm, cod, schema::kModelloSistema, azione, "", err);
    const std::string azioni = q->FieldByName("Azioni").AsString();
    if (azioni.find(azione) != std::string::npos) return false;
    q->Edit();
    q->SetFieldValue("Azioni", azioni + azione);
    q->Post();
    return true;
  } catch (const std::exception& e) {
    err = "Edit azione: Cod: " + cod + " Err: " + e.what();
    return false;
  }
}

bool AddLegame(TDMMain& dm, const std::string& codiceArt, int codCarat, int codValore) {
  TQorQuery2* statement = dm.qrAddLegame();
  try {
    TQorQuery2& q = Preparata(statement);
    q.SetParam(0, codiceArt);
    q.SetParam(1, schema::kModelloSistema);
    q.SetParam(2, codCarat);
    q.SetParam(3, codValore);
    return q.EseguiSQL(true);
  } catch (const std::exception&) {
    if (statement != nullptr) statement->Close();
    return false;
  }
}

bool InserisciOrdinamento(TDMMain& dm, const std::string& cod, int valPri, int valSec, int ordine,
                          const TOrdinamentiExtra& altri) {
  const bool esteso = schema::IsNuovoOrdinamento(dm.GetVersioneTabelle());
  std::unique_ptr<TQorQuery2> q = QueryDelModulo(dm);
  std::string colonne, parametri;
  for (size_t n = 2; n <= 9; ++n) {
    colonne += ", Val" + std::to_string(n);
    parametri += ", :Val" + std::to_string(n);
  }
  SqlLines& sql = q->SQL();
  sql.Add("INSERT INTO OrdineCodici (ValPri, ValSec, Codice, Ordine ");
  if (esteso) sql.Add(colonne);
  sql.Add(") VALUES (:ValPri, :ValSec, :Codice, :Ordine ");
  if (esteso) sql.Add(parametri);
  sql.Add(")");
  q->SetParamByName("ValPri", valPri, ftInteger);
  q->SetParamByName("ValSec", valSec, ftInteger);
  q->SetParamByName("Codice", cod, ftString);
  q->SetParamByName("Ordine", ordine, ftInteger);
  if (esteso)
    for (size_t i = 0; i < altri.size(); ++i) q->SetParamByName("Val" + std::to_string(i + 2), altri[i], ftInteger);
  return q->EseguiSQL(true);
}

bool AggiornaDescrInfaus(TQorQuery2& query, const std::string& cod, const TLingue& lingue) {
  std::vector<std::string> descrizioni;  // by position - 1
  bool trovata = false;
  for (int i = 1; i <= lingue.ContaLingue(); ++i) {
    descrizioni.push_back(Gestionale::Get().DescrizioneArticoloLingua(cod, lingue.GetCodiceGest(i)));
    trovata = trovata || !descrizioni.back().empty();
  }
  if (!trovata) return false;

  query.Close();
  query.SQL().SetText("select Codice from infaus where Codice = " + QuoteLiteral(cod));
  query.Open();
  const bool manca = query.isEmpty();
  query.Close();
  if (manca) {
    query.SQL().SetText("insert into infaus (Codice, Modello) values (:Codice,'_' )");
    query.SetParamByName("Codice", cod, ftString);
    if (!query.EseguiSQL(true)) return false;
  }
  SqlLines& sql = query.SQL();
  sql.Clear();
  sql.Add("update infaus set ");
  bool prima = true;
  for (size_t i = 0; i < descrizioni.size(); ++i) {
    if (descrizioni[i].empty()) continue;
    const std::string n = std::to_string(i + 1);
    sql.Add((prima ? "" : " , ") + std::string("Descr") + n + "= :Descr" + n);
    prima = false;
  }
  sql.Add("where Codice=:Codice");
  for (size_t i = 0; i < descrizioni.size(); ++i)
    if (!descrizioni[i].empty()) query.SetParamByName("Descr" + std::to_string(i + 1), descrizioni[i], ftString);
  query.SetParamByName("Codice", cod, ftString);
  return query.EseguiSQL(true);
}

}  // namespace rovan
