// Everything the substitute host holds, shared by the interface objects (which the plug-in calls) and by
// kalvor::Host (which configures and observes). Internal to libmotore.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "host/motore/command_recorder.h"
#include "host/motore/host_paths.h"
#include "host/motore/interface_table.h"
#include "host/motore/scene.h"
#include "host/motore/motore_host.h"
#include "host/motore/status_sinks.h"
#include "host/motore/value_tables.h"
#include "host/motore/variable_store.h"

namespace kalvor {

struct HostState {
  HostState();
  HostState(const HostState&) = delete;
  HostState& operator=(const HostState&) = delete;

  // See Host::Reset.
  void Reset();

  VariableStore variables;
  CommandRecorder commands;
  std::vector<LogLine> log;
  std::vector<std::string> statusTexts;
  std::vector<std::string> events;
  std::vector<std::string> messageFiles;
  HostPaths paths;
  std::string collectionName;
  ValueTables valueTables;
  int32_t prepareCalls = 0;
  std::map<const rovan::TOggettoRec*, std::vector<std::string>> relativeRecords;
  Scene scene;
  std::string definitionText = Host::kDefaultDefinition;  // what rec_cmp writes
  StatusSinks sinks;
  std::set<std::string, std::less<>> refused;
  std::unordered_set<const rovan::IStringList*> liveStringLists;  // StringList objects register here while alive
  // Last: its objects refer to the members above.
  InterfaceTable interfaces;
};

// The one state of the process.
HostState& TheHostState();

}  // namespace kalvor
