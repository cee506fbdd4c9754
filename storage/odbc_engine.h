// The ODBC engine: the ADO/OLE DB role, served by unixODBC.
//
// The connection string is an ADO string; its provider name is an ODBC driver name registered in
// odbcinst.ini, and the string is translated by AdoToOdbcConnectionString before it reaches the driver
// manager. A provider that is not installed is the driver manager failing to find the driver, which
// Open reports as a DatabaseError like any other failure.
//
// Parameters: ":name" markers are rewritten to "?" and bound in order of occurrence, so a name may
// repeat. Texts travel as SQL_C_CHAR in UTF-8.
//
// Thread rule: the thread that created it. Owned by TQorConnection.
#pragma once

#include <string>

#include "storage/engine.h"
#include "storage/odbc_handles.h"

namespace rovan {

class OdbcEngine : public Engine {
 public:
  // Allocates the ODBC environment; throws DatabaseError when the driver manager refuses.
  OdbcEngine();

  // Closes a connection already open, keeps adoString as the connection string (also when the attempt
  // fails) and connects. Throws DatabaseError with the driver manager's diagnostics on failure.
  void Open(const std::string& adoString);
  // The ADO string given to the last Open.
  const std::string& ConnectionString() const { return connectionString_; }

  bool Connected() const override { return static_cast<bool>(dbc_); }
  void Close() override { dbc_.Reset(); }
  std::unique_ptr<EngineStatement> Prepare(const std::string& sql, const SqlParams& params,
                                           const StatementOptions& options) override;
  void BeginTrans() override;
  void CommitTrans() override;
  void RollbackTrans() override;
  std::vector<std::string> PrimaryKey(const std::string& table) override;
  // True when the data source is an SQLite database (the DBMS name says so).
  bool SupportsRowid() const override { return sqliteDbms_; }
  std::optional<int64_t> LastInsertRowid() override;
  // "  (" + server name + " - " + default database + " - " + provider + ")", the first two from
  // SQLGetInfo (empty while closed), the provider from the connection string.
  std::string Info() const override;

 private:
  const OdbcHandle& Dbc() const;  // the open connection; throws DatabaseError when closed
  std::string InfoText(SQLUSMALLINT item) const;
  void EndTrans(SQLSMALLINT completion);

  OdbcHandle env_;
  OdbcHandle dbc_;                 // null while closed
  std::string connectionString_;   // ADO form, as given to Open
  bool sqliteDbms_ = false;
};

}  // namespace rovan
