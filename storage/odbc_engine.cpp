#include "storage/odbc_engine.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/text_utils.h"
#include "storage/database_error.h"
#include "storage/odbc_connection_string.h"

namespace rovan {

namespace {

// Texts and bytes above this size are bound as long types, which drivers stream.
constexpr size_t kLongDataSize = 8000;

enum class ReadAs { Integer, Float, Bit, Timestamp, Binary, Text };

ReadAs ReadAsFor(SQLSMALLINT sqlType, SQLSMALLINT digits) {
  switch (sqlType) {
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT: return ReadAs::Integer;
    case SQL_DECIMAL:
    case SQL_NUMERIC: return digits == 0 ? ReadAs::Integer : ReadAs::Float;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: return ReadAs::Float;
    case SQL_BIT: return ReadAs::Bit;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATE:
    case SQL_TIME:
    case SQL_TIMESTAMP: return ReadAs::Timestamp;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return ReadAs::Binary;
    default: return ReadAs::Text;
  }
}

// Storage of one bound parameter; it must stay in place until the statement has run.
struct ParamBuffer {
  std::string bytes;
  int64_t integer = 0;
  double real = 0;
  unsigned char bit = 0;
  SQL_TIMESTAMP_STRUCT timestamp{};
  SQLLEN indicator = 0;
};

class OdbcStatement : public EngineStatement {
 public:
  explicit OdbcStatement(OdbcHandle stmt) : stmt_(std::move(stmt)) {}

  // Binds the parameters named by occurrences, in order; a name without a parameter binds NULL.
  void BindParams(const std::vector<std::string>& occurrences, const SqlParams& params) {
    buffers_.resize(occurrences.size());  // sized once: the driver keeps pointers into it
    for (size_t i = 0; i < occurrences.size(); ++i) {
      const SqlParam* p = params.Find(occurrences[i]);
      Bind(static_cast<SQLUSMALLINT>(i + 1), p ? CoerceToFieldType(p->value, p->type) : FieldValue(), buffers_[i]);
    }
  }

  const std::vector<ColumnInfo>& Columns() override {
    if (!described_) Describe();
    return columns_;
  }

  void Execute() override {
    CheckOdbc(SQLExecute(stmt_.get()), stmt_);
    if (!described_) Describe();
  }

  bool Fetch(FieldValue* row) override {
    if (columns_.empty() || CheckOdbc(SQLFetch(stmt_.get()), stmt_) == SQL_NO_DATA) return false;
    for (size_t i = 0; i < columns_.size(); ++i) row[i] = Read(static_cast<SQLUSMALLINT>(i + 1), readAs_[i]);
    return true;
  }

 private:
  void Describe() {
    described_ = true;
    SQLSMALLINT n = 0;
    CheckOdbc(SQLNumResultCols(stmt_.get(), &n), stmt_);
    for (SQLUSMALLINT c = 1; c <= n; ++c) {
      SQLCHAR name[256];
      SQLSMALLINT nameLen = 0, type = 0, digits = 0, nullable = 0;
      SQLULEN size = 0;
      CheckOdbc(SQLDescribeCol(stmt_.get(), c, name, sizeof name, &nameLen, &type, &size, &digits, &nullable), stmt_);
      columns_.push_back(ColumnInfo{reinterpret_cast<char*>(name), Attribute(c, SQL_DESC_BASE_TABLE_NAME),
                                    Attribute(c, SQL_DESC_BASE_COLUMN_NAME)});
      readAs_.push_back(ReadAsFor(type, digits));
    }
  }

  // A text attribute of a column; empty when the driver does not know it.
  std::string Attribute(SQLUSMALLINT column, SQLUSMALLINT field) {
    SQLCHAR text[256] = {};
    SQLSMALLINT len = 0;
    SQLRETURN rc = SQLColAttribute(stmt_.get(), column, field, text, sizeof text, &len, nullptr);
    return SQL_SUCCEEDED(rc) ? std::string(reinterpret_cast<char*>(text)) : std::string();
  }

