#include "storage/write_back.h"

#include "platform/text_utils.h"
#include "storage/sql_quote.h"

namespace rovan {

WriteBackStatement BuildUpdate(const std::string& table, const ColumnValues& changes, const ColumnValues& key) {
  WriteBackStatement wb;
  wb.sql = "UPDATE " + QuoteIdentifier(table) + " SET ";
  for (size_t i = 0; i < changes.size(); ++i) {
    std::string name = "v" + std::to_string(i);
    wb.sql += (i ? ", " : "") + QuoteIdentifier(changes[i].first) + " = :" + name;
    wb.params.Add(name, changes[i].second);
  }
  wb.sql += " WHERE ";
  for (size_t i = 0; i < key.size(); ++i) {
    // rowid is a column name only unquoted: quoted, SQLite would look for a real column.
    std::string column = EqualsNoCase(key[i].first, kRowidKey) ? key[i].first : QuoteIdentifier(key[i].first);
    wb.sql += i ? " AND " : "";
    if (key[i].second.IsNull()) {
      wb.sql += column + " IS NULL";
      continue;
    }
    std::string name = "k" + std::to_string(i);
    wb.sql += column + " = :" + name;
    wb.params.Add(name, key[i].second);
  }
  return wb;
}

WriteBackStatement BuildInsert(const std::string& table, const ColumnValues& values) {
  WriteBackStatement wb;
  wb.sql = "INSERT INTO " + QuoteIdentifier(table);
  if (values.empty()) {
    wb.sql += " DEFAULT VALUES";
    return wb;
  }
  std::string columns, markers;
  for (size_t i = 0; i < values.size(); ++i) {
    std::string name = "v" + std::to_string(i);
    columns += (i ? ", " : "") + QuoteIdentifier(values[i].first);
    markers += (i ? ", :" : ":") + name;
    wb.params.Add(name, values[i].second);
  }
  wb.sql += " (" + columns + ") VALUES (" + markers + ")";
  return wb;
}

std::optional<std::string> WithRowidColumn(const std::string& sql) {
  size_t start = sql.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return std::nullopt;
  if (!EqualsNoCase(std::string_view(sql).substr(start, 6), "select")) return std::nullopt;
  size_t after = start + 6;
  if (after >= sql.size() || static_cast<unsigned char>(sql[after]) > ' ') return std::nullopt;
  return sql.substr(0, after) + " rowid AS " + kRowidColumn + "," + sql.substr(after);
}

}  // namespace rovan
