// TGestore's operations on its hidden, temporary and favourite tabs.
#include "engine/gestore.h"

namespace rovan {

int TGestore::AddLinguettaTemporanea(const std::string& des, int idPadre) {
  return m_LinguetteTemporanee->Add(des, idPadre);
}

void TGestore::AddCodiceSuLinguettaTemporanea(int id, std::string_view cod) {
  TLinguettaTemporanea* lin = m_LinguetteTemporanee->Item(id);
  if (lin == nullptr) return;
  if (TCodMdl* cm = CercaCodice(cod, true)) lin->AddCodice(cm);
}

void TGestore::SvuotaLinguetteTemporanee() { m_LinguetteTemporanee->Clear(); }

void TGestore::SettaPosizioneLinguetteTemporanea(bool inizio) {
  m_LinguetteTemporanee->m_Posizione = inizio ? plInizio : plFine;
}

bool TGestore::IsLinguettaNascostaDescr(const std::string& desc) const {
  return m_LinguetteNascoste.IsNascosta(-1, desc, {});
}

bool TGestore::IsLinguettaNascostaId(int id, int idListino) const {
  if (m_LinguetteNascoste.Count() == 0) return false;  // searches ask for every hit: skip finding the tab
  TVistiPri* pri;
  TVistiSec* sec;
  getLinguettaPerId(id, pri, sec);
  if (pri == nullptr) return false;
  if (m_LinguetteNascoste.IsNascosta(idListino, pri->getDesOri(), std::to_string(pri->val()))) return true;
  for (const TVistiSec* s = sec; s != nullptr; s = s->m_PadreSec) {
    if (m_LinguetteNascoste.IsNascosta(idListino, s->getDesOri(), s->GetPathLinguetta())) return true;
  }
  return false;
}

}  // namespace rovan
