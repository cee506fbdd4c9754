// The composite script of an item (composti.CmpBlob): the host-language text that builds the item,
// stored as lines separated by CR LF. Read for the host and the editor, written by imports and editors.
#pragma once

#include <string>
#include <vector>

#include "storage/dm_main.h"

namespace rovan {

// Reads the script of item cod (the first row with that code) into lis, one entry per line; lis is
// cleared first. isGenerico becomes whether the item is generic (composti.Generico not 0) when the table
// version has that column (above 17), false otherwise.
// Returns 0 when no item has that code, 1 when its script is empty, 2 when it holds at least one line.
// A database error while reading the row's columns leaves isGenerico as it was and the result follows
// the lines read so far; an error opening the query throws DatabaseError.
int LeggiBlobNew(TDMMain& dm, const std::string& cod, std::vector<std::string>& lis, bool& isGenerico);

// Writes lis as the script of item cod: the lines joined by CR LF with a final line break, limited to the
// characters of the host's ANSI code page (the host reads scripts in it). An empty lis writes nothing and
// keeps the stored script. True when the statement ran (also when no item has that code); false when lis
// is empty or the statement failed, whose error is shown to the user.
bool SalvaBlobConn(TDMMain& dm, const std::string& cod, const std::vector<std::string>& lis);

}  // namespace rovan
