// TQorConnection: one connection to a price-list database, on the engine its connection string selects.
//
// Engine choice, on every ConnettiConProvider: a string whose lower-cased text begins with
// "provider=sqlite;" (at the first character: a leading blank makes it an ADO string) is an SQLite file
// (tcExpress); the file path is the string from its 26th character on, up to 1000 characters (the 25
// characters of "provider=sqlite;database=" are skipped without a test). Any other string is an ADO
// string served by ODBC (tcAdo, see odbc_engine.h and odbc_connection_string.h).
//
// ADO connection, in order, stopping at the first success:
//   1. the owner's string as given (before each attempt "system.mdb" in the executable's folder is
//      deleted, as the Jet engine needs);
//   2. after one log line "Rovan cs" + the owner's string, the same string with its provider replaced
//      (SostituisciProvider) by each of "SQLNCLI11", "SQLNCLI10", "SQLNCLI", "SQLOLEDB", or, when
//      ".mdb" occurs in the lower-cased string, "Microsoft.ACE.OLEDB.12.0", "Microsoft.Jet.OLEDB.4.0".
// A failed ADO attempt is silent; a failed SQLite open shows its error text in one message box.
//
// Ownership: the connection owns its engines, created on first need and kept until it is destroyed.
// Queries from GetQuery are owned by the caller and must be destroyed before the connection.
// Thread rule: the thread that created it (the host's user-interface thread).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace rovan {

class Engine;
class OdbcEngine;
class SqliteEngine;
class TQorQuery2;

enum TipoConnessione : uint8_t { tcNone = 0, tcAdo = 1, tcExpress = 2 };
enum TTipoListino : uint8_t { TL_SQLSERVER = 0, TL_ACCESS = 1, TL_WEB = 2, TL_SQLITE = 3 };

class TQorConnection {
 public:
  // Where the line written before the provider fallbacks goes.
  using LogSink = std::function<void(const std::string&)>;

  // Engine tcNone, no engine objects; log lines go to the host log (ScriviLog).
  TQorConnection();
  ~TQorConnection();
  TQorConnection(const TQorConnection&) = delete;
  TQorConnection& operator=(const TQorConnection&) = delete;

  // The owner's connection string; the connection never rewrites it.
  const std::string& ConnectionString() const { return connectionString_; }
  void SetConnectionString(std::string value) { connectionString_ = std::move(value); }

  // Chooses the engine from the connection string and connects (see above). True when connected; a
  // failure to connect is never thrown (only the ODBC driver manager refusing its environment is).
  bool ConnettiConProvider();
  // The active engine's state; false with tcNone.
  bool Connected() const;
  // True runs ConnettiConProvider; false closes the active engine's connection.
  void SetConnected(bool value);

  // A new query on this connection, owned by the caller; null while the engine is tcNone.
  std::unique_ptr<TQorQuery2> GetQuery();

  // ADO: "  (" + server + " - " + default database + " - " + provider + ")"; SQLite: "  (" + the
  // parameter lines "DriverID=SQLite", "LockingMode=Normal", "OpenMode=CreateUTF8", "Database=<path>",
  // each ended by "\n", + " )"; empty with tcNone.
  std::string GetInfo() const;
  // TL_SQLITE under SQLite; else TL_ACCESS when ".mdb" occurs in the lower-cased string; else
  // TL_SQLSERVER. Never TL_WEB.
  TTipoListino GetTipoListino() const;
  TipoConnessione Tipo() const { return tipo_; }
  // The SQLite file path; empty unless the engine is SQLite.
  std::string PathDatabase() const;
  // "SQLITE:" + path, or "SQLSERVER:" + the initial catalogue (the text after "initial catalog=" up
  // to the next ";"), or "SQLSERVER:" + the whole string when it names no catalogue. Set by every
  // ConnettiConProvider.
  const std::string& DesDBListino() const { return desDBListino_; }
  // The ADO string the ODBC engine last tried (the provider that connected, or the last candidate);
  // empty unless the engine is tcAdo.
  std::string AdoConnectionString() const;

  // Applied to each engine object that exists and is connected. Throw DatabaseError on failure.
  void BeginTrans();
  void CommitTrans();
  void RollbackTrans();

  // Test seam: replaces the log sink (null restores ScriviLog).
  void SetLogSink(LogSink sink);

  // connectionString with its provider value exchanged: the text up to and including "provider="
  // (searched without regard to case, kept in its own case), then provider, then the text from the
  // first ";" after it on (";" included; nothing when none follows). Unchanged when "provider=" is absent.
  static std::string SostituisciProvider(const std::string& connectionString, const std::string& provider);

 private:
  void PreparaConnessione();
  bool ProvaConnessione(const std::string& candidate);
  Engine* ActiveEngine() const;
  void ForEachConnectedEngine(void (Engine::*operation)());

  TipoConnessione tipo_ = tcNone;            // engine in use; tcNone until the first connect
  std::unique_ptr<OdbcEngine> ado_;          // created on first need
  std::unique_ptr<SqliteEngine> sqlite_;     // created on first need
  std::string connectionString_;             // as set by the owner
  std::string sqlitePath_;                   // the "Database" parameter of the SQLite engine
  std::string desDBListino_;
  LogSink log_;
};

}  // namespace rovan
