// ICollezione: the current collection and its named value lists.
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/host_state.h"

namespace kalvor {

class CollezioneAdapter final : public HostInterface<rovan::ICollezione> {
 public:
  explicit CollezioneAdapter(HostState& state) : state_(state) {}

  const char* ROVAN_STDCALL NomeCollezione() override { return state_.collectionName.c_str(); }
  ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5)
  rovan::TTabellaValori* ROVAN_STDCALL PrimaTabella() override { return state_.valueTables.First(); }
  ROVAN_INERT_SLOT(7) ROVAN_INERT_SLOT(8)
  // Null for an index without item (Host::SetCollectionItem).
  void* ROVAN_STDCALL Elemento(int32_t indice) override { return state_.scene.CollectionItem(indice); }
  ROVAN_INERT_SLOT(10) ROVAN_INERT_SLOT(11) ROVAN_INERT_SLOT(12) ROVAN_INERT_SLOT(13)
  ROVAN_INERT_SLOT(14) ROVAN_INERT_SLOT(15) ROVAN_INERT_SLOT(16) ROVAN_INERT_SLOT(17)
  ROVAN_INERT_SLOT(18) ROVAN_INERT_SLOT(19) ROVAN_INERT_SLOT(20) ROVAN_INERT_SLOT(21)
  ROVAN_INERT_SLOT(22) ROVAN_INERT_SLOT(23) ROVAN_INERT_SLOT(24) ROVAN_INERT_SLOT(25)
  ROVAN_INERT_SLOT(26)
  // Counted so a test can see that the plug-in prepares before reading tables or items.
  void ROVAN_STDCALL Prepara(int32_t) override { ++state_.prepareCalls; }

 private:
  HostState& state_;
};

}  // namespace kalvor
