// The host's named value lists ("MenuX_pcf", ...): entries pairing a number with a name, read through
// ICollezione after preparing the collection. Only the first list whose 12-character name equals the one
// asked for is searched.
#pragma once

#include <optional>
#include <string>

namespace rovan {

// The name (UTF-8) of the first entry of list tabella whose number differs from misura by less than 0.1;
// nullopt when there is no such list or entry, or no host link.
std::optional<std::string> ValoreMenuPerMisura(const std::string& tabella, double misura);

// The number of the first entry of list tabella whose name equals nome exactly; nullopt otherwise.
std::optional<double> MisuraPerValoreMenu(const std::string& tabella, const std::string& nome);

}  // namespace rovan
