// Creation of an empty price list as an SQLite file.
#pragma once

#include <string>

namespace rovan {

// Creates the SQLite file percorso with the whole structure and, unless soloStruttura, the rows of a new
// price list (table version 20, one group "Primario", primary characteristic 1 with its value 1).
// An existing file is refused: the message percorso + " file già presente" is shown and the result is
// false. An error while opening or creating is shown with its text; the result is then still true.
bool CreaListinoSQLite(const std::string& percorso, bool soloStruttura);

}  // namespace rovan
