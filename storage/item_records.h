// Writing items and what hangs on them: the item row (composti), its complementary data (infcomp), its
// descriptions by language (infaus), its links to values (legami) and its positions in tabs
// (OrdineCodici); deleting an item with all of that. Used by the container's editing operations, the
// imports and the editor.
//
// Codes written into SQL text are quoted literals (QuoteLiteral), so a quote inside a code is data.
#pragma once

#include <array>
#include <string>

#include "engine/lingue.h"
#include "storage/dm_main.h"
#include "storage/field_value.h"
#include "storage/qor_query.h"

namespace rovan {

// The values Val2 ... Val9 of an OrdineCodici row, in that order; 0 where no deeper tab applies.
using TOrdinamentiExtra = std::array<int, 8>;

// The current local date and time with the milliseconds removed: every DataCreazione written.
DateTime AdessoSenzaMillisecondi();

// Whether an item has code cod. False also when the query fails.
bool EsisteComposto(TDMMain& dm, const std::string& cod);

// Deletes item cod with its links, auxiliary and complementary data, positions in tabs, attached
// objects, display attribute (above version 10) and finally its row, in that order. A statement that
// fails is shown to the user and the next one runs, so everything that can go goes. Pictures by version
// stay (an import that deletes and writes an item again keeps them). Always -1.
int eliminaComposto(TDMMain& dm, const std::string& cod);

// Inserts the item (cod, model) with short description, description and the four filters (item, host
// generation, mode, extended); above version 12 its creation time too. err is cleared first. True when
// inserted; false when the insert failed (shown to the user; err "InsComposto: Err: Impossibile
// inserire il codice: " + cod) or raised (err "InsComposto: Cod: " + cod + " Err: " + the error).
bool InsComposto(TDMMain& dm, const std::string& cod, const std::string& model, const std::string& desRid,
                 const std::string& desEstesa, const std::string& fil, const std::string& filK4,
                 const std::string& filModal, const std::string& filEst, std::string& err);

// Inserts the complementary data (actions and connections) of item (cod, model). err is cleared first.
// True when inserted; false when the insert failed (shown; err "InsInfComp: Err: Impossibile inserire
// le InfComp per il codice: " + cod) or raised (err "InsInfComp: Cod: " + cod + " Err: " + the error).
bool InsInfComp(TDMMain& dm, const std::string& cod, const std::string& model, const std::string& azioni,
                const std::string& connessioni, std::string& err);

// Gives item cod the action azione. Without complementary data they are inserted (model "_", actions
// azione, no connections) and the result is InsInfComp's. Otherwise azione is appended to the actions of
// the first row unless it already occurs in them: true when appended, false when nothing changed.
// A raised error gives false and err "Edit azione: Cod: " + cod + " Err: " + the error.
bool EditAzione(TDMMain& dm, const std::string& cod, const std::string& azione, std::string& err);

// Links item (codiceArt, "_") to value codValore of characteristic codCarat. True when the link was
// written; false when the insert failed (shown to the user, for example a link that exists already) or
// raised.
bool AddLegame(TDMMain& dm, const std::string& codiceArt, int codCarat, int codValore);

// Writes the position ordine of item cod in the tab of primary value valPri and secondary value valSec;
// above version 16 also the deeper values altri (Val2 ... Val9). True when the row was written; false
// when the insert failed, shown to the user.
bool InserisciOrdinamento(TDMMain& dm, const std::string& cod, int valPri, int valSec, int ordine,
                          const TOrdinamentiExtra& altri);

// Fills the descriptions by language of item cod (infaus.Descr<i>) from the management-system library,
// which is asked, for every position i from 1 to the number of languages of lingue, in the management
// code of the language at that position. When no language yields a text nothing is written; otherwise the
// infaus row is created when missing (model "_") and every found description written. Runs on query
// (closed first; the caller keeps it). True when descriptions were written; false when none was found
// or a statement failed (shown to the user). An error opening a query throws DatabaseError.
bool AggiornaDescrInfaus(TQorQuery2& query, const std::string& cod, const TLingue& lingue);

}  // namespace rovan
