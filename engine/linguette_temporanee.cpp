#include "engine/linguette_temporanee.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "engine/gestore.h"
#include "platform/system_paths.h"
#include "platform/text_utils.h"
#include "plugin/settings.h"
#include "storage/traduci_mdb.h"

namespace rovan {

void TLinguettaTemporanea::AddCodice(TCodMdl* cm) {
  if (std::find(m_codici.begin(), m_codici.end(), cm) == m_codici.end()) m_codici.push_back(cm);
}

namespace {

std::vector<TCodMdl*>::iterator TrovaCodice(std::vector<TCodMdl*>& codici, std::string_view codice) {
  return std::find_if(codici.begin(), codici.end(), [codice](const TCodMdl* cm) { return cm->cod() == codice; });
}

}  // namespace

void TLinguettaTemporanea::DelCodice(std::string_view codice) {
  if (auto it = TrovaCodice(m_codici, codice); it != m_codici.end()) m_codici.erase(it);
}

void TLinguettaTemporanea::SettaPosizione(std::string_view codice, int pos) {
  if (pos < 0 || pos >= static_cast<int>(m_codici.size())) return;
  const auto da = TrovaCodice(m_codici, codice);
  if (da == m_codici.end()) return;
  const auto a = m_codici.begin() + pos;
  if (a < da)
    std::rotate(a, da, da + 1);
  else
    std::rotate(da, da + 1, a + 1);
}

TLinguetteTemporanee::TLinguetteTemporanee(TGestore& gestore, TTipoLin tipo, std::string nome)
    : m_Posizione(tipo == LIN_PREFERITI ? plInizio : plFine),
      m_Gestore(&gestore),
      m_TipoLin(tipo),
      m_Nome(std::move(nome)),
      m_DeltaLinguetta(tipo == LIN_TEMPORANEE ? 100000 : tipo == LIN_PREFERITI ? 200000 : 0) {}

int TLinguetteTemporanee::Add(const std::string& nome, int idPadre) {
  const int id = Count();
  m_Lista.push_back(std::make_unique<TLinguettaTemporanea>(*this, Item(idPadre), id, nome));
  return id;
}

TLinguettaTemporanea* TLinguetteTemporanee::Item(int i) const {
  return i >= 0 && i < Count() ? m_Lista[static_cast<size_t>(i)].get() : nullptr;
}

void TLinguetteTemporanee::AddCodice(int id, TCodMdl* cm) {
  if (TLinguettaTemporanea* lin = Item(id)) lin->AddCodice(cm);
}

int TLinguetteTemporanee::ContaCodici(int id) const {
  const TLinguettaTemporanea* lin = Item(id);
  return lin != nullptr ? static_cast<int>(lin->codici().size()) : 0;
}

TCodMdl* TLinguetteTemporanee::DammiCodice(int idLinguetta, int idCodice) const {
  const TLinguettaTemporanea* lin = Item(idLinguetta);
  if (lin == nullptr || ContaLinguetteFiglie(idLinguetta) > 0) return nullptr;
  if (idCodice < 0 || idCodice >= static_cast<int>(lin->codici().size())) return nullptr;
  return lin->codici()[static_cast<size_t>(idCodice)];
}

int TLinguetteTemporanee::ContaLinguetteFiglie(int idLinguetta) const {
  return static_cast<int>(std::count_if(m_Lista.begin(), m_Lista.end(), [idLinguetta](const auto& lin) {
    return lin->m_Padre != nullptr && lin->m_Padre->m_Id == idLinguetta;
  }));
}

void TLinguetteTemporanee::Rimuovi(TLinguettaTemporanea* lin) {
  const auto it = std::find_if(m_Lista.begin(), m_Lista.end(), [lin](const auto& l) { return l.get() == lin; });
  if (it == m_Lista.end() || it == m_Lista.begin()) return;
  for (const auto& l : m_Lista)
    if (l->m_Padre == lin) l->m_Padre = lin->m_Padre;
  m_Lista.erase(it);
  for (size_t i = 0; i < m_Lista.size(); ++i) m_Lista[i]->m_Id = static_cast<int>(i);
}

std::string TLinguetteTemporanee::GetNomeFile() const {
  const std::filesystem::path cartella = std::filesystem::path(FileImpostazioni().fileName()).parent_path();
  return (cartella / (".pref_" + SafeFileName(m_Nome))).string();
}

namespace {

// The lines of a text file without their line ends and without a leading byte-order mark; nothing when
// the file cannot be opened.
std::optional<std::vector<std::string>> LeggiRighe(const std::string& nomeFile) {
  std::ifstream in(nomeFile, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> righe;
  std::string riga;
  while (std::getline(in, riga)) {
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    righe.push_back(std::move(riga));
  }
  if (!righe.empty() && righe[0].starts_with("\xEF\xBB\xBF")) righe[0].erase(0, 3);
  return righe;
}

// Replaces the file with testo: written to a name beside it first, so a failed write leaves the old file
// whole.
void ScriviFileIntero(const std::string& nomeFile, const std::string& testo) {
  const std::string temporaneo = nomeFile + ".tmp";
  std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
  out.write(testo.data(), static_cast<std::streamsize>(testo.size()));
  out.close();
  std::error_code errore;
  if (!out.fail()) std::filesystem::rename(temporaneo, nomeFile, errore);
  if (out.fail() || errore) {
    std::filesystem::remove(temporaneo, errore);
    throw std::runtime_error("Impossibile scrivere il file " + nomeFile);
  }
}

}  // namespace

void TLinguetteTemporanee::CaricaDaFile(const std::string& nomeFile) {
  Clear();
  Add(TraduciTesto("Main", "Preferiti"), -1);
  const std::optional<std::vector<std::string>> righe = LeggiRighe(nomeFile.empty() ? GetNomeFile() : nomeFile);
  if (!righe) return;
  auto riga = righe->begin();
  for (int atteso = 1; riga != righe->end() && *riga != "CODICI"; ++riga) {
    const int id = FieldInt(*riga, '|', 0);
    if (id == 0) continue;  // the saved root
    if (id != atteso) return;
    Add(Trim(FieldView(*riga, '|', 2)), std::max(FieldInt(*riga, '|', 1), 0));
    ++atteso;
  }
  if (riga == righe->end()) return;
  for (++riga; riga != righe->end(); ++riga) {
    if (TCodMdl* cm = m_Gestore->CercaCodice(TrimView(FieldView(*riga, '|', 1)), true))
      AddCodice(FieldInt(*riga, '|', 0), cm);
  }
}

void TLinguetteTemporanee::SalvaSuFile(const std::string& nomeFile) const {
  std::string testo = "\xEF\xBB\xBF";
  for (const auto& lin : m_Lista) {
    const int padre = lin->m_Padre != nullptr ? lin->m_Padre->m_Id : 0;
    testo += std::to_string(lin->m_Id) + "|" + std::to_string(padre) + "|" + lin->m_Descrizione + "\r\n";
  }
  testo += "CODICI\r\n";
  for (const auto& lin : m_Lista) {
    for (const TCodMdl* cm : lin->m_codici) testo += std::to_string(lin->m_Id) + "|" + std::string(cm->cod()) + "\r\n";
  }
  ScriviFileIntero(nomeFile.empty() ? GetNomeFile() : nomeFile, testo);
}

}  // namespace rovan
