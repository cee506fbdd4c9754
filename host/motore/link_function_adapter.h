// ILinkFunction: giving back topology lists and naming the elements collection items stand for.
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/scene.h"

namespace kalvor {

class LinkFunctionAdapter final : public HostInterface<rovan::ILinkFunction> {
 public:
  explicit LinkFunctionAdapter(Scene& scene) : scene_(scene) {}

  ROVAN_INERT_SLOT(3) ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5) ROVAN_INERT_SLOT(6)
  // A list the host did not hand out (or gave back already) is left alone.
  void ROVAN_STDCALL RilasciaLista(rovan::TListaRec* lista, int32_t) override { scene_.ReleaseList(lista); }
  // Null for a pointer that is not one of the host's collection items.
  const char* ROVAN_STDCALL NomeElemento(void* item) override { return scene_.CollectionItemName(item); }

 private:
  Scene& scene_;
};

}  // namespace kalvor
