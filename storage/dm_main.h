// TDMMain: one open price list.
//
// It owns the price list's connection, knows its kind (SQL Server, Access, web, SQLite), reads the
// option row and the table version, loads the languages, keeps the prepared statements of frequent
// writes and offers the database-wide operations (emptying tables, running a statement, opening a query
// that must return rows). The navigation engine keeps one per price list it shows; editor windows and
// imports create their own.
//
// Lifecycle: created -> SettaConnessione -> Connetti (options, version, languages, statements ready) ->
// operations -> DisConnetti -> possibly Connetti again -> destroyed. A web price list never connects a
// database; its module only carries the web settings.
// Thread rule: the host's user-interface thread.
#pragma once

#include <memory>
#include <string>

#include "engine/lingue.h"
#include "storage/qor_connection.h"
#include "storage/qor_query.h"

namespace rovan {

class TDMMain {
 public:
  TDMMain();
  ~TDMMain();
  TDMMain(const TDMMain&) = delete;
  TDMMain& operator=(const TDMMain&) = delete;

  // ---- Connection -----------------------------------------------------------------------------------
  // Records the price list to open; does nothing while connected. A text beginning with "http:" is a web
  // price list (its cache folders are created); any other is a connection string.
  void SettaConnessione(const std::string& connessione, int idListino);
  // Connects; on success reads options, version and languages and prepares the statements.
  bool Connetti();
  // Frees the prepared statements and closes the connection; true.
  bool DisConnetti();

  // ---- Options and versions -------------------------------------------------------------------------
  int GetIdxPrimaria() const { return m_IdxPrimaria; }
  // "update opzioni set IdxPrimaria = <n>", then caches n.
  void SetIdxPrimaria(int idxPrimaria);
  int GetVersioneTabelle() const { return m_versione_tabelle; }
  bool IsNuovoOrdinamento() const;
  bool IsGenericiEnabled() const;
  bool IsImmaginiVersione() const;
  TTipoListino GetTipoListino() const { return m_TipoListino; }
  int GetIdListino() const { return m_IdListinoDM; }
  const std::string& getAlias() const { return aliasBDM; }
  const std::string& GetConnectionString() const { return Database.ConnectionString(); }
  const std::string& DesDBListino() const { return Database.DesDBListino(); }
  const std::string& GetDBAux() const { return m_PrefissoDBAux; }
  void SetDBAux(const std::string& dbAux) { m_PrefissoDBAux = dbAux; }
  // The Access file the connection string names ("data source=" up to ";") when it ends in ".mdb" and
  // exists; empty otherwise.
  std::string NomeDBAccess() const;
  std::string getDesListino() const { return {}; }
  bool UsaGestore() const { return false; }
  bool isSQL() const { return true; }

  // ---- Languages ------------------------------------------------------------------------------------
  int GetIdLingua() const { return m_lingue.GetIdLinguaKalvor(); }
  bool SetCodLingua(const std::string& cod) { return m_lingue.SettaLinguaCod(cod); }
  bool SetIdLingua(int id) { return m_lingue.SettaLinguaId(id); }
  TLingue& lingue() { return m_lingue; }

  // ---- Statements -----------------------------------------------------------------------------------
  // A new query on the connection, owned by the caller; null while never connected.
  std::unique_ptr<TQorQuery2> GetQuery();
  // Runs s with messages on: a failure is shown to the user and not raised. Always true.
  bool eseguiQuery(const std::string& s);
  // Runs s without message inside a transaction, committed when it ran and esegui is true, else rolled
  // back. Whether the statement ran.
  bool eseguiQueryTrans(const std::string& s, bool esegui);
  // Opens s; when it returns at least one row the open query is handed over in q and the result is true;
  // otherwise q is null. Errors on SQLite connections reach the caller; on ADO they count as no rows.
  bool preparaQueryDaLiberare(const std::string& s, std::unique_ptr<TQorQuery2>& q);
  // Empties every table (selector empty) or the one table of that selector, then reopens the module.
  void SvuotaDatabase(const std::string& quale);

  // The prepared statements (null while disconnected).
  TQorQuery2* QueryInsertComp() const { return queryInsertComp_.get(); }
  TQorQuery2* QueryInsertImage() const { return queryInsertImage_.get(); }
  TQorQuery2* QueryInsertFotoAus() const { return queryInsertFotoAus_.get(); }
  TQorQuery2* QueryInsertSchedaAus() const { return queryInsertSchedaAus_.get(); }
  TQorQuery2* QueryInsertSchedaAus2() const { return queryInsertSchedaAus2_.get(); }
  TQorQuery2* QueryInsertOggetto() const { return queryInsertOggetto_.get(); }
  TQorQuery2* qrInsComposto() const { return qrInsComposto_.get(); }
  TQorQuery2* qrIsPrimaria() const { return qrIsPrimaria_.get(); }
  TQorQuery2* qrInsInfComp() const { return qrInsInfComp_.get(); }
  TQorQuery2* qrAddLegame() const { return qrAddLegame_.get(); }
  TQorQuery2* qrGetImgVersione() const { return qrGetImgVersione_.get(); }
  // Index of the line of qrGetImgVersione's SQL text that holds the version.
  int IdRigaImgVersione = 4;

  TQorConnection Database;             // the price list's connection
  std::string aliasBDM;                // the text given to SettaConnessione
  std::string m_PrefissoDBAux;         // qualifier before "opzioni" (auxiliary database); empty by default
  int m_IdxPrimaria = -1;              // opzioni.IdxPrimaria; -1 when unknown
  int m_versione_tabelle = -1;         // table version; -1 without an option row
  int m_IdListinoDM = -1;              // position among the engine's price lists
  TTipoListino m_TipoListino = TL_SQLSERVER;
  std::string m_ConnessioneWebBase;    // web: the given address
  std::string m_ConnessioneWeb;        // web: the service address
  int m_WebVersione = 0;               // web: 1 or 2
  std::string m_WebRepository;         // web: where objects are fetched
  std::string m_WebCacheLocale;        // web: local cache folder, trailing "/"
  int TotaleImportati = 0;             // items written by the last import
  bool m_EsclusoDaFiltroMod = false;   // filter exclusions set by the engine
  bool m_EsclusoDaFiltroDll = false;
  bool m_EsclusoDaFiltroEsteso = false;
  std::string m_versioneimmagine;      // version name of the pictures to show
  bool m_IsFendrix = false;            // object-library price list
  std::string m_file_cache;            // cache file of an object-library price list

 private:
  void PreparaListino();
  void LiberaQueryPreparate();
  // The statement in slot, created when missing; with riscrivi its text is set again (closing it first).
  TQorQuery2& Prepara(std::unique_ptr<TQorQuery2>& slot, bool riscrivi);

  TLingue m_lingue;
  std::unique_ptr<TQorQuery2> queryInsertComp_, queryInsertImage_, queryInsertFotoAus_, queryInsertSchedaAus_,
      queryInsertSchedaAus2_, queryInsertOggetto_, qrInsComposto_, qrIsPrimaria_, qrInsInfComp_, qrAddLegame_,
      qrGetImgVersione_;
};

// The connection of the price list the host names by index: "AliasListino" for 0, else
// "AliasListinoSecondario<index>". The value is expanded as a host path, "provider=;" becomes
// "Provider=XXX;" (so that the provider fallbacks run), and the password parts are decoded; the
// description is the variable's description field; "<alias>_cachefile" gives the cache file. True when
// the alias variable was found; an error shows "GetConnectionListino " + its text and gives false.
bool GetConnectionListino(int indice, std::string& connessione, std::string& descrizione, std::string& fileCache);

}  // namespace rovan
