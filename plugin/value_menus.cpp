#include "plugin/value_menus.h"

#include <cmath>
#include <cstring>

#include "platform/code_page.h"
#include "plugin/host_link.h"

namespace rovan {
namespace {

// The entries of list tabella, or null (also when the list is empty or there is no host link).
const TVoceValore* Voci(const std::string& tabella) {
  const HostLink& host = HostLink::Get();
  if (!host.available() || host.collezione() == nullptr) return nullptr;
  host.collezione()->Prepara(0);
  for (const TTabellaValori* t = host.collezione()->PrimaTabella(); t != nullptr; t = t->next) {
    // The name fills its 12 bytes without a terminating zero when it is 12 characters long.
    if (std::string(t->nome, strnlen(t->nome, sizeof t->nome)) == tabella) return t->voci;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> ValoreMenuPerMisura(const std::string& tabella, double misura) {
  for (const TVoceValore* v = Voci(tabella); v != nullptr; v = v->next)
    if (std::fabs(v->valore - misura) < 0.1) return AnsiToUtf8(v->nome != nullptr ? v->nome : "");
  return std::nullopt;
}

std::optional<double> MisuraPerValoreMenu(const std::string& tabella, const std::string& nome) {
  const std::string ansi = Utf8ToAnsi(nome);
  for (const TVoceValore* v = Voci(tabella); v != nullptr; v = v->next)
    if (v->nome != nullptr && ansi == v->nome) return v->valore;
  return std::nullopt;
}

}  // namespace rovan
