// The plug-in's one export, and its load and unload hooks. Everything else lives in the core library.
#include "plugin/ItfCommon.h"
#include "plugin/library.h"

ROVAN_EXPORT int32_t ROVAN_STDCALL get_InstanceByName(const char* name, void** obj) {
  return rovan::RovanGetInstanceByName(name, obj);
}

namespace {
__attribute__((constructor)) void OnLoad() { rovan::CaricaLibreria(); }
__attribute__((destructor)) void OnUnload() { rovan::ScaricaLibreria(); }
}  // namespace
