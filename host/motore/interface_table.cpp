#include "host/motore/interface_table.h"

#include "host/motore/collezione_adapter.h"
#include "host/motore/connection_point_adapter.h"
#include "host/motore/d_message_adapter.h"
#include "host/motore/host_state.h"
#include "host/motore/kalvor_paths_adapter.h"
#include "host/motore/link_function_adapter.h"
#include "host/motore/log_base_adapter.h"
#include "host/motore/rec_relativo_adapter.h"
#include "host/motore/status_adapter.h"
#include "host/motore/string_list.h"
#include "host/motore/topologia_utils_adapter.h"
#include "host/motore/vars_find_adapter.h"
#include "host/motore/vars_make_adapter.h"

namespace kalvor {

InterfaceTable::InterfaceTable(HostState& state) : state_(state) {
  auto container = std::make_unique<ConnectionPointContainerAdapter>(state.sinks);
  connection_point_ = &container->point();

  named_.emplace("IKalvorPaths", std::make_unique<KalvorPathsAdapter>(state.paths));
  named_.emplace("IVarsFind", std::make_unique<VarsFindAdapter>(state.variables));
  named_.emplace("IVarsMake", std::make_unique<VarsMakeAdapter>(state.variables));
  named_.emplace("IStatus", std::make_unique<StatusAdapter>(state));
  named_.emplace("ICollezione", std::make_unique<CollezioneAdapter>(state));
  named_.emplace("ILogBase", std::make_unique<LogBaseAdapter>(state.log));
  named_.emplace("ITopologiaUtils", std::make_unique<TopologiaUtilsAdapter>(state.scene));
  named_.emplace("ILinkFunction", std::make_unique<LinkFunctionAdapter>(state.scene));
  named_.emplace("IDMessage", std::make_unique<DMessageAdapter>(state.messageFiles));
  named_.emplace("IConnectionPointContainer", std::move(container));
  named_.emplace("IRecRelativo", std::make_unique<RecRelativoAdapter>(state));
  // Interfaces the plug-in obtains and gives back but never calls: only their IUnknown slots exist.
  named_.emplace("IStrutturaFunctions", std::make_unique<HostInterface<rovan::IStrutturaFunctions>>());
  named_.emplace("IIOInterface", std::make_unique<HostInterface<rovan::IIOInterface>>());
  named_.emplace("IVarsDel", std::make_unique<HostInterface<rovan::IVarsDel>>());
  named_.emplace("IVarFactory", std::make_unique<HostInterface<rovan::IVarFactory>>());
  named_.emplace("IDrawStruttura", std::make_unique<HostInterface<rovan::IDrawStruttura>>());
  named_.emplace("IDatiXGestionale", std::make_unique<HostInterface<rovan::IDatiXGestionale>>());
  named_.emplace("ICfgData", std::make_unique<HostInterface<rovan::ICfgData>>());
  named_.emplace("IVarsBase", std::make_unique<HostInterface<rovan::IVarsBase>>());
}

InterfaceTable::~InterfaceTable() = default;

int32_t InterfaceTable::Lookup(std::string_view name, void** obj) {
  if (obj != nullptr) *obj = nullptr;
  if (obj == nullptr || state_.refused.contains(name)) return -1;
  if (name == "IStringList") {
    *obj = static_cast<rovan::IStringList*>(StringList::Create(state_.liveStringLists));
    return 0;
  }
  auto it = named_.find(name);
  if (it == named_.end()) return -1;
  *obj = it->second->Acquire();
  return 0;
}

const HostObject* InterfaceTable::Find(std::string_view name) const {
  auto it = named_.find(name);
  return it == named_.end() ? nullptr : it->second.get();
}

void InterfaceTable::ClearReferences() {
  for (auto& entry : named_) entry.second->ClearReferences();
  connection_point_->ClearReferences();
}

}  // namespace kalvor
