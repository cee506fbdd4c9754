// The engine interface behind TQorConnection and TQorQuery2: what the SQLite engine (sqlite_engine.h)
// and the ODBC engine (odbc_engine.h) each provide, so that the query layer dispatches without knowing
// which one serves it.
//
// Thread rule: used from the thread that created the connection. Errors are thrown as DatabaseError.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "storage/field_value.h"
#include "storage/sql_params.h"

namespace rovan {

// A column of a result, with the table column it comes from (empty for expressions).
struct ColumnInfo {
  std::string name;
  std::string baseTable;
  std::string baseColumn;
};

struct StatementOptions {
  bool paramCheck = true;  // ODBC: parse ":name" markers; when false the text goes to the driver as is
  int timeoutSeconds = 0;  // ODBC: query time-out, 0 = none
};

// One prepared statement with its parameters bound. Owned by whoever prepared it; must be destroyed
// before the engine that prepared it is closed.
class EngineStatement {
 public:
  virtual ~EngineStatement() = default;
  // The result columns (empty for a statement that returns no rows); valid right after preparing.
  virtual const std::vector<ColumnInfo>& Columns() = 0;
  // Runs the statement.
  virtual void Execute() = 0;
  // After Execute: reads the next row into row[0 .. Columns().size()); false after the last row.
  virtual bool Fetch(FieldValue* row) = 0;
};

class Engine {
 public:
  virtual ~Engine() = default;

  virtual bool Connected() const = 0;
  virtual void Close() = 0;

  // A statement for sql with params bound by name (a marker with no parameter binds NULL).
  virtual std::unique_ptr<EngineStatement> Prepare(const std::string& sql, const SqlParams& params,
                                                   const StatementOptions& options) = 0;

  virtual void BeginTrans() = 0;
  virtual void CommitTrans() = 0;
  virtual void RollbackTrans() = 0;

  // Primary-key column names of a table in key order; empty when it has none.
  virtual std::vector<std::string> PrimaryKey(const std::string& table) = 0;
  // Whether tables have a "rowid" column that identifies rows (SQLite databases).
  virtual bool SupportsRowid() const = 0;
  // The rowid of the last row inserted on this connection, when SupportsRowid().
  virtual std::optional<int64_t> LastInsertRowid() = 0;

  // The description that TQorConnection::GetInfo returns for this engine.
  virtual std::string Info() const = 0;
};

}  // namespace rovan
