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

#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/cod_mdl.h"
#include "engine/indice_codici.h"
#include "engine/linguette_nascoste.h"
#include "engine/linguette_temporanee.h"
#include "engine/pattern.h"
#include "engine/viste.h"
#include "platform/dynamic_library.h"
#include "plugin/ItfCommon.h"
#include "storage/dm_main.h"

namespace rovan {

class JsonLines;
class TRovanCodici;
class TRovanFiltri;

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

  // ---- Filters, the current tab, code iteration, search and counting -----------------------------------
  // Reads the host's filter options (nothing without the host link).
  void SettaFiltro();
  // Selects the current tab (idS when >= 0, else idP) and its external filter ("!" first: excluding). A
  // temporary (100000 + n) or favourite (200000 + n) tab becomes current by its local id, leaving the
  // current database views as they were.
  void settaAtt(int idP, int idS, const std::string& filtrodaesterno);
  int CarPriAtt() const;
  int ValPriAtt() const;
  int CarSecAtt() const;
  int ValSecAtt() const;
  // Keys of the primary view idP and of its direct child idS; all -1 when not found; secondary keys -1
  // when idS is negative and the view has no children.
  void getCodiciAtt(int idP, int idS, int& carP, int& valP, int& carS, int& valS) const;
  // Code iteration over the current tab.
  void iteraStartAtt(bool soloFiltriGlobali);
  bool iteraOKAtt();
  // The code at the cursor (then advances) and whether the value filters leave it visible.
  TCodMdl* iteraAtt(bool& isVisPerFiltro);
  // Primary iteration.
  void iteraStartValoriPri() { m_iteraPri = 0; }
  bool iteraOKValoriPri() const { return m_iteraPri < m_primarie.size(); }
  std::string iteraValoriPri();
  TVistiPri* iteraValoriPriOgg();
  // Whether the global, external and price-list filters let the code through; log receives the name of
  // the filter that hid it.
  bool IsVisibilePerFiltri(TCodMdl& mc, std::string& log);
  // The filter library's answer (1 or more: visible); attr may be replaced by the library.
  int OkFiltroDaDll2(std::string grp, const std::string& filtroAux, const std::string& codArt, std::string& attr);
  bool OkFiltroEsteso(std::string_view filtro) const;
  // The model filter that applies to the codes of dm: none without a price list, for an object library or
  // for a price list excluded from it.
  const std::string& FiltroModelloPer(const TDMMain* dm) const;
  bool TestaEstesaExtra(std::string_view s) const;
  bool TestaEstesaModalita(std::string_view s) const;
  bool TestaEstesaKalvor4(std::string_view) const { return true; }
  // Value filters, applied to every primary view.
  void AggAttFil(int codcar, int codVal, const std::string& desCar, const std::string& desVal);
  void AggAttFilDes(const std::string& desCar, const std::string& desVal) { AggAttFil(-1, -1, desCar, desVal); }
  void ElAttFil(const std::string& desCar, const std::string& desVal);
  void ElAttFilCod(int codcar, int codVal);
  void ElTuttiFil();
  // The filter lists of the current tab for the host (entries appended to filtri).
  void DammiFiltriAtt(TRovanFiltri& filtri);
  void DammiFiltriSettatiAtt(TRovanFiltri& filtri);
  // The codes equal to codiceView or beginning with codiceView + "#" (filtered on user field idCampoUser
  // 1..5 when given), once per primary view holding them.
  std::vector<std::string> CercaCodiciCancelletto(const std::string& codiceView, int idCampoUser,
                                                  const std::string& valore) const;
  // Appends to codiciTrovati the codes (or descriptions) matching impronta, tab by tab; stops at the
  // search limit. Throws std::invalid_argument for an invalid pattern.
  void FindCodici(TRovanCodici& codiciTrovati, const std::string& impronta, bool suDescrizione);
  // Codes of a tab, and in totfiltrati those not hidden by value filters; 0 and 0 when not found or for a
  // primary view with children.
  int ContaCodiciGes(int idP, int idS, int& totfiltrati) const;
  bool IsCodiceVisibile(int, int, int, int, const std::string&) const { return true; }
  // The codes linked to value val of characteristic car on the principal price list, sorted. Within one
  // value-filter operation across the views the answer is read once and shared by every tab.
  const std::vector<std::string>& CodiciConValore(int car, int val);
  TVistiPri* attualePri() const { return m_pAttualePri; }
  TVistiSec* attualeSec() const { return m_pAttualeSec; }
  bool conFiltroDll() const { return m_con_filtro_dll; }

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
  // Builds CercaCodice's tables when they are empty.
  void PreparaIndici() const;
  struct IndiceCodici;
  struct AnticipoLegami;
  // Reads on connessione, for the primary value valPri, the link rows every secondary level will ask for.
  void AnticipaLegami(TQorConnection& connessione, const std::string& aux, int valPri, AnticipoLegami& anticipo) const;
  void AggiungiSecondarieAlternativa(int codValore, TVistiPri* pPri, TVistiSec* pSecPadre, int& glbIdP, TDMMain& dm,
                                     IndiceCodici& indice, const std::vector<TCodMdl*>& codiciPadre,
                                     const std::vector<int>& listaId);
  // Reads the codes linked to no value of the primary characteristic (sql: ComponiSqlInvisibili) into lista.
  static void LeggiInvisibili(TQorConnection& connessione, const std::string& sql, int lingua, int idDatabase,
                              TListaCodici& lista);

