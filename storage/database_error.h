// The one exception type of the connection and query layer.
//
// Every failure reported by an engine (an SQLite result code, an ODBC diagnostic record) and every misuse
// of a query (an unknown field or parameter, an edit outside edit mode) is thrown as a DatabaseError whose
// message is the engine's text. Callers that show errors to the user show what() unchanged.
#pragma once

#include <stdexcept>
#include <string>

namespace rovan {

class DatabaseError : public std::runtime_error {
 public:
  explicit DatabaseError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace rovan