  void Bind(SQLUSMALLINT index, const FieldValue& v, ParamBuffer& b) {
    SQLSMALLINT cType = SQL_C_CHAR, sqlType = SQL_VARCHAR, digits = 0;
    SQLULEN size = 1;
    SQLPOINTER data = nullptr;
    SQLLEN length = 0;
    switch (v.kind()) {
      case FieldValue::Kind::Null: b.indicator = SQL_NULL_DATA; break;
      case FieldValue::Kind::Integer:
        b.integer = v.integer();
        cType = SQL_C_SBIGINT, sqlType = SQL_BIGINT, data = &b.integer;
        break;
      case FieldValue::Kind::Float:
        b.real = v.real();
        cType = SQL_C_DOUBLE, sqlType = SQL_DOUBLE, data = &b.real;
        break;
      case FieldValue::Kind::Boolean:
        b.bit = v.boolean() ? 1 : 0;
        cType = SQL_C_BIT, sqlType = SQL_BIT, data = &b.bit;
        break;
      case FieldValue::Kind::DateTime: {
        const DateTime& d = v.dateTime();
        b.timestamp = SQL_TIMESTAMP_STRUCT{static_cast<SQLSMALLINT>(d.year), d.month,  d.day, d.hour,
                                           d.minute, d.second, static_cast<SQLUINTEGER>(d.millisecond) * 1000000u};
        cType = SQL_C_TYPE_TIMESTAMP, sqlType = SQL_TYPE_TIMESTAMP, size = 23, digits = 3, data = &b.timestamp;
        break;
      }
      case FieldValue::Kind::Text:
      case FieldValue::Kind::Binary: {
        bool text = v.kind() == FieldValue::Kind::Text;
        b.bytes = text ? v.text() : v.blob().bytes;
        bool isLong = b.bytes.size() > kLongDataSize;
        cType = text ? SQL_C_CHAR : SQL_C_BINARY;
        sqlType = text ? (isLong ? SQL_LONGVARCHAR : SQL_VARCHAR) : (isLong ? SQL_LONGVARBINARY : SQL_VARBINARY);
        size = std::max<SQLULEN>(b.bytes.size(), 1);
        data = b.bytes.data();
        length = b.indicator = static_cast<SQLLEN>(b.bytes.size());
        break;
      }
    }
    CheckOdbc(SQLBindParameter(stmt_.get(), index, SQL_PARAM_INPUT, cType, sqlType, size, digits, data, length,
                               &b.indicator),
              stmt_);
  }

  FieldValue Read(SQLUSMALLINT c, ReadAs as) {
    SQLLEN ind = 0;
    switch (as) {
      case ReadAs::Integer: {
        SQLBIGINT v = 0;
        CheckOdbc(SQLGetData(stmt_.get(), c, SQL_C_SBIGINT, &v, 0, &ind), stmt_);
        return ind == SQL_NULL_DATA ? FieldValue() : FieldValue(static_cast<long long>(v));
      }
      case ReadAs::Float: {
        double v = 0;
        CheckOdbc(SQLGetData(stmt_.get(), c, SQL_C_DOUBLE, &v, 0, &ind), stmt_);
        return ind == SQL_NULL_DATA ? FieldValue() : FieldValue(v);
      }
      case ReadAs::Bit: {
        unsigned char v = 0;
        CheckOdbc(SQLGetData(stmt_.get(), c, SQL_C_BIT, &v, 0, &ind), stmt_);
        return ind == SQL_NULL_DATA ? FieldValue() : FieldValue(v != 0);
      }
      case ReadAs::Timestamp: {
        SQL_TIMESTAMP_STRUCT t{};
        CheckOdbc(SQLGetData(stmt_.get(), c, SQL_C_TYPE_TIMESTAMP, &t, 0, &ind), stmt_);
        if (ind == SQL_NULL_DATA) return FieldValue();
        return DateTime{static_cast<int16_t>(t.year), static_cast<uint8_t>(t.month), static_cast<uint8_t>(t.day),
                        static_cast<uint8_t>(t.hour), static_cast<uint8_t>(t.minute),
                        static_cast<uint8_t>(t.second), static_cast<uint16_t>(t.fraction / 1000000u)};
      }
      case ReadAs::Binary:
      case ReadAs::Text: break;
    }
    // Long data arrives in pieces: each call returns the next part until SQL_SUCCESS.
    bool text = as == ReadAs::Text;
    std::string out;
    char buf[4096];
    for (;;) {
      SQLRETURN rc = CheckOdbc(SQLGetData(stmt_.get(), c, text ? SQL_C_CHAR : SQL_C_BINARY, buf, sizeof buf, &ind),
                               stmt_);
      if (rc == SQL_NO_DATA) break;
      if (ind == SQL_NULL_DATA) return FieldValue();
      size_t room = text ? sizeof buf - 1 : sizeof buf;  // a text part ends in its zero terminator
      size_t got = (ind == SQL_NO_TOTAL || static_cast<size_t>(ind) > room) ? room : static_cast<size_t>(ind);
      out.append(buf, got);
      if (rc == SQL_SUCCESS) break;
    }
    return text ? FieldValue(std::move(out)) : FieldValue(Blob{std::move(out)});
  }

  OdbcHandle stmt_;
  std::vector<ParamBuffer> buffers_;
  bool described_ = false;
  std::vector<ColumnInfo> columns_;
  std::vector<ReadAs> readAs_;  // per column
};

}  // namespace

OdbcEngine::OdbcEngine() : env_(OdbcHandle::Allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE)) {
  CheckOdbc(SQLSetEnvAttr(env_.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0), env_);
}

