#include "storage/sql_params.h"

#include "platform/text_utils.h"
#include "storage/database_error.h"

namespace rovan {

namespace {

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Index just past the quoted literal or comment starting at i, or i when none starts there.
size_t SkipLiteral(std::string_view sql, size_t i) {
  char c = sql[i];
  char close = c == '[' ? ']' : c;
  if (c == '\'' || c == '"' || c == '`' || c == '[') {
    size_t end = sql.find(close, i + 1);
    return end == std::string_view::npos ? sql.size() : end + 1;  // a doubled quote is two literals
  }
  if (sql.substr(i, 2) == "--") {
    size_t end = sql.find('\n', i);
    return end == std::string_view::npos ? sql.size() : end;
  }
  if (sql.substr(i, 2) == "/*") {
    size_t end = sql.find("*/", i + 2);
    return end == std::string_view::npos ? sql.size() : end + 2;
  }
  return i;
}

}  // namespace

ParsedSql ParseSqlParams(std::string_view sql) {
  ParsedSql out;
  out.positionalText.reserve(sql.size());
  size_t i = 0;
  while (i < sql.size()) {
    size_t skipped = SkipLiteral(sql, i);
    if (skipped != i) {
      out.positionalText.append(sql.substr(i, skipped - i));
      i = skipped;
      continue;
    }
    if (sql[i] == ':' && i + 1 < sql.size() && sql[i + 1] == ':') {
      out.positionalText += "::";
      i += 2;
      continue;
    }
    if (sql[i] == ':' && i + 1 < sql.size() && IsNameChar(sql[i + 1])) {
      size_t end = i + 1;
      while (end < sql.size() && IsNameChar(sql[end])) ++end;
      out.occurrences.emplace_back(sql.substr(i + 1, end - i - 1));
      out.positionalText += '?';
      i = end;
      continue;
    }
    out.positionalText += sql[i++];
  }
  return out;
}

void SqlParams::Rebuild(const std::vector<std::string>& occurrences) {
  std::vector<SqlParam> rebuilt;
  for (const std::string& name : occurrences) {
    bool seen = false;
    for (const SqlParam& p : rebuilt) seen = seen || EqualsNoCase(p.name, name);
    if (seen) continue;
    const SqlParam* old = Find(name);
    rebuilt.push_back(old != nullptr ? *old : SqlParam{name, ftUnknown, FieldValue()});
  }
  items_ = std::move(rebuilt);
}

void SqlParams::Add(std::string name, FieldValue value) {
  items_.push_back(SqlParam{std::move(name), ftUnknown, std::move(value)});
}

size_t SqlParams::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (EqualsNoCase(items_[i].name, name)) return i;
  return items_.size();
}

const SqlParam* SqlParams::Find(std::string_view name) const {
  size_t i = IndexOf(name);
  return i < items_.size() ? &items_[i] : nullptr;
}

SqlParam& SqlParams::ByName(std::string_view name) {
  size_t i = IndexOf(name);
  if (i == items_.size()) throw DatabaseError("Parameter '" + std::string(name) + "' not found");
  return items_[i];
}

SqlParam& SqlParams::At(size_t index) {
  if (index >= items_.size()) throw DatabaseError("Parameter index " + std::to_string(index) + " out of range");
  return items_[index];
}

}  // namespace rovan
