// Named parameters of an SQL text: the ":name" markers and the values a query binds to them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "storage/field_type.h"
#include "storage/field_value.h"

namespace rovan {

// The ":name" markers of an SQL text in order of occurrence (a name may repeat), and the same text with
// each marker replaced by "?" for engines that bind by position. A name is letters, digits and "_".
// Markers inside quoted literals ('...', "...", [...], `...`) and comments (-- and /* */) are text, and
// so is "::".
struct ParsedSql {
  std::string positionalText;
  std::vector<std::string> occurrences;
};
ParsedSql ParseSqlParams(std::string_view sql);

struct SqlParam {
  std::string name;             // as first spelt in the SQL text, without ":"
  TFieldType type = ftUnknown;  // ftUnknown: bound as the value holds
  FieldValue value;             // NULL until set
};

// The parameters of one statement: distinct names, looked up without regard to letter case.
class SqlParams {
 public:
  // Makes the list the distinct names of occurrences, in order; a name already present keeps its type
  // and value.
  void Rebuild(const std::vector<std::string>& occurrences);
  // Appends a parameter (write-back statements name their own).
  void Add(std::string name, FieldValue value);
  void Clear() { items_.clear(); }

  // The parameter named so, or null.
  const SqlParam* Find(std::string_view name) const;
  // The parameter named so; throws DatabaseError "Parameter 'name' not found".
  SqlParam& ByName(std::string_view name);
  // The parameter at a zero-based position; throws DatabaseError when out of range.
  SqlParam& At(size_t index);

  size_t Count() const { return items_.size(); }
  const std::vector<SqlParam>& items() const { return items_; }

 private:
  size_t IndexOf(std::string_view name) const;  // Count() when absent
  std::vector<SqlParam> items_;
};

}  // namespace rovan
