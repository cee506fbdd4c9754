// TGestore: the navigation engine.
//
// It opens every price list the host names (one data module each, position = price-list id, 0 the
// principal), reads their classification once and keeps in memory the tree of tabs with the codes each tab
// shows. Tab ids come from one counter per restore (0, 1, 2, ... in creation order, all price lists
// together); 100000 + n are temporary tabs and 200000 + n favourite tabs. A tab's path is the value keys
// from the primary down, joined by "\".
//
// The container creates one engine when the host first asks for the tree and calls
// ripristina_da_database once; to reopen the price lists it destroys the engine and creates a new one.
// Thread rule: the host's user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/cod_mdl.h"
#include "engine/linguette_nascoste.h"
#include "engine/linguette_temporanee.h"
#include "engine/viste.h"
#include "storage/dm_main.h"

namespace rovan {

class JsonLines;

class TGestore {
 public:
  // Opens the price lists: in container mode the one opened price-list text (as an object-library price
  // list); otherwise AliasListino and AliasListinoSecondario1..10 from the host, then the object-library
  // connections. Nothing is loaded until ripristina_da_database.
  explicit TGestore(bool mettiCartelleVuote);
  ~TGestore();
  TGestore(const TGestore&) = delete;
  TGestore& operator=(const TGestore&) = delete;

  // Destroys the views, the invisible codes and the data modules, and empties the temporary tabs.
  void Reset();

  // Loads the tree of every price list, in order. A price list that cannot be connected is reported and
  // stops the loading of the later ones.
  void ripristina_da_database();
  // Loads one database price list; glbIdP is the shared tab-id counter.
  void ripristina_da_tab_new(int idDatabase, int& glbIdP, TDMMain& dm);
  // Obsolete: shows "ripristina_da_tab Obsoleta" and returns false.
  bool ripristina_da_tab();
  void salva_su_tab_old() {}

  // The data module of a price list, or null.
  TDMMain* GetDMMain(int id) const;
  int ContaListini() const { return static_cast<int>(m_DMMainArray.size()); }

  // The tab with that id: (primary, null) for a primary tab, (primary, secondary) for a nested one,
  // (null, null) when none.
  void getLinguettaPerId(int id, TVistiPri*& pPri, TVistiSec*& pSec) const;
  // Characteristic and value keys of the tab; -1, -1 when not found.
  void getCodLinguetta(int id, int& car, int& vlr) const;
  // For a nested tab, the keys and id of its parent; all -1 for a primary tab or an unknown id.
  void getCodPadreLinguetta(int id, int& car, int& vlr, int& idPadre) const;
  // The tab id of a path such as 12\40\7; -1 when not found.
  int getIdLinguettaPerKalvor(const std::string& path) const;
  // The path of a tab; empty when not found.
  std::string GetPathLinguetta(int id) const;

  // Applies TVistiPri::AggiornaDatiCodice to every primary view.
  void AggiornaDatiCodice(std::string_view cod, std::string_view descr, std::string_view filtro,
                          std::string_view filtroAux, const TUser& user, std::string_view azioni,
                          const TTraduzioni& trad, std::string_view attributo, bool isGenerico);

  // The first code, in primary-view order, whose code equals cod exactly; when none and suInvisibili, the
  // first such code of the invisible codes. Null for a code longer than 30 characters or not found.
  TCodMdl* CercaCodice(std::string_view cod, bool suInvisibili) const;

  // Appends the JSON text of the whole tab tree.
  void ScriviGestJson(JsonLines& lista) const;

  const std::vector<std::unique_ptr<TVistiPri>>& primarie() const { return m_primarie; }
  TListaCodici& codiciInvisibili() { return m_ListaCodiciInvisibili; }
  bool mettiCartelleVuote() const { return m_MettiCartelleVuote; }
  // Name of the favourite tabs' list: "PREF", or the host's current collection.
  const std::string& nomePreferiti() const { return m_nomePreferiti; }
  TLinguetteNascoste& linguetteNascoste() { return m_LinguetteNascoste; }
  TLinguetteTemporanee& linguetteTemporanee() { return *m_LinguetteTemporanee; }
  TLinguetteTemporanee& linguettePreferiti() { return *m_linguettePreferiti; }

  // Hidden and temporary tabs (gestore_linguette.cpp).
  // Appends a temporary tab under temporary tab idPadre (none when not a tab); returns its local id.
  int AddLinguettaTemporanea(const std::string& des, int idPadre);
  // Adds the code found by CercaCodice(cod, true) to temporary tab id; nothing when either is missing.
  void AddCodiceSuLinguettaTemporanea(int id, std::string_view cod);
  void SvuotaLinguetteTemporanee();
  // Temporary tabs shown before the database tabs when inizio, after them otherwise.
  void SettaPosizioneLinguetteTemporanea(bool inizio);
  // Whether a rule for every price list hides tabs with that base description.
  bool IsLinguettaNascostaDescr(const std::string& desc) const;
  // Whether the database tab id, as a tab of price list idListino, is hidden: its primary view is tested
  // first, then the tab and each secondary view above it, each by base description and path. False for an
  // unknown id.
  bool IsLinguettaNascostaId(int id, int idListino) const;

  // The cache map of the price list being loaded (tab keys with codes); empty means "build everything".
  void CaricaMappaCache(const std::string& file);
  bool IsInMappaCache(const std::string& chiave) const { return m_MappaCache.empty() || m_MappaCache.count(chiave) > 0; }
  // The key of a tab from its value keys: each key followed by "-" (12-40-).
  static std::string ComponiChiaveCache(const std::vector<int>& listaId);

  // The restore's primary query for a data module (see the restore for its columns).
  std::string ComponiSqlPrimarie(TDMMain& dm) const;
  std::string ComponiSqlInvisibili(TDMMain& dm) const;

 private:
  void AggiungiListino(const std::string& connessione, const std::string& fileCache, bool isFendrix);
  TVistiPri* AggiungiPrimaria(int car, int val, int id, const std::string& des, const std::string& desLingua,
                              int idListino, const TTraduzioni& traduzioni, bool isFendrix);
  struct IndiceCodici;
  void AggiungiSecondarieAlternativa(int codValore, TVistiPri* pPri, TVistiSec* pSecPadre, int& glbIdP, TDMMain& dm,
                                     const IndiceCodici& indice, const std::vector<TCodMdl*>& codiciPadre,
                                     const std::vector<int>& listaId);
  void CaricaInvisibili(TDMMain& dm, int idDatabase);

  bool m_MettiCartelleVuote;
  bool m_gestionescheda = true;    // photo and sheet flags are read while true
  std::string m_nomePreferiti;
  std::vector<std::unique_ptr<TDMMain>> m_DMMainArray;
  std::vector<std::unique_ptr<TVistiPri>> m_primarie;
  TListaCodici m_ListaCodiciInvisibili{true};
  std::unordered_set<std::string> m_MappaCache;
  TLinguetteNascoste m_LinguetteNascoste;
  std::unique_ptr<TLinguetteTemporanee> m_LinguetteTemporanee;
  std::unique_ptr<TLinguetteTemporanee> m_linguettePreferiti;
};

}  // namespace rovan
