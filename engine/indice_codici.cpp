#include "engine/indice_codici.h"

#include <functional>

#include "engine/cod_mdl.h"

namespace rovan {

void TIndiceCodici::Costruisci(const std::vector<const std::vector<TCodMdl*>*>& liste) {
  size_t totale = 0;
  for (const auto* lista : liste) totale += lista->size();
  size_t dimensione = 8;
  while (dimensione * 2 < totale * 3) dimensione *= 2;
  slot_.assign(dimensione, nullptr);
  for (const auto* lista : liste) {
    for (TCodMdl* cm : *lista) {
      TCodMdl*& s = slot_[Posto(cm->cod())];
      if (s == nullptr) s = cm;
    }
  }
  costruito_ = true;
}

void TIndiceCodici::Svuota() {
  slot_ = {};
  costruito_ = false;
}

size_t TIndiceCodici::Posto(std::string_view cod) const {
  const size_t maschera = slot_.size() - 1;
  size_t i = std::hash<std::string_view>{}(cod) & maschera;
  while (slot_[i] != nullptr && slot_[i]->cod() != cod) i = (i + 1) & maschera;
  return i;
}

TCodMdl* TIndiceCodici::Trova(std::string_view cod) const {
  return slot_.empty() ? nullptr : slot_[Posto(cod)];
}

}  // namespace rovan
