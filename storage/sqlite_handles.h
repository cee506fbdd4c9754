// Owners of SQLite handles, and the one place where SQLite result codes become DatabaseError.
#pragma once

#include <memory>
#include <sqlite3.h>

namespace rovan {

struct SqliteDbCloser {
  // close_v2: statements still alive keep the handle as a zombie until they are finalized.
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct SqliteStmtFinalizer {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

// A database connection, closed by its owner.
using SqliteDb = std::unique_ptr<sqlite3, SqliteDbCloser>;
// A prepared statement, finalized by its owner on every path.
using SqliteStmt = std::unique_ptr<sqlite3_stmt, SqliteStmtFinalizer>;

// Returns rc when it is SQLITE_OK, SQLITE_ROW or SQLITE_DONE; otherwise throws DatabaseError with the
// connection's error message (or the code's text when db is null).
int CheckSqlite(int rc, sqlite3* db);

// Prepares the first statement of sql; throws DatabaseError on a syntax error, and when non-blank text
// follows the first statement (one statement per text: the rest would otherwise be dropped silently).
SqliteStmt PrepareSqlite(sqlite3* db, const std::string& sql);

}  // namespace rovan
