// The host's interface objects and the name lookup behind get_InstanceByName.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "host/motore/host_interface.h"

namespace kalvor {

struct HostState;

class InterfaceTable {
 public:
  // Creates the 18 named interface objects, "IRecRelativo" and the connection point, all working on state.
  explicit InterfaceTable(HostState& state);
  ~InterfaceTable();
  InterfaceTable(const InterfaceTable&) = delete;
  InterfaceTable& operator=(const InterfaceTable&) = delete;

  // The lookup function: see get_InstanceByName in motore_host.h.
  int32_t Lookup(std::string_view name, void** obj);
  // The host-owned object of that name, or null.
  const HostObject* Find(std::string_view name) const;
  const HostObject& connectionPoint() const { return *connection_point_; }
  // Every host-owned object back to 0 references.
  void ClearReferences();

 private:
  HostState& state_;
  std::map<std::string, std::unique_ptr<HostObject>, std::less<>> named_;
  HostObject* connection_point_;  // owned by the "IConnectionPointContainer" object in named_
};

}  // namespace kalvor
