// Shared access to the generic-price library "RodedovaRavade.dll" (IRodedovaRavade).
//
// Loaded by that name on the first request that finds no interface held: the library is opened through
// the normal library search, its export get_InstanceByName is asked for "IRodedovaRavade" and the
// interface it gives is held (one reference) until RilasciaRavade. A missing library or export gives
// null and is tried again on the next request. Thread rule: the host's user-interface thread.
#pragma once

#include <memory>

#include "engine/ItfRavade.h"

namespace rovan {

// Gives back the reference a RavadeRef holds.
struct RilasciaRiferimento {
  void operator()(IUnknownRovan* itf) const { itf->Release(); }
};
using RavadeRef = std::unique_ptr<IRodedovaRavade, RilasciaRiferimento>;

// The held interface with a new reference, loading the library when none is held; null when the
// library, its export or its interface is missing.
RavadeRef DammiRavade();

// Releases the held interface and closes the library; the next request loads it again. Called when the
// plug-in library is unloaded.
void RilasciaRavade();

}  // namespace rovan
