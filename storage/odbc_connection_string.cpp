#include "storage/odbc_connection_string.h"

#include <string_view>
#include <utility>
#include <vector>

#include "platform/text_utils.h"

namespace rovan {

namespace {

using Pair = std::pair<std::string, std::string>;

// Splits "k=v;k=v" into trimmed pairs. A value in double or single quotes may hold ";"; the quotes go.
std::vector<Pair> SplitPairs(std::string_view s) {
  std::vector<Pair> pairs;
  size_t i = 0;
  while (i < s.size()) {
    size_t eq = s.find('=', i);
    size_t semi = s.find(';', i);
    if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
      // A part without "=": kept as a key without value unless blank.
      size_t end = semi == std::string_view::npos ? s.size() : semi;
      std::string key = Trim(s.substr(i, end - i));
      if (!key.empty()) pairs.emplace_back(key, std::string());
      i = end + 1;
      continue;
    }
    std::string key = Trim(s.substr(i, eq - i));
    size_t v = eq + 1;
    while (v < s.size() && s[v] == ' ') ++v;
    std::string value;
    size_t end;
    if (v < s.size() && (s[v] == '"' || s[v] == '\'')) {
      size_t close = s.find(s[v], v + 1);
      if (close == std::string_view::npos) close = s.size();
      value = std::string(s.substr(v + 1, close - v - 1));
      end = s.find(';', close);
    } else {
      end = s.find(';', v);
      value = Trim(s.substr(v, (end == std::string_view::npos ? s.size() : end) - v));
    }
    pairs.emplace_back(std::move(key), std::move(value));
    i = end == std::string_view::npos ? s.size() : end + 1;
  }
  return pairs;
}

bool NamesFile(const std::string& value) {
  if (value.find('/') != std::string::npos) return true;
  std::string lower = LowerAscii(value);
  for (const char* ext : {".mdb", ".accdb", ".db", ".db3", ".sqlite", ".sqlite3"}) {
    std::string_view e(ext);
    if (lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0) return true;
  }
  return false;
}

std::string OdbcValue(const std::string& value) {
  return value.find(';') != std::string::npos ? "{" + value + "}" : value;
}

}  // namespace

std::string AdoToOdbcConnectionString(const std::string& ado) {
  std::string out;
  for (auto& [key, value] : SplitPairs(ado)) {
    std::string odbcKey = key;
    std::string odbcValue = OdbcValue(value);
    if (EqualsNoCase(key, "Provider")) {
      odbcKey = "Driver";
      odbcValue = "{" + value + "}";
    } else if (EqualsNoCase(key, "Data Source")) {
      odbcKey = NamesFile(value) ? "Database" : "Server";
    } else if (EqualsNoCase(key, "Initial Catalog")) {
      odbcKey = "Database";
    } else if (EqualsNoCase(key, "User ID")) {
      odbcKey = "UID";
    } else if (EqualsNoCase(key, "Password")) {
      odbcKey = "PWD";
    }
    if (!out.empty()) out += ';';
    out += odbcKey + "=" + odbcValue;
  }
  return out;
}

std::string AdoProviderName(const std::string& ado) {
  for (auto& [key, value] : SplitPairs(ado))
    if (EqualsNoCase(key, "Provider")) return value;
  return {};
}

}  // namespace rovan
