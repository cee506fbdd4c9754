#include "storage/sqlite_handles.h"

#include <string>

#include "platform/text_utils.h"
#include "storage/database_error.h"

namespace rovan {

int CheckSqlite(int rc, sqlite3* db) {
  if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return rc;
  throw DatabaseError(db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

SqliteStmt PrepareSqlite(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* raw = nullptr;
  const char* tail = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, &tail);
  SqliteStmt stmt(raw);
  CheckSqlite(rc, db);
  if (tail != nullptr && !TrimView(std::string_view(tail)).empty())
    throw DatabaseError("More than one statement in the SQL text: " + std::string(TrimView(tail)));
  if (!stmt) throw DatabaseError("No statement in the SQL text");
  return stmt;
}

}  // namespace rovan
