#include "plugin/process_state.h"

#include <optional>

#include "plugin/host_link.h"
#include "plugin/password.h"

namespace rovan {

ProcessState& Processo() {
  static ProcessState state;
  return state;
}

void LeggiSwitchContenitore() {
  const HostLink& host = HostLink::Get();
  if (!host.available()) return;
  ContainerSwitches& s = Processo().switches;
  // A numeric switch is on when the variable is a number above 0.5.
  auto on = [&](const char* name) -> std::optional<bool> {
    const TVarRec* v = host.FindVar(name, VAR_NUMERO);
    if (v == nullptr) return std::nullopt;
    return v->tipo == VAR_NUMERO && v->valore.numero > 0.5f;
  };
  if (on("CMP_ESCLUDISIST").value_or(false)) s.escludiSist = true;
  s.cercaSuUser = on("CMP_CERCASUUSER").value_or(false);
  s.soloEtichetteValide = on("CMP_SOLO_ETICHETTE_VALIDE").value_or(false);
  s.cercaNonVisibili = on("CMP_CERCA_NON_VISIBILI").value_or(true);
  s.nascondiCodici = on("CMP_NASCONDICODICI").value_or(false);
  std::string element = host.ReadText("CMP_NONGRAFICATO").value_or("");
  s.nonGraficato = element.empty() ? "NonGraficato" : element;
}

int AggiungiConnessioneFendrix(const std::string& connessione) {
  auto& slots = Processo().objectLibraries;
  if (connessione == "clear") {
    for (std::string& s : slots) s.clear();
    return 1;
  }
  for (std::string& s : slots) {
    if (s.empty()) {
      s = DecodificaConnessione(connessione);
      break;
    }
  }
  return 1;
}

}  // namespace rovan
