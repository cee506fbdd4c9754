#include "storage/sqlite_engine.h"

#include <algorithm>
#include <utility>

#include "storage/database_error.h"
#include "storage/sql_quote.h"

namespace rovan {

namespace {

// Another process may hold the file briefly (the price-list editor, an import); wait rather than fail.
constexpr int kBusyTimeoutMs = 10000;

class SqliteStatement : public EngineStatement {
 public:
  SqliteStatement(sqlite3* db, SqliteStmt stmt) : db_(db), stmt_(std::move(stmt)) {
    int n = sqlite3_column_count(stmt_.get());
    for (int i = 0; i < n; ++i) {
      const char* table = sqlite3_column_table_name(stmt_.get(), i);
      const char* origin = sqlite3_column_origin_name(stmt_.get(), i);
      columns_.push_back(ColumnInfo{sqlite3_column_name(stmt_.get(), i), table ? table : "", origin ? origin : ""});
    }
  }

  const std::vector<ColumnInfo>& Columns() override { return columns_; }

  // The first step runs the statement; its row, if any, is the first one Fetch returns.
  void Execute() override { pending_ = Step(); }

  bool Fetch(FieldValue* row) override {
    if (pending_ != SQLITE_ROW) return false;
    sqlite3_stmt* s = stmt_.get();
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
      switch (sqlite3_column_type(s, i)) {
        case SQLITE_INTEGER: row[i] = static_cast<long long>(sqlite3_column_int64(s, i)); break;
        case SQLITE_FLOAT: row[i] = sqlite3_column_double(s, i); break;
        case SQLITE_TEXT:
          row[i].AssignText(std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(s, i)),
                                             static_cast<size_t>(sqlite3_column_bytes(s, i))));
          break;
        case SQLITE_BLOB: {
          const char* bytes = static_cast<const char*>(sqlite3_column_blob(s, i));
          row[i].AssignBytes(std::string_view(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(s, i))));
          break;
        }
        default: row[i] = FieldValue(); break;
      }
    }
    pending_ = Step();
    return true;
  }

 private:
  int Step() { return CheckSqlite(sqlite3_step(stmt_.get()), db_); }

  sqlite3* db_;  // owned by the engine, which outlives the statement
  SqliteStmt stmt_;
  std::vector<ColumnInfo> columns_;
  int pending_ = SQLITE_DONE;  // result of the last step
};

void Bind(sqlite3* db, sqlite3_stmt* stmt, int index, const FieldValue& v) {
  int rc = SQLITE_OK;
  switch (v.kind()) {
    case FieldValue::Kind::Null: rc = sqlite3_bind_null(stmt, index); break;
    case FieldValue::Kind::Integer: rc = sqlite3_bind_int64(stmt, index, v.integer()); break;
    case FieldValue::Kind::Float: rc = sqlite3_bind_double(stmt, index, v.real()); break;
    case FieldValue::Kind::Boolean: rc = sqlite3_bind_int(stmt, index, v.boolean() ? 1 : 0); break;
    case FieldValue::Kind::DateTime:
    case FieldValue::Kind::Text: {
      std::string text = v.AsString();
      rc = sqlite3_bind_text64(stmt, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
      break;
    }
    case FieldValue::Kind::Binary:
      rc = sqlite3_bind_blob64(stmt, index, v.blob().bytes.data(), v.blob().bytes.size(), SQLITE_TRANSIENT);
      break;
  }
  CheckSqlite(rc, db);
}

}  // namespace

void SqliteEngine::Open(const std::string& path) {
  db_.reset();
  path_ = path;
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  SqliteDb db(raw);  // a failed open still hands out a handle that carries the message
  CheckSqlite(rc, db.get());
  sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
  ApplyReadSettings(db.get());
  db_ = std::move(db);
}

void SqliteEngine::ApplyReadSettings(sqlite3* db) {
  // A price list is read in long passes whose joins look up index pages all over the file: mapping the
  // file saves a system call and a copy for every page (a million-item restore takes a third less time).
  // The page cache keeps its default size: the sorter of an ORDER BY holds as much in memory as the cache
  // may, and a larger one made the restore's peak memory several times the codes' own.
  sqlite3_exec(db, "PRAGMA mmap_size=2147418112;", nullptr, nullptr, nullptr);
}

std::string SqliteEngine::ParameterText(const std::string& path) {
  return "DriverID=SQLite\nLockingMode=Normal\nOpenMode=CreateUTF8\nDatabase=" + path + "\n";
}

std::string SqliteEngine::Info() const { return "  (" + ParameterText(path_) + " )"; }

sqlite3* SqliteEngine::Db() const {
  if (!db_) throw DatabaseError("Connection not open");
  return db_.get();
}

std::unique_ptr<EngineStatement> SqliteEngine::Prepare(const std::string& sql, const SqlParams& params,
                                                       const StatementOptions&) {
  sqlite3* db = Db();
  SqliteStmt stmt = PrepareSqlite(db, sql);
  for (const SqlParam& p : params.items()) {
    int index = sqlite3_bind_parameter_index(stmt.get(), (":" + p.name).c_str());
    if (index > 0) Bind(db, stmt.get(), index, CoerceToFieldType(p.value, p.type));
  }
  return std::make_unique<SqliteStatement>(db, std::move(stmt));
}

void SqliteEngine::ExecSimple(const char* sql) {
  sqlite3* db = Db();
  SqliteStmt stmt = PrepareSqlite(db, sql);
  CheckSqlite(sqlite3_step(stmt.get()), db);
}

void SqliteEngine::BeginTrans() { ExecSimple("BEGIN"); }
void SqliteEngine::CommitTrans() { ExecSimple("COMMIT"); }
void SqliteEngine::RollbackTrans() { ExecSimple("ROLLBACK"); }

std::vector<std::string> SqliteEngine::PrimaryKey(const std::string& table) {
  sqlite3* db = Db();
  SqliteStmt stmt = PrepareSqlite(db, "PRAGMA table_info(" + QuoteIdentifier(table) + ")");
  std::vector<std::pair<int, std::string>> keys;  // (position in key, column name)
  while (CheckSqlite(sqlite3_step(stmt.get()), db) == SQLITE_ROW) {
    int pk = sqlite3_column_int(stmt.get(), 5);
    if (pk > 0) keys.emplace_back(pk, reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 1)));
  }
  std::sort(keys.begin(), keys.end());
  std::vector<std::string> names;
  for (auto& k : keys) names.push_back(std::move(k.second));
  return names;
}

std::optional<int64_t> SqliteEngine::LastInsertRowid() { return sqlite3_last_insert_rowid(Db()); }

}  // namespace rovan
