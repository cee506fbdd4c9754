// IRecRelativo: an object's relative records, written into a host string list.
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/host_state.h"
#include "host/motore/string_list.h"

namespace kalvor {

class RecRelativoAdapter final : public HostInterface<rovan::IRecRelativo> {
 public:
  explicit RecRelativoAdapter(HostState& state) : state_(state) {}

  ROVAN_INERT_SLOT(3) ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5)
  // Appends the lines set for obj (Host::SetRelativeRecords). Only a list this host handed out can be
  // filled; any other pointer is left alone.
  void ROVAN_STDCALL Riempi(rovan::TOggettoRec* obj, rovan::IStringList* lista) override {
    if (!state_.liveStringLists.contains(lista)) return;
    auto* list = static_cast<StringList*>(lista);  // one of ours, as the registry says
    auto it = state_.relativeRecords.find(obj);
    if (it == state_.relativeRecords.end()) return;
    NoThrow(0, [&] {
      list->lines().insert(list->lines().end(), it->second.begin(), it->second.end());
      return 0;
    });
  }

 private:
  HostState& state_;
};

}  // namespace kalvor
