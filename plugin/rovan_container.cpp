#include "plugin/rovan_container.h"

#include <cstring>

#include "platform/code_page.h"
#include "plugin/boundary.h"
#include "plugin/gestionale.h"
#include "plugin/host_link.h"
#include "plugin/library.h"
#include "plugin/process_state.h"
#include "plugin/status_notify.h"
#include "engine/UAttributi.h"
#include "engine/gestore.h"

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
  m_Gestore.reset();
  m_AttributiPrinc.reset();
  ProcessState& p = Processo();
  if (p.last == this) p.last = nullptr;
  if (p.primary == this) p.primary = nullptr;
}

int32_t ROVAN_STDCALL TRovanContainer::Release() {
  int32_t n = --m_ref;
  if (n == 0) ProtettoVoid("Release", [&] { delete this; });
  return n;
}

// ---- Not built yet --------------------------------------------------------------------------------------
// Generic codes and the editing operations answer their failure value until they are built.

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
