// ITopologiaUtils: the scene topology. There is no scene yet, so every list is empty and nothing loads.
#pragma once

#include "host/motore/host_interface.h"

namespace kalvor {

class TopologiaUtilsAdapter final : public HostInterface<rovan::ITopologiaUtils> {
 public:
  ROVAN_INERT_SLOT(3) ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5) ROVAN_INERT_SLOT(6)
  ROVAN_INERT_SLOT(7) ROVAN_INERT_SLOT(8) ROVAN_INERT_SLOT(9) ROVAN_INERT_SLOT(10)
  ROVAN_INERT_SLOT(11) ROVAN_INERT_SLOT(12) ROVAN_INERT_SLOT(13) ROVAN_INERT_SLOT(14)
  ROVAN_INERT_SLOT(15) ROVAN_INERT_SLOT(16) ROVAN_INERT_SLOT(17)
  rovan::TListaRec* ROVAN_STDCALL Figli(rovan::TOggettoRec*) override { return nullptr; }
  ROVAN_INERT_SLOT(19) ROVAN_INERT_SLOT(20) ROVAN_INERT_SLOT(21)
  // Both names empty: the caller's buffers always hold valid texts afterwards.
  void ROVAN_STDCALL NomiPunti(void*, char* nome1, char* nome2) override {
    if (nome1 != nullptr) nome1[0] = '\0';
    if (nome2 != nullptr) nome2[0] = '\0';
  }
  rovan::TListaRec* ROVAN_STDCALL OggettiLiberi() override { return nullptr; }
  // 0: no file is loaded.
  int32_t ROVAN_STDCALL CaricaFile(const char*, int32_t) override { return 0; }
};

}  // namespace kalvor
