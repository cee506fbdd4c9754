// How the rovan commands read a price-list argument.
#pragma once

#include <string>

namespace rovan::cli {

// A connection string as given; a text without "=" names an SQLite file ("provider=sqlite;Database=" + it).
std::string Connessione(const std::string& argomento);

}  // namespace rovan::cli
