// ITopologiaUtils: the scene topology (children, free objects, the point names of a link).
#pragma once

#include <string>

#include "host/motore/host_interface.h"
#include "host/motore/scene.h"
#include "host/text_buffer.h"

namespace kalvor {

class TopologiaUtilsAdapter final : public HostInterface<rovan::ITopologiaUtils> {
 public:
  // The size of each point-name buffer the caller passes to slot 22.
  static constexpr std::ptrdiff_t kPointNameSize = 64;

  explicit TopologiaUtilsAdapter(Scene& scene) : scene_(scene) {}

  ROVAN_INERT_SLOT(3) ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5) ROVAN_INERT_SLOT(6)
  ROVAN_INERT_SLOT(7) ROVAN_INERT_SLOT(8) ROVAN_INERT_SLOT(9) ROVAN_INERT_SLOT(10)
  ROVAN_INERT_SLOT(11) ROVAN_INERT_SLOT(12) ROVAN_INERT_SLOT(13) ROVAN_INERT_SLOT(14)
  ROVAN_INERT_SLOT(15) ROVAN_INERT_SLOT(16) ROVAN_INERT_SLOT(17)
  rovan::TListaRec* ROVAN_STDCALL Figli(rovan::TOggettoRec* obj) override {
    return NoThrow<rovan::TListaRec*>(nullptr, [&] { return scene_.HandOutChildren(obj); });
  }
  ROVAN_INERT_SLOT(19) ROVAN_INERT_SLOT(20) ROVAN_INERT_SLOT(21)
  // Both names empty for a handle that is not a link's of this scene: the caller's buffers always hold
  // valid texts afterwards.
  void ROVAN_STDCALL NomiPunti(void* topologia, char* nome1, char* nome2) override {
    std::string first, second;
    NoThrow(false, [&] { return scene_.TopologyPoints(topologia, first, second); });
    CopyToBuffer(first, nome1, kPointNameSize);
    CopyToBuffer(second, nome2, kPointNameSize);
  }
  rovan::TListaRec* ROVAN_STDCALL OggettiLiberi() override {
    return NoThrow<rovan::TListaRec*>(nullptr, [&] { return scene_.HandOutFreeObjects(); });
  }
  // 0: no file is loaded.
  int32_t ROVAN_STDCALL CaricaFile(const char*, int32_t) override { return 0; }

 private:
  Scene& scene_;
};

}  // namespace kalvor