void OdbcEngine::Open(const std::string& adoString) {
  Close();
  connectionString_ = adoString;
  sqliteDbms_ = false;
  OdbcHandle dbc = OdbcHandle::Allocate(SQL_HANDLE_DBC, env_.get());
  std::string odbc = AdoToOdbcConnectionString(adoString);
  SQLCHAR out[1024];
  SQLSMALLINT outLen = 0;
  CheckOdbc(SQLDriverConnect(dbc.get(), nullptr, reinterpret_cast<SQLCHAR*>(odbc.data()),
                             static_cast<SQLSMALLINT>(odbc.size()), out, sizeof out, &outLen, SQL_DRIVER_NOPROMPT),
            dbc);
  dbc_ = std::move(dbc);
  sqliteDbms_ = LowerAscii(InfoText(SQL_DBMS_NAME)).find("sqlite") != std::string::npos;
}

const OdbcHandle& OdbcEngine::Dbc() const {
  if (!dbc_) throw DatabaseError("Connection not open");
  return dbc_;
}

std::string OdbcEngine::InfoText(SQLUSMALLINT item) const {
  if (!dbc_) return {};
  SQLCHAR text[512] = {};
  SQLSMALLINT len = 0;
  CheckOdbc(SQLGetInfo(dbc_.get(), item, text, sizeof text, &len), dbc_);
  return reinterpret_cast<char*>(text);
}

std::string OdbcEngine::Info() const {
  return "  (" + InfoText(SQL_SERVER_NAME) + " - " + InfoText(SQL_DATABASE_NAME) + " - " +
         AdoProviderName(connectionString_) + ")";
}

std::unique_ptr<EngineStatement> OdbcEngine::Prepare(const std::string& sql, const SqlParams& params,
                                                     const StatementOptions& options) {
  OdbcHandle stmt = OdbcHandle::Allocate(SQL_HANDLE_STMT, Dbc().get());
  if (options.timeoutSeconds > 0)
    CheckOdbc(SQLSetStmtAttr(stmt.get(), SQL_ATTR_QUERY_TIMEOUT,
                             reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(options.timeoutSeconds)), 0),
              stmt);
  ParsedSql parsed = options.paramCheck ? ParseSqlParams(sql) : ParsedSql{sql, {}};
  CheckOdbc(SQLPrepare(stmt.get(), reinterpret_cast<SQLCHAR*>(parsed.positionalText.data()),
                       static_cast<SQLINTEGER>(parsed.positionalText.size())),
            stmt);
  auto result = std::make_unique<OdbcStatement>(std::move(stmt));
  result->BindParams(parsed.occurrences, params);
  return result;
}

void OdbcEngine::BeginTrans() {
  CheckOdbc(SQLSetConnectAttr(Dbc().get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF),
                              SQL_IS_UINTEGER),
            dbc_);
}

void OdbcEngine::EndTrans(SQLSMALLINT completion) {
  CheckOdbc(SQLEndTran(SQL_HANDLE_DBC, Dbc().get(), completion), dbc_);
  CheckOdbc(SQLSetConnectAttr(dbc_.get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON),
                              SQL_IS_UINTEGER),
            dbc_);
}

void OdbcEngine::CommitTrans() { EndTrans(SQL_COMMIT); }
void OdbcEngine::RollbackTrans() { EndTrans(SQL_ROLLBACK); }

std::vector<std::string> OdbcEngine::PrimaryKey(const std::string& table) {
  OdbcHandle stmt = OdbcHandle::Allocate(SQL_HANDLE_STMT, Dbc().get());
  std::string name = table;
  CheckOdbc(SQLPrimaryKeys(stmt.get(), nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(name.data()),
                           static_cast<SQLSMALLINT>(name.size())),
            stmt);
  std::vector<std::pair<int, std::string>> keys;  // (KEY_SEQ, COLUMN_NAME)
  while (CheckOdbc(SQLFetch(stmt.get()), stmt) != SQL_NO_DATA) {
    SQLCHAR column[256] = {};
    SQLSMALLINT seq = 0;
    SQLLEN ind = 0;
    CheckOdbc(SQLGetData(stmt.get(), 4, SQL_C_CHAR, column, sizeof column, &ind), stmt);
    CheckOdbc(SQLGetData(stmt.get(), 5, SQL_C_SSHORT, &seq, 0, &ind), stmt);
    keys.emplace_back(seq, reinterpret_cast<char*>(column));
  }
  std::sort(keys.begin(), keys.end());
  std::vector<std::string> names;
  for (auto& k : keys) names.push_back(std::move(k.second));
  return names;
}

std::optional<int64_t> OdbcEngine::LastInsertRowid() {
  if (!sqliteDbms_) return std::nullopt;
  auto stmt = Prepare("SELECT last_insert_rowid()", SqlParams(), StatementOptions{});
  stmt->Execute();
  FieldValue v;
  if (!stmt->Fetch(&v)) return std::nullopt;
  return v.AsInteger();
}

}  // namespace rovan
