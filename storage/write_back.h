// The statements that write the edits of a result set back to its base table.
//
// Identifiers are quoted ("name"), values are bound as parameters :v0, :v1, ... and the row is found by
// its key columns :k0, :k1, ... (a NULL key value is matched with IS NULL).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "storage/field_value.h"
#include "storage/sql_params.h"

namespace rovan {

using ColumnValues = std::vector<std::pair<std::string, FieldValue>>;  // (column name, value)

struct WriteBackStatement {
  std::string sql;
  SqlParams params;
};

// UPDATE "table" SET "c" = :v0, ... WHERE "k" = :k0 AND ...
WriteBackStatement BuildUpdate(const std::string& table, const ColumnValues& changes, const ColumnValues& key);
// INSERT INTO "table" ("c", ...) VALUES (:v0, ...), or DEFAULT VALUES when no column is set.
WriteBackStatement BuildInsert(const std::string& table, const ColumnValues& values);

// Name of the hidden column that carries the rowid of each row.
inline constexpr const char* kRowidColumn = "rovan_rowid_";
// The key column name that addresses a row by its rowid.
inline constexpr const char* kRowidKey = "rowid";

// The SELECT text with the rowid added as the first column ("SELECT rowid AS rovan_rowid_, ..."), or
// nullopt when the text does not begin with SELECT. The result may not prepare (DISTINCT, compound
// selects, joins): callers then keep the text as it was.
std::optional<std::string> WithRowidColumn(const std::string& sql);

}  // namespace rovan
