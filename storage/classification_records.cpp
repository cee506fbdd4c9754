#include "storage/classification_records.h"

#include <memory>
#include <utility>

#include "storage/dm_statements.h"
#include "storage/sql_quote.h"

namespace rovan {
namespace {

// A new query with the text sql.
std::unique_ptr<TQorQuery2> Query(TDMMain& dm, const std::string& sql) {
  std::unique_ptr<TQorQuery2> q = QueryDelModulo(dm);
  q->SQL().SetText(sql);
  return q;
}

// Opens q and reads the first row's column (the first column when colonna is null); seVuota without rows.
int PrimoIntero(TQorQuery2& q, int seVuota, const char* colonna = nullptr) {
  q.Open();
  if (q.isEmpty()) return seVuota;
  return static_cast<int>((colonna != nullptr ? q.FieldByName(colonna) : q.Fields(0)).AsInteger());
}

// What f returns, or seErrore when it throws: look-ups answer "not found" on a failed query.
template <typename F>
auto SeErrore(decltype(std::declval<F>()()) seErrore, F f) {
  try {
    return f();
  } catch (const std::exception&) {
    return seErrore;
  }
}

}  // namespace

int GetNextCodiceValori(TDMMain& dm) {
  // Max is null on an empty table, which reads as 0.
  return SeErrore(-1, [&] { return PrimoIntero(*Query(dm, "select Max(Codice)+1 from valori "), 0); });
}

int GetNextOrdineValori(TDMMain& dm, int codice) {
  return SeErrore(-1, [&] {
    auto q = Query(dm, "select Max(Ordine)+1 from valori where Caratt= :cod ");
    q->SetParamByName("cod", codice, ftInteger);
    return PrimoIntero(*q, 0);
  });
}

int CreaGruppoCarattFiglie(TDMMain& dm, const std::string& descCarat, int idxGrpImp) {
  return SeErrore(-1, [&] {
    const int codice = PrimoIntero(*Query(dm, "select Max(Codice)+1 from caratt "), 0);
    auto q = Query(dm, " insert into caratt (Codice, Descrizione, Gruppo, Vis)  values (" + std::to_string(codice) +
                           ", " + QuoteLiteral(descCarat) + ", " + std::to_string(idxGrpImp) + ", 1) ");
    return q->EseguiSQL(true) ? codice : -1;
  });
}

int GetIdxCarattFiglie(TDMMain& dm, const std::string& descCaratPadre) {
  auto q = Query(dm, "select Codice from caratt WHERE Descrizione= :desCaratPadre");
  q->SetParamByName("desCaratPadre", descCaratPadre, ftString);
  return PrimoIntero(*q, -1);
}

bool IsPrimaria(TDMMain& dm, const std::string& descCaratt) {
  return SeErrore(false, [&] {
    TQorQuery2& q = Preparata(dm.qrIsPrimaria());
    q.SetParamByName("_carPri", dm.GetIdxPrimaria(), ftInteger);
    q.SetParamByName("_desc", descCaratt, ftString);
    q.Open();
    return !q.isEmpty();
  });
}

bool CercaCarattValore(TDMMain& dm, const std::string& desCaratt, const std::string& desValore, int& codValore,
                       int& codCaratt) {
  return SeErrore(false, [&] {
    const int caratt = PrimoIntero(*Query(dm, "select * from caratt where Descrizione=" + QuoteLiteral(desCaratt)), -1, "Codice");
    if (caratt == -1) return false;
    codCaratt = caratt;
    const int valore = PrimoIntero(*Query(dm, "select * from valori where Descrizione=" + QuoteLiteral(desValore) +
                                                  " and Caratt=" + std::to_string(caratt)),
                                   -1, "Codice");
    if (valore == -1) return false;
    codValore = valore;
    return true;
  });
}

int CodiceCarattGenerici(TDMMain& dm, const std::string& descrizione) {
  return SeErrore(0, [&] {
    auto q = Query(dm,
                   "select c.Codice from caratt c  inner join gruppi g on g.Codice = c.Gruppo   where "
                   "g.Descrizione='GENERICI' and c.Descrizione = :Descrizione");
    q->SetParamByName("Descrizione", descrizione, ftString);
    return PrimoIntero(*q, 0);
  });
}

int CodiceValoreGenerici(TDMMain& dm, int caratt, const std::string& descrizione) {
  return SeErrore(0, [&] {
    auto q = Query(dm,
                   "select v.Codice from valori v  inner join caratt c on c.Codice = v.Caratt  inner join gruppi g "
                   "on g.Codice = c.Gruppo  where v.Caratt=:Caratt and v.Descrizione = :Descrizione  and "
                   "g.Descrizione='GENERICI' ");
    q->SetParamByName("Caratt", caratt, ftInteger);
    q->SetParamByName("Descrizione", descrizione, ftString);
    return PrimoIntero(*q, 0);
  });
}

int CarattRagni2(TDMMain& dm, int codValore) {
  return SeErrore(-1, [&] {
    return PrimoIntero(*Query(dm, "select * from ragni2 where CodValore = " + std::to_string(codValore)), -1, "CodCaratt");
  });
}

}  // namespace rovan
