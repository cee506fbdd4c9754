// Value filters on the views of the tab tree.
#include "engine/filtri_valori.h"

#include <algorithm>

#include "engine/gestore.h"
#include "engine/viste.h"
#include "storage/dm_main.h"

namespace rovan {

void TListaCarattFiltri::Reset() {
  m_listaCaratt.clear();
  m_isInizializzata = false;
}

void TListaCarattFiltri::RiempiListaCarattFiltri(TDMMain& dm, int val) {
  m_isInizializzata = true;
  if (dm.GetTipoListino() == TL_WEB) return;
  std::unique_ptr<TQorQuery2> q = dm.GetQuery();
  if (!q) return;
  q->SQL().SetText("select CodCaratt from " + dm.GetDBAux() + "ragni where CodValore = :CodValore");
  q->SetParamByName("CodValore", val, ftInteger);
  q->Open();
  for (; !q->Eof(); q->Next()) m_listaCaratt.push_back(static_cast<int>(q->Fields(0).AsInteger()));
}

bool TListaCarattFiltri::IsPresente(int codcar) const {
  return std::find(m_listaCaratt.begin(), m_listaCaratt.end(), codcar) != m_listaCaratt.end();
}

std::string TListaCarattFiltri::GetElenco() const {
  std::string elenco;
  for (int c : m_listaCaratt) elenco += (elenco.empty() ? "" : ",") + std::to_string(c);
  return elenco;
}

bool TVista::IsFiltroPresente(int codcar) {
  if (!m_ListaCarattFiltriPriv.IsInizializzata()) {
    if (TDMMain* principale = m_Gestore->GetDMMain(0)) m_ListaCarattFiltriPriv.RiempiListaCarattFiltri(*principale, m_Val);
  }
  return m_ListaCarattFiltriPriv.IsPresente(codcar);
}

std::string TVista::GetElencoFiltri() {
  if (!m_figli.empty()) return {};
  IsFiltroPresente(0);  // reads the list on first use
  return m_ListaCarattFiltriPriv.GetElenco();
}

void TVista::SettaFiltro(int car, int val) {
  if (!m_figli.empty()) {
    for (const auto& s : m_figli) s->SettaFiltro(car, val);
    return;
  }
  if (!IsFiltroPresente(car)) return;
  m_ListaCodici.NacondiNonPresenti(m_Gestore->CodiciConValore(car, val));
}

void TVista::VisTutti() {
  m_ListaCodici.VisTutti();
  for (const auto& s : m_figli) s->VisTutti();
}

int TVista::ContaCodici(int& totfiltrati) const {
  totfiltrati = 0;
  for (const TCodMdl* cm : m_ListaCodici.items()) totfiltrati += cm->m_Visible ? 1 : 0;
  return m_ListaCodici.Count();
}

void TVistiPri::AggAttFil(int codcar, int codVal, const std::string& desCar, const std::string& desVal) {
  for (TCoppia& f : m_lista_filtri_applicati) {
    if (f.c != codcar) continue;
    f.v = codVal;
    f.desV = desVal;
    AggTuttiFil();
    return;
  }
  m_lista_filtri_applicati.push_back(TCoppia{codcar, codVal, desCar, desVal});
  SettaFiltro(codcar, codVal);
}

void TVistiPri::ElAttFil(const std::string& desCar, const std::string& desVal) {
  auto it = std::find_if(m_lista_filtri_applicati.begin(), m_lista_filtri_applicati.end(),
                         [&](const TCoppia& f) { return f.desC == desCar && f.desV == desVal; });
  if (it == m_lista_filtri_applicati.end()) return;
  m_lista_filtri_applicati.erase(it);
  AggTuttiFil();
}

void TVistiPri::ElAttFilCod(int codcar, int codVal) {
  auto it = std::find_if(m_lista_filtri_applicati.begin(), m_lista_filtri_applicati.end(),
                         [&](const TCoppia& f) { return f.c == codcar && f.v == codVal; });
  if (it == m_lista_filtri_applicati.end()) return;
  m_lista_filtri_applicati.erase(it);
  AggTuttiFil();
}

void TVistiPri::ElTuttiFil() {
  m_lista_filtri_applicati.clear();
  VisTutti();
}

void TVistiPri::AggTuttiFil() {
  VisTutti();
  for (const TCoppia& f : m_lista_filtri_applicati) SettaFiltro(f.c, f.v);
}

}  // namespace rovan
