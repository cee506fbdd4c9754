#include "host/motore/host_state.h"

#include <new>

#include "host/motore/file_commands.h"

namespace kalvor {

HostState& TheHostState() {
  // Never destroyed: a plug-in unloaded during process exit may still release its interfaces after this
  // library's static destructors have run, so the state must outlive them. The static storage owns it.
  alignas(HostState) static unsigned char storage[sizeof(HostState)];
  static HostState* const state = new (storage) HostState;
  return *state;
}

HostState::HostState() : interfaces(*this) { InstallFileCommands(*this); }

void HostState::Reset() {
  variables.Clear();
  commands.Clear();
  InstallFileCommands(*this);
  log.clear();
  statusTexts.clear();
  events.clear();
  messageFiles.clear();
  paths.Reset();
  collectionName.clear();
  valueTables.Clear();
  prepareCalls = 0;
  relativeRecords.clear();
  scene.Clear();
  definitionText = Host::kDefaultDefinition;
  sinks.Forget();
  refused.clear();
  interfaces.ClearReferences();
  // liveStringLists stays: those lists are owned by their callers' references.
}

}  // namespace kalvor
