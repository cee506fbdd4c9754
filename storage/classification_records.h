// The classification seen from the record operations: new keys for values and characteristics, and
// look-ups of characteristics and values by description, used by the imports and the editing operations.
//
// Look-ups answer their "not found" value (0, -1 or false, as each says) also when a query fails, except
// GetIdxCarattFiglie. Descriptions reach SQL as bound parameters or quoted literals.
#pragma once

#include <string>

#include "storage/dm_main.h"

namespace rovan {

// The next free value key (the highest plus one; 0 when valori is empty); -1 when the query fails.
int GetNextCodiceValori(TDMMain& dm);

// The next position among the values of characteristic codice (0 when it has none); -1 when the query
// fails.
int GetNextOrdineValori(TDMMain& dm, int codice);

// Creates a visible characteristic named descCarat in group idxGrpImp under the next free characteristic
// key and returns that key; -1 when the insert failed (shown to the user) or an error was raised.
int CreaGruppoCarattFiglie(TDMMain& dm, const std::string& descCarat, int idxGrpImp);

// The key of the first characteristic named descCaratPadre; -1 when none. Query errors throw DatabaseError.
int GetIdxCarattFiglie(TDMMain& dm, const std::string& descCaratPadre);

// Whether a value of the primary characteristic (dm.GetIdxPrimaria()) is named descCaratt.
bool IsPrimaria(TDMMain& dm, const std::string& descCaratt);

// The characteristic named desCaratt (its first row) and its value named desValore. True when both exist,
// with codCaratt and codValore set; false as soon as one is missing (codCaratt is set when only the value
// is missing).
bool CercaCarattValore(TDMMain& dm, const std::string& desCaratt, const std::string& desValore, int& codValore,
                       int& codCaratt);

// The key of the characteristic named descrizione in group "GENERICI"; 0 when none.
int CodiceCarattGenerici(TDMMain& dm, const std::string& descrizione);

// The key of the value named descrizione of characteristic caratt, which must belong to group
// "GENERICI"; 0 when none.
int CodiceValoreGenerici(TDMMain& dm, int caratt, const std::string& descrizione);

// The characteristic related to value codValore by a secondary relation (ragni2, first row); -1 when none.
int CarattRagni2(TDMMain& dm, int codValore);

}  // namespace rovan
