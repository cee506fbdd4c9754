// IStatus: command lines, progress texts, the window handle and host events.
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/host_state.h"
#include "host/text_buffer.h"

namespace kalvor {

class StatusAdapter final : public HostInterface<rovan::IStatus> {
 public:
  explicit StatusAdapter(HostState& state) : state_(state) {}

  // A handler that throws counts as a command the host reports an error in.
  int32_t ROVAN_STDCALL Comando(const char* comando) override {
    return NoThrow(1, [&] { return state_.commands.Run(TextOf(comando)); });
  }
  // The current object list stays the host's: callers never release it.
  rovan::TListaRec* ROVAN_STDCALL ListaCorrente() override { return state_.scene.Selection(); }
  ROVAN_INERT_SLOT(5) ROVAN_INERT_SLOT(6) ROVAN_INERT_SLOT(7) ROVAN_INERT_SLOT(8) ROVAN_INERT_SLOT(9)
  rovan::TOggettoRec* ROVAN_STDCALL OggettoCorrente() override { return state_.scene.Current(); }
  ROVAN_INERT_SLOT(11) ROVAN_INERT_SLOT(12) ROVAN_INERT_SLOT(13) ROVAN_INERT_SLOT(14)
  ROVAN_INERT_SLOT(15) ROVAN_INERT_SLOT(16) ROVAN_INERT_SLOT(17) ROVAN_INERT_SLOT(18)
  ROVAN_INERT_SLOT(19) ROVAN_INERT_SLOT(20) ROVAN_INERT_SLOT(21) ROVAN_INERT_SLOT(22)
  ROVAN_INERT_SLOT(23) ROVAN_INERT_SLOT(24) ROVAN_INERT_SLOT(25) ROVAN_INERT_SLOT(26)
  ROVAN_INERT_SLOT(27) ROVAN_INERT_SLOT(28)
  void ROVAN_STDCALL TestoStato(const char* testo) override { Record(state_.statusTexts, testo); }
  ROVAN_INERT_SLOT(30) ROVAN_INERT_SLOT(31) ROVAN_INERT_SLOT(32) ROVAN_INERT_SLOT(33)
  ROVAN_INERT_SLOT(34) ROVAN_INERT_SLOT(35) ROVAN_INERT_SLOT(36) ROVAN_INERT_SLOT(37)
  // There is no window: a fixed non-null handle lets the plug-in parent its windows without special cases.
  void* ROVAN_STDCALL FinestraHost(int32_t) override {
    static char window;
    return &window;
  }
  ROVAN_INERT_SLOT(39) ROVAN_INERT_SLOT(40) ROVAN_INERT_SLOT(41) ROVAN_INERT_SLOT(42)
  ROVAN_INERT_SLOT(43) ROVAN_INERT_SLOT(44) ROVAN_INERT_SLOT(45)
  void ROVAN_STDCALL LanciaEvento(int32_t, const char* evento) override { Record(state_.events, evento); }

 private:
  static void Record(std::vector<std::string>& lines, const char* text) {
    NoThrow(0, [&] {
      lines.emplace_back(TextOf(text));
      return 0;
    });
  }

  HostState& state_;
};

}  // namespace kalvor
