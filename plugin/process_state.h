// The values the plug-in keeps once per loaded library.
//
// All entry points run on the host's user-interface thread, so nothing here is locked.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace rovan {

class TRovanContainer;

// Switches read from host variables each time a container is created while the host link is available;
// without the host link they keep their values.
struct ContainerSwitches {
  bool escludiSist = false;           // CMP_ESCLUDISIST: definitions handed over exactly as stored; sticky
  bool cercaSuUser = false;           // CMP_CERCASUUSER: searches also look in the user fields
  bool soloEtichetteValide = false;   // CMP_SOLO_ETICHETTE_VALIDE: filter lists keep only carried labels
  bool cercaNonVisibili = false;      // CMP_CERCA_NON_VISIBILI: searches include codes not active in the model
  std::string nonGraficato = "NonGraficato";  // CMP_NONGRAFICATO: element of the placeholder definition
  bool nascondiCodici = false;        // CMP_NASCONDICODICI: code views are hidden
};

inline constexpr int kObjectLibrarySlots = 11;

struct ProcessState {
  bool containerMode = false;         // set the first time the host asks for exactly "IRovan"
  TRovanContainer* primary = nullptr; // the latest created while container mode was on
  std::vector<TRovanContainer*> extraReferences;  // every container created in container mode holds one
                                                  // extra reference, given back at unload
  TRovanContainer* last = nullptr;    // created most recently (not counted; cleared when it is destroyed)
  std::string listinoAperto;          // last text given to IRovan.apriListino
  int idLingua = 0;                   // language applied to price list 0 when the engine is created
  bool created = false;               // createRovan2 / destroyRovan
  bool uiInitialised = false;         // the one-time initialisation of the window toolkit was done
  std::array<std::string, kObjectLibrarySlots> objectLibraries;  // object-library connection strings
  ContainerSwitches switches;
  int massimoRicerca = 0;             // maximum number of search results, 0 = no limit
  std::string modalita;               // the host's mode text, read at first need; empty: read again
};

ProcessState& Processo();

// Reads the container switches from the host variables (does nothing without the host link).
void LeggiSwitchContenitore();

// Registers an object-library connection: "clear" empties all positions; otherwise the first empty
// position receives the text after the connection-string password treatment (nothing is stored when
// all are taken). Always 1.
int AggiungiConnessioneFendrix(const std::string& connessione);

}  // namespace rovan
