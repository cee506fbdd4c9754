// The preconfigured composite: a definition the plug-in writes itself from the host's current selection,
// one "Posiziona" block per scene object, followed by the overall dimensions the user confirms in the
// dimension dialog (TIngomb).
#pragma once

#include <string>

namespace rovan {

// Writes the preconfigured composite codice to fileUscita (created or overwritten; CR LF line ends, texts
// in the host's code page, numbers with two decimals and "." as separator):
//   Elemento "<codice>" / {, the archetype's lines up to the first one beginning with "//Preconfigurati",
//   one block per element, then "PuntiNotevoli" with X, Y and Z as the dimension dialog returns them and the
//   eight corner points.
// The elements: the first object of the current object list whose link is of kind 0 (the base, whose
// widths add up and whose heights and depths give the maximum shown in the dialog, the widths' sum as the
// nominal X), then the free objects of the topology, then the other kind-0 objects of the list after the
// base; each with its children, recursively, except below a kind-2 link. Each element receives the numeric
// variable pcf_nome = its number (0, 1, ...); the archetype's lines between "//Pcf1" and "//Pcf2" are
// repeated in every block.
// False, writing nothing, when fileArchetipo does not exist, there is no host link or nothing is selected.
// File errors throw std::ios_base::failure.
bool CreaPreconfigurato(const std::string& codice, const std::string& fileArchetipo, const std::string& fileUscita);

}  // namespace rovan
