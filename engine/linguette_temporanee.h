// Temporary and favourite tabs: tab lists made up at run time, kept beside the database tabs.
//
// Temporary tabs are built by host commands and live only in memory. Favourites have the same structure,
// start from a root tab (local id 0) and are loaded from and saved to a small text file per host
// collection. A tab's local id is always its position in its list, so removing a tab renumbers the ones
// after it; the host addresses a tab by the list's offset (100000 temporary, 200000 favourite) plus that id.
//
// Tabs reference codes owned by the engine's views (or its invisible codes): a list must be emptied or
// destroyed with the views it points into.
//
// Favourites file: UTF-8 with a byte-order mark, lines ended by CR LF, fields separated by "|":
//   one line per tab in list order, the root included: local id|parent's local id (0 for none)|description
//   the line CODICI
//   one line per code, tab by tab and code by code in order: tab's local id|code
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cod_mdl.h"
#include "engine/shared_types.h"

namespace rovan {

class TGestore;
class TLinguetteTemporanee;

// Where the container shows a list's tabs among the database tabs.
enum TPosLinguette { plInizio = 0, plFine = 1 };

// One temporary or favourite tab: a description and references to codes, or child tabs.
class TLinguettaTemporanea {
 public:
  TLinguettaTemporanea(TLinguetteTemporanee& linguette, TLinguettaTemporanea* padre, int id, std::string des)
      : m_Descrizione(std::move(des)), m_Id(id), m_Linguette(&linguette), m_Padre(padre) {}
  TLinguettaTemporanea(const TLinguettaTemporanea&) = delete;
  TLinguettaTemporanea& operator=(const TLinguettaTemporanea&) = delete;

  int id() const { return m_Id; }
  TLinguetteTemporanee& linguette() const { return *m_Linguette; }
  // The parent tab; null for the root and for tabs added without one.
  TLinguettaTemporanea* padre() const { return m_Padre; }
  const std::vector<TCodMdl*>& codici() const { return m_codici; }

  // Appends the code unless this very code object is already in the tab.
  void AddCodice(TCodMdl* cm);
  // Removes the first code whose code equals codice exactly.
  void DelCodice(std::string_view codice);
  // Moves the first code whose code equals codice to position pos; nothing when pos is not a position of
  // the tab's codes.
  void SettaPosizione(std::string_view codice, int pos);
  // Forgets the codes (they belong to the views).
  void Clear() { m_codici.clear(); }

  std::string m_Descrizione;

 private:
  friend class TLinguetteTemporanee;  // keeps ids equal to positions and parents valid on removal
  int m_Id;
  TLinguetteTemporanee* m_Linguette;
  TLinguettaTemporanea* m_Padre;
  std::vector<TCodMdl*> m_codici;
};

// A list of temporary (LIN_TEMPORANEE) or favourite (LIN_PREFERITI) tabs.
class TLinguetteTemporanee {
 public:
  // An empty list; temporary tabs are shown after the database tabs, favourites before.
  TLinguetteTemporanee(TGestore& gestore, TTipoLin tipo, std::string nome);
  TLinguetteTemporanee(const TLinguetteTemporanee&) = delete;
  TLinguetteTemporanee& operator=(const TLinguetteTemporanee&) = delete;

  const std::string& nome() const { return m_Nome; }
  TTipoLin tipoLin() const { return m_TipoLin; }
  // Offset of the list's tab ids in the host's tree: 100000 temporary, 200000 favourites, 0 otherwise.
  int deltaLinguetta() const { return m_DeltaLinguetta; }

  // Appends a tab under the tab at position idPadre (no parent when idPadre is not a position); returns its
  // local id.
  int Add(const std::string& nome, int idPadre);
  // Adds the code to tab id (nothing when id is not a tab of the list).
  void AddCodice(int id, TCodMdl* cm);
  // Number of codes of tab id; 0 when id is not a tab of the list.
  int ContaCodici(int id) const;
  // Code idCodice of tab idLinguetta; null when the tab does not exist, has child tabs (a folder shows no
  // codes) or has no such code.
  TCodMdl* DammiCodice(int idLinguetta, int idCodice) const;
  // Number of tabs whose parent is tab idLinguetta.
  int ContaLinguetteFiglie(int idLinguetta) const;
  int Count() const { return static_cast<int>(m_Lista.size()); }
  // Tab i, or null outside the list.
  TLinguettaTemporanea* Item(int i) const;
  // Destroys tab lin and renumbers the tabs after it; the root (position 0) and tabs of other lists are
  // left alone. Callers remove only empty tabs; should lin have child tabs, they move up to lin's parent.
  void Rimuovi(TLinguettaTemporanea* lin);
  void Clear() { m_Lista.clear(); }

  // The favourites file: the folder of the plug-in's settings file, ".pref_" and the list's name made safe
  // as a file name (the name comes from the host's collection).
  std::string GetNomeFile() const;
  // Replaces the tabs with the root ("Preferiti", translated) and the tabs and codes of the file (empty
  // name: GetNomeFile). A missing file leaves the root alone; the first tab line out of sequence ends the
  // load there, codes included; codes are looked up with the engine's CercaCodice(code, true) and those not
  // found are dropped.
  void CaricaDaFile(const std::string& nomeFile);
  // Writes the tabs and their codes to the file (empty name: GetNomeFile), replacing it whole: the text is
  // written beside it and renamed over it. Throws std::runtime_error when that fails.
  void SalvaSuFile(const std::string& nomeFile) const;

  TPosLinguette m_Posizione;

 private:
  TGestore* m_Gestore;
  TTipoLin m_TipoLin;
  std::string m_Nome;
  int m_DeltaLinguetta;
  std::vector<std::unique_ptr<TLinguettaTemporanea>> m_Lista;
};

}  // namespace rovan
