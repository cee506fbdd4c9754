#include "engine/linguette_nascoste.h"

namespace rovan {

void TLinguetteNascoste::Aggiungi(int idListino, const std::string& descrizione) {
  m_Linguette.push_back({idListino, descrizione, {}});
}

void TLinguetteNascoste::AggiungiPath(int idListino, const std::string& path) {
  m_Linguette.push_back({idListino, {}, path});
}

bool TLinguetteNascoste::IsNascosta(int idListino, std::string_view descrizione, std::string_view path) const {
  for (const TLinguettaNascosta& r : m_Linguette) {
    const bool applica = (!r.m_Descrizione.empty() && r.m_Descrizione == descrizione) ||
                         (!r.m_Path.empty() && r.m_Path == path);
    if (applica) return r.m_IdListino == -1 || r.m_IdListino == idListino;
  }
  return false;
}

}  // namespace rovan
