// Attached objects of items: files stored in table oggetti under an item's code and an object name
// (instructions, drawings, ...), which the host fetches back with getOggetto.
#pragma once

#include <string>

#include "storage/dm_main.h"

namespace rovan {

// Stores file as object nome of item codice, replacing an object of that name: its type is the file's
// extension with the dot (".txt"; empty without one), its bytes the file's. True when stored. False with
// errore "File non presente" when the file does not exist, and with errore naming the object when the
// insert fails (the old object is then gone). errore is left alone on success.
bool ImportaOggettoDaFile(TDMMain& dm, const std::string& codice, const std::string& nome, std::string& errore,
                          const std::string& file);

}  // namespace rovan
