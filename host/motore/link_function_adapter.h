// ILinkFunction: releasing topology lists and naming linked elements. There is no scene yet: no list is
// ever handed out, and no item has a name.
#pragma once

#include "host/motore/host_interface.h"

namespace kalvor {

class LinkFunctionAdapter final : public HostInterface<rovan::ILinkFunction> {
 public:
  ROVAN_INERT_SLOT(3) ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5) ROVAN_INERT_SLOT(6)
  void ROVAN_STDCALL RilasciaLista(rovan::TListaRec*, int32_t) override {}
  const char* ROVAN_STDCALL NomeElemento(void*) override { return nullptr; }
};

}  // namespace kalvor
