#include "engine/UGenerici.h"

#include "platform/text_utils.h"
#include "storage/dm_main.h"

namespace rovan {
namespace {

// Runs the statement selecting one row of caratt or valori and sets the key and the two descriptions
// from it; the key becomes 0 when there is no row.
void LeggiRecord(TDMMain& dm, const std::string& sql, int& codice, std::string& ori, std::string& lingua) {
  std::unique_ptr<TQorQuery2> q = dm.GetQuery();
  if (q == nullptr) {  // never connected: nothing can be read
    codice = 0;
    return;
  }
  q->SQL().SetText(sql);
  q->Open();
  if (q->Eof()) {
    codice = 0;
    return;
  }
  ori = q->FieldByName("Descrizione").AsString();
  lingua = ori;
  if (const int id = dm.GetIdLingua(); id > 0) {
    std::string tradotta = Trim(q->FieldByName("Descr" + std::to_string(id)).AsString());
    if (!tradotta.empty()) lingua = std::move(tradotta);
  }
}

template <typename T>
T* ElementoOppureNullo(const std::vector<std::unique_ptr<T>>& lista, int i) {
  return i >= 0 && i < static_cast<int>(lista.size()) ? lista[static_cast<size_t>(i)].get() : nullptr;
}

}  // namespace

TNavValore::TNavValore(TDMMain& dm, TNavCaratt* caratt, int codice) : m_Codice(codice), m_Caratt(caratt) {
  LeggiRecord(dm, "select * from valori where Codice = " + std::to_string(codice), m_Codice, m_DescrizioneOri,
              m_DescrizioneLingua);
}

TNavCaratt::TNavCaratt(TDMMain& dm, int codice) : m_Codice(codice), m_DM(&dm) {
  LeggiRecord(dm, "select * from caratt where Codice=" + std::to_string(codice), m_Codice, m_DescrizioneOri,
              m_DescrizioneLingua);
}

TNavValore* TNavCaratt::AddValore(int codice) {
  auto valore = std::make_unique<TNavValore>(*m_DM, this, codice);
  if (!valore->IsValid()) return nullptr;
  m_ListaValori.push_back(std::move(valore));
  return m_ListaValori.back().get();
}

TNavValore* TNavCaratt::GetValore(int i) const { return ElementoOppureNullo(m_ListaValori, i); }

bool TNavCaratt::HaValore(const std::string& descr) const {
  for (const auto& v : m_ListaValori)
    if (v->m_DescrizioneOri == descr) return true;
  return false;
}

TListaCarattGenerici::TListaCarattGenerici(TDMMain& dm) : m_DM(&dm) {
  std::unique_ptr<TQorQuery2> q = dm.GetQuery();
  if (q == nullptr) return;
  q->SQL().SetText("select Codice from gruppi where Descrizione = 'GENERICI' ");
  q->Open();
  if (!q->Eof()) m_IdGruppo = static_cast<int>(q->Fields(0).AsInteger());
}

TNavCaratt* TListaCarattGenerici::AddCaratt(int codice) {
  if (TNavCaratt* esistente = TrovaCaratt(codice)) return esistente;
  auto caratt = std::make_unique<TNavCaratt>(*m_DM, codice);
  if (!caratt->IsValid()) return nullptr;
  m_ListaCaratt.push_back(std::move(caratt));
  return m_ListaCaratt.back().get();
}

TNavCaratt* TListaCarattGenerici::GetCaratt(int i) const { return ElementoOppureNullo(m_ListaCaratt, i); }

TNavCaratt* TListaCarattGenerici::TrovaCaratt(int codice) const {
  for (const auto& c : m_ListaCaratt)
    if (c->m_Codice == codice) return c.get();
  return nullptr;
}

bool TListaCarattGenerici::HaValore(const std::string& descr) const {
  for (const auto& c : m_ListaCaratt)
    if (c->HaValore(descr)) return true;
  return false;
}

}  // namespace rovan
