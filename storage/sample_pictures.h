// Small pictures of every kind a price list stores, drawn from a variant number, for sample price lists.
#pragma once

#include <string>

namespace rovan {

// A picture of the given kind ("bmp", "jpg", "png", "wmf", "emf" or "dis", a drawing saved as a
// placeable metafile) showing a coloured panel that depends on variante. Empty for another kind.
std::string ImmagineCampione(const std::string& tipo, int variante);

}  // namespace rovan
