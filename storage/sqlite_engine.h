// The SQLite engine: a database file reached through the sqlite3 C API.
//
// Opened with SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE (the "CreateUTF8" open mode: a missing file is
// created, new databases use UTF-8). Parameters are bound by name (":name", sqlite3_bind_parameter_index).
// Booleans are stored as 0/1, date-times as their text (DateTime::ToText).
//
// Thread rule: the thread that created it. Owned by TQorConnection.
#pragma once

#include <string>

#include "storage/engine.h"
#include "storage/sqlite_handles.h"

namespace rovan {

class SqliteEngine : public Engine {
 public:
  // Closes a database already open, then opens path. Throws DatabaseError when it cannot be opened
  // (the engine is then closed).
  void Open(const std::string& path);

  // The parameter list of the connection as a string list's text, one "Name=Value" line each, every
  // line ending in "\n": DriverID=SQLite, LockingMode=Normal, OpenMode=CreateUTF8, Database=<path>.
  static std::string ParameterText(const std::string& path);

  bool Connected() const override { return db_ != nullptr; }
  void Close() override { db_.reset(); }
  std::unique_ptr<EngineStatement> Prepare(const std::string& sql, const SqlParams& params,
                                           const StatementOptions& options) override;
  void BeginTrans() override;
  void CommitTrans() override;
  void RollbackTrans() override;
  std::vector<std::string> PrimaryKey(const std::string& table) override;
  bool SupportsRowid() const override { return true; }
  std::optional<int64_t> LastInsertRowid() override;
  // "  (" + ParameterText(path) + " )"
  std::string Info() const override;

  // The read settings every connection gets (a memory-mapped file). Best effort: a
  // database that refuses them is read the ordinary way.
  static void ApplyReadSettings(sqlite3* db);

 private:
  sqlite3* Db() const;  // the open handle; throws DatabaseError when closed
  void ExecSimple(const char* sql);

  SqliteDb db_;
  std::string path_;  // the "Database" parameter of the last Open
};

}  // namespace rovan
