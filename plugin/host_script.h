// Composite definitions handed to the host: the naming lines added to a stored definition, and the
// placeholder definition of an item without one. Definitions are texts in the host's script language,
// one entry per line; the plug-in never interprets them beyond the lines named here.
#pragma once

#include <string>
#include <vector>

namespace rovan {

// Names the definition after the item, in place. Nothing changes while the CMP_ESCLUDISIST switch is on
// (Processo().switches.escludiSist). Otherwise:
//  - the first line that, upper-cased and trimmed, begins with "SET_NAME" becomes SET_NAME "<codice>",
//    preceded by a new line "SET_STATO Generico" when isGenerico;
//  - else, before the first line whose upper-cased text contains "COMPONENDO 0", these lines are inserted:
//    "SET_STATO Generico" (when isGenerico), VAR_SET cmp_listino="<desListino>", SET_NAME "<codice>";
//  - else the definition stays as it is.
void ImpostaNomeComposto(std::vector<std::string>& lista, const std::string& codice, bool isGenerico,
                         const std::string& desListino);

// Appends the ten lines of the placeholder definition: an empty composite holding the not-drawn element
// (CMP_NONGRAFICATO, Processo().switches.nonGraficato) and the line "SET_NAME 'TTT' ", which
// ImpostaNomeComposto then turns into the item's name.
void ScriptCompostoVuoto(std::vector<std::string>& lista);

}  // namespace rovan
