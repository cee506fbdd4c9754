#include "plugin/host_scene.h"

#include <algorithm>

#include "platform/code_page.h"
#include "plugin/host_link.h"

namespace rovan {

std::vector<TOggettoRec*> OggettiLista(const TListaRec* lista) {
  std::vector<TOggettoRec*> oggetti;
  for (; lista != nullptr; lista = lista->next)
    if (lista->item != nullptr) oggetti.push_back(static_cast<TOggettoRec*>(lista->item));
  return oggetti;
}

const TVarRec* VariabileOggetto(const TOggettoRec* obj, const std::string& nome) {
  if (obj == nullptr) return nullptr;
  for (const TListaRec* r = obj->variabili; r != nullptr; r = r->next) {
    const auto* var = static_cast<const TVarRec*>(r->item);
    if (var != nullptr && var->nome != nullptr && nome == var->nome) return var;
  }
  return nullptr;
}

bool TrovaVariabileOggetto(const TOggettoRec* obj, const std::string& nome, TValoreVariabile& valore) {
  const TVarRec* var = VariabileOggetto(obj, nome);
  if (var == nullptr) return false;
  switch (var->tipo) {
    case VAR_NUMERO:
      valore = static_cast<double>(var->valore.numero);
      break;
    case VAR_TESTO:
      valore = AnsiToUtf8(var->valore.testo != nullptr ? var->valore.testo : "");
      break;
    case VAR_PUNTO:
      valore = std::array<double, 3>{var->valore.punto[0], var->valore.punto[1], var->valore.punto[2]};
      break;
    default:
      valore = std::monostate{};
  }
  return true;
}

bool UnSoloCompostoSelezionato() {
  const HostLink& host = HostLink::Get();
  if (!host.available()) return false;
  constexpr uint32_t kNonComposto = 0x800000;
  const std::vector<TOggettoRec*> oggetti = OggettiLista(host.status()->ListaCorrente());
  return std::count_if(oggetti.begin(), oggetti.end(),
                       [](const TOggettoRec* o) { return (o->flags & kNonComposto) == 0; }) == 1;
}

}  // namespace rovan
