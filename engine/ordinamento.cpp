// The order of codes inside a tab, from table OrdineCodici.
#include <unordered_map>

#include "engine/viste.h"

namespace rovan {

void TVista::ApplicaOrdine(TDMMain& dm, const std::string& sql) {
  std::unique_ptr<TQorQuery2> q = dm.GetQuery();
  q->SQL().SetText(sql);
  q->OpenForwardOnly();
  if (q->Eof()) return;
  std::unordered_multimap<std::string_view, TCodMdl*> perCodice;
  perCodice.reserve(static_cast<size_t>(m_ListaCodici.Count()));
  for (TCodMdl* cm : m_ListaCodici.items()) perCodice.emplace(cm->cod(), cm);
  TQorField codice = q->FieldByName("Codice");
  std::string scratch;
  for (int k = 0; !q->Eof(); q->Next(), ++k) {
    const FieldValue& v = codice.Value();
    std::string_view c = v.kind() == FieldValue::Kind::Text ? std::string_view(v.text()) : (scratch = v.AsString());
    auto [da, a] = perCodice.equal_range(c);
    for (auto it = da; it != a; ++it) it->second->m_IdOrdine = k;
  }
  m_ListaCodici.OrdinaPerIndice();
}

void TVistiPri::OrdinaPri(TDMMain& dm) {
  const std::string val = std::to_string(m_Val);
  ApplicaOrdine(dm, "select Codice, Ordine from OrdineCodici oc where  oc.ValSec=" + val + " and oc.ValPri in (0, " +
                        val + ") order by Ordine ");
}

void TVistiSec::Ordina(TDMMain& dm, int valPri, int valSec, const std::vector<int>& listaId) {
  std::string sql = "select Codice, Ordine from OrdineCodici oc where  oc.ValSec=";
  if (dm.IsNuovoOrdinamento()) {
    sql += std::to_string(listaId.at(1)) + " and oc.ValPri in (0, " + std::to_string(listaId.at(0)) + ") ";
    for (size_t i = 2; i < listaId.size(); ++i) sql += " and oc.Val" + std::to_string(i) + "=" + std::to_string(listaId[i]);
  } else {
    sql += std::to_string(valSec) + " and oc.ValPri in (0, " + std::to_string(valPri) + ") ";
  }
  ApplicaOrdine(dm, sql + " order by Ordine ");
}

}  // namespace rovan