  bool m_MettiCartelleVuote;
  bool m_gestionescheda = true;    // photo and sheet flags are read while true
  std::string m_nomePreferiti;
  std::vector<std::unique_ptr<TDMMain>> m_DMMainArray;
  std::vector<std::unique_ptr<TVistiPri>> m_primarie;
  TListaCodici m_ListaCodiciInvisibili{true};
  // CercaCodice's tables of the tabs' codes and of the invisible codes, built on first need from the codes as
  // they stand. Whatever adds, removes or reorders codes (the restore, Reset) empties them.
  mutable TIndiceCodici m_IndiceTab, m_IndiceInvisibili;
  std::unordered_set<std::string> m_MappaCache;
  TLinguetteNascoste m_LinguetteNascoste;
  std::unique_ptr<TLinguetteTemporanee> m_LinguetteTemporanee;
  std::unique_ptr<TLinguetteTemporanee> m_linguettePreferiti;

  // Filter state.
  std::string m_filtroAtt;               // model filter
  bool m_con_filtro_dll = false;         // the filter library replaces the model filter
  bool m_con_filtro_esteso = false;      // extended filter
  std::string m_filtro_extra;            // its extra text
  std::string m_FiltroEsterno;           // external filter of the current tab
  bool m_InclusoFiltroEsterno = true;    // it includes (or excludes) what it names
  bool m_SoloGlobAtt = false;            // the iteration ignores value filters
  // The current tab and the code iteration.
  TVistiPri* m_pAttualePri = nullptr;
  TVistiSec* m_pAttualeSec = nullptr;
  const TListaCodici* m_AttualeCodLista = nullptr;
  int m_AttualeCodId = 0;
  int m_AttualeLinguettaId = -1;         // local id of the current temporary or favourite tab
  bool m_AttualeIsTemporanea = false;
  bool m_AttualeIsPreferita = false;
  // The list of the current temporary or favourite tab, or null for a database tab.
  const TLinguetteTemporanee* ListaAttuale() const;
  size_t m_iteraPri = 0;
  // Answers of CodiciConValore while a value-filter operation runs (PassataFiltri), then forgotten.
  std::map<std::pair<int, int>, std::vector<std::string>> m_codiciConValore;
  int m_passataFiltri = 0;
  class PassataFiltri;
  // Last search.
  std::string m_Impronta;
  bool m_SuDes = false;
  // The filter library, loaded on first need and kept until the engine is destroyed.
  std::unique_ptr<DynamicLibrary> m_handle_OkFiltroDaDll;
  using OkFiltro3 = int32_t(ROVAN_STDCALL*)(const char*, const char*, const char*, char*);
  using OkFiltro2 = int32_t(ROVAN_STDCALL*)(const char*, const char*, const char*);
  using OkFiltro1 = int32_t(ROVAN_STDCALL*)(const char*, const char*);
  OkFiltro3 m_OkFiltroDaDll3 = nullptr;
  OkFiltro2 m_OkFiltroDaDll2 = nullptr;
  OkFiltro1 m_OkFiltroDaDll = nullptr;

  // A code a search found: the tab it was found in, and whether the model filter leaves it active.
  struct Trovato {
    TCodMdl* cm;
    int idLinguetta;
    bool attivo;
  };
  bool VisitaRicerca(TVista& vista, std::vector<Trovato>& trovati, const Pattern& pattern);
  bool AggiungiTrovato(TCodMdl& cm, TVista& vista, std::vector<Trovato>& trovati, const Pattern& pattern);
};

// The model filter test: the code filter's part before "(" (trimmed); empty passes, "-" fails; otherwise
// whether the model text occurs in it (inverted when it contains "!").
bool OkFiltroModello(std::string_view modello, std::string_view filtroCodice);

}  // namespace rovan
