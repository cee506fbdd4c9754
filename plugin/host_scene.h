// Reading the host's scene: the objects of its lists, an object's variables, and the selection.
// Records belong to the host (ItfKalvor.h); nothing here keeps them beyond the call.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "plugin/ItfKalvor.h"

namespace rovan {

// A variable's value: a number, a text (UTF-8), a point (x, y, z), or nothing for a type the plug-in
// does not know.
using TValoreVariabile = std::variant<std::monostate, double, std::string, std::array<double, 3>>;

// The items of a host list, in list order (null items are skipped).
std::vector<TOggettoRec*> OggettiLista(const TListaRec* lista);

// The first record of obj's variable list whose name equals nome exactly, or null. Raw, for writers that
// copy the host's texts byte for byte.
const TVarRec* VariabileOggetto(const TOggettoRec* obj, const std::string& nome);

// Finds obj's variable nome (VariabileOggetto) and gives its value; true when found, also when its type
// gives no value.
bool TrovaVariabileOggetto(const TOggettoRec* obj, const std::string& nome, TValoreVariabile& valore);

// True when exactly one object of the host's current object list (IStatus slot 4) is a composite, i.e. has
// bit 23 (0x800000) of its flag word clear. False without the host link.
bool UnSoloCompostoSelezionato();

}  // namespace rovan
