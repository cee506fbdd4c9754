// The library's entry point for the plug-in.
#include "host/motore/host_state.h"
#include "host/text_buffer.h"

int32_t get_InstanceByName(const char* name, void** obj) {
  return kalvor::NoThrow(-1, [&] { return kalvor::TheHostState().interfaces.Lookup(kalvor::TextOf(name), obj); });
}
