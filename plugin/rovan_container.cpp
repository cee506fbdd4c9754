#include "plugin/rovan_container.h"

#include <cstring>

#include "platform/code_page.h"
#include "plugin/boundary.h"
#include "plugin/gestionale.h"
#include "plugin/host_link.h"
#include "plugin/library.h"
#include "plugin/process_state.h"
#include "plugin/status_notify.h"

namespace rovan {

TRovanContainer::TRovanContainer() {
  if (HostLink::Get().available()) {
    LeggiSwitchContenitore();
    Processo().massimoRicerca = 0;
    StatusSink().Advise();
  }
}

TRovanContainer::~TRovanContainer() {
  Gestionale::Get().Scarica();
  m_lista_etichette_valide.clear();
  m_tree.reset();
  ProcessState& p = Processo();
  if (p.last == this) p.last = nullptr;
  if (p.primary == this) p.primary = nullptr;
}

int32_t ROVAN_STDCALL TRovanContainer::Release() {
  int32_t n = --m_ref;
  if (n == 0) ProtettoVoid("Release", [&] { delete this; });
  return n;
}

std::optional<int> TRovanContainer::PosizioneLinguaHost() const { return std::nullopt; }

void TRovanContainer::ContaCodiciLinguetta(int32_t, int32_t, int32_t& tot, int32_t& filtrati) const {
  tot = 0;
  filtrati = 0;
}

// ---- Queries ------------------------------------------------------------------------------------------
// The operations below need the navigation engine and the price-list storage; until they exist each
// answers its failure value.

void* ROVAN_STDCALL TRovanContainer::GetRovanTree() { return nullptr; }
void* ROVAN_STDCALL TRovanContainer::GetRovanCodici(int32_t, int32_t) { return nullptr; }
int32_t ROVAN_STDCALL TRovanContainer::FindPriSec(const char*, char*, char*) { return 0; }
void* ROVAN_STDCALL TRovanContainer::FindCodici(const char*, int32_t) { return nullptr; }
void* ROVAN_STDCALL TRovanContainer::DammiFiltriAtt() { return nullptr; }
void ROVAN_STDCALL TRovanContainer::SettaFiltroAtt(const char*, const char*) {}
void* ROVAN_STDCALL TRovanContainer::DammiFiltriSettatiAtt() { return nullptr; }
void ROVAN_STDCALL TRovanContainer::EliminaFiltroAtt(const char*, const char*) {}
void ROVAN_STDCALL TRovanContainer::EliminaTuttiFiltri() {}

void ROVAN_STDCALL TRovanContainer::SettaMassimoRicerca(int32_t massimo_ric) {
  Processo().massimoRicerca = massimo_ric;
}

void ROVAN_STDCALL TRovanContainer::SalvataggioStrutturaRovan() { m_tree.reset(); }
int32_t ROVAN_STDCALL TRovanContainer::HoAlmenoUnRovanCodici(int32_t, int32_t) { return 0; }
void ROVAN_STDCALL TRovanContainer::SettaFiltroAttCod(int32_t, int32_t, const char*, const char*) {}
void ROVAN_STDCALL TRovanContainer::EliminaFiltroAttCod(int32_t, int32_t) {}
void ROVAN_STDCALL TRovanContainer::ResetTree() { m_tree.reset(); }
void* ROVAN_STDCALL TRovanContainer::GetRovanTreeExt(int32_t) { return nullptr; }
void* ROVAN_STDCALL TRovanContainer::get_AttribApparence(const char*) { return nullptr; }
int32_t ROVAN_STDCALL TRovanContainer::GetNumLingue(int32_t) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::GetLingua(int32_t, int32_t, char*, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::SetCodLingua(int32_t, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::SetIdLingua(int32_t, int32_t) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::findCmpName(const char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::getCompostoDB(const char*, const char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::queryListino(const char*, const char*, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::apriListino(char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Command(const char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::getSchedaTecnica(const char*, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::getImmagineDB(int32_t, char*, char*, int32_t, int32_t) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::getOggetto(char*, char*, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::getAzioni(char*, char*) { return 0; }
void* ROVAN_STDCALL TRovanContainer::getCompostoDBBlob(const char*) { return nullptr; }
void* ROVAN_STDCALL TRovanContainer::getImmagineDBBlob(const char*) { return nullptr; }
void* ROVAN_STDCALL TRovanContainer::GetRovanTreeJson() { return nullptr; }
void* ROVAN_STDCALL TRovanContainer::getImmagineDBBlobTipo(int32_t, int32_t, int32_t, const char*) { return nullptr; }
int32_t ROVAN_STDCALL TRovanContainer::HoAlmenoUnRovanCodici2(int32_t, int32_t, const char*) { return 0; }
void* ROVAN_STDCALL TRovanContainer::GetRovanCodici2(int32_t, int32_t, const char*) { return nullptr; }
int32_t ROVAN_STDCALL TRovanContainer::IsVisibilePerFiltriExp(char*) { return 0; }

// ---- Generic codes ------------------------------------------------------------------------------------

void* ROVAN_STDCALL TRovanContainer::GetCodiciLegatiGenerici(const char*) { return nullptr; }
void* ROVAN_STDCALL TRovanContainer::GetCodiciLegatiSpecifici(const char*) { return nullptr; }
void ROVAN_STDCALL TRovanContainer::AggiornaPrezziGenerici(const char*, void*) {}
int32_t ROVAN_STDCALL TRovanContainer::GetTipoSostGenerici(const char*, const char*) { return 0; }
const char* ROVAN_STDCALL TRovanContainer::GetCompostiCancelletto(const char*, int32_t, const char*) {
  return nullptr;
}

// ---- Editing ------------------------------------------------------------------------------------------

int32_t ROVAN_STDCALL TRovanContainer::Mod_CreaComposto(char*, char*, char*, char*, char*, char*, int32_t,
                                                        int32_t) {
  return 0;
}
int32_t ROVAN_STDCALL TRovanContainer::Mod_ModificaComposto(char*, char*, char*, char*, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_EliminaComposto(char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_CreaCartella(int32_t, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_EliminaCartella(int32_t, int32_t) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_InserisciInCartella(char*, int32_t, int32_t) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_EliminaDaCartella(char*, int32_t, int32_t) { return 0; }

int32_t ROVAN_STDCALL TRovanContainer::Mod_LeggiErrore(char* errore) {
  return Protetto("Mod_LeggiErrore", 0, [&] {
    if (errore != nullptr) {
      std::string testo = Utf8ToAnsi(m_mod_errore);
      std::memcpy(errore, testo.c_str(), testo.size() + 1);
    }
    return 1;
  });
}

int32_t ROVAN_STDCALL TRovanContainer::Mod_AggiungiOggetto(char*, char*, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_EliminaOggetto(char*, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_TraduzioneCartella(int32_t, int32_t, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_TraduzioneComposto(char*, int32_t, char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_CreaCartella_bycod(int32_t, const char*) { return 0; }
int32_t ROVAN_STDCALL TRovanContainer::Mod_CreaComposto_bycod(const char*, const char*, const char*, const char*,
                                                              const char*, const char*, int32_t) {
  return 0;
}
int32_t ROVAN_STDCALL TRovanContainer::Mod_ModificaComposto2(char*, char*, char*, char*, char*, char*) {
  return 0;
}

}  // namespace rovan
