#include "host/motore/motore_host.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "host/motore/host_state.h"

namespace kalvor {

Host& Host::Instance() {
  static Host host(TheHostState());
  return host;
}

Host::Host(HostState& state) : state_(state) {}

void Host::Reset() { state_.Reset(); }

const rovan::TVarRec* Host::SetNumber(std::string_view name, float value) { return state_.variables.Set(name, value); }

const rovan::TVarRec* Host::SetText(std::string_view name, std::string_view text) {
  return state_.variables.Set(name, std::string(text));
}

const rovan::TVarRec* Host::SetPoint(std::string_view name, float x, float y, float z) {
  return state_.variables.Set(name, std::array<float, 3>{x, y, z});
}

bool Host::Describe(std::string_view name, std::string_view description, int32_t flags) {
  return state_.variables.Describe(name, description, flags);
}

bool Host::Remove(std::string_view name) { return state_.variables.Remove(name); }

const rovan::TVarRec* Host::Find(std::string_view name) const { return state_.variables.Find(name); }

const std::vector<std::string>& Host::commands() const { return state_.commands.lines(); }

void Host::SetCommandHandler(std::string verb, CommandHandler handler) {
  state_.commands.SetHandler(std::move(verb), std::move(handler));
}

const std::vector<LogLine>& Host::log() const { return state_.log; }
const std::vector<std::string>& Host::statusTexts() const { return state_.statusTexts; }
const std::vector<std::string>& Host::events() const { return state_.events; }
const std::vector<std::string>& Host::messageFiles() const { return state_.messageFiles; }

void Host::SetBasePath(std::string path) { state_.paths.base = std::move(path); }
void Host::SetDocRoot(std::string path) { state_.paths.docRoot = std::move(path); }
void Host::SetIniFile(std::string file) { state_.paths.iniFile = std::move(file); }
const std::string& Host::basePath() const { return state_.paths.base; }
const std::string& Host::docRoot() const { return state_.paths.docRoot; }
const std::string& Host::iniFile() const { return state_.paths.iniFile; }

void Host::SetCollectionName(std::string name) { state_.collectionName = std::move(name); }

void Host::AddValueTable(std::string_view name, const ValueEntries& entries) { state_.valueTables.Add(name, entries); }

int32_t Host::prepareCalls() const { return state_.prepareCalls; }

void Host::SetRelativeRecords(const rovan::TOggettoRec* obj, std::vector<std::string> lines) {
  state_.relativeRecords[obj] = std::move(lines);
}

std::size_t Host::liveStringLists() const { return state_.liveStringLists.size(); }

rovan::TOggettoRec* Host::AddObject(std::string_view name) { return state_.scene.AddObject(name); }

void Host::SetObjectVariable(rovan::TOggettoRec* obj, std::string_view name, const VarValue& value) {
  if (!state_.scene.Owns(obj)) throw std::invalid_argument("not an object of the scene");  // SetOnObject would link into a foreign record
  state_.variables.SetOnObject(obj, name, value);
}

void Host::AddOwnVariable(rovan::TOggettoRec* obj, std::string_view name, const VarValue& value) {
  state_.scene.AddOwnVariable(obj, name, value);
}

void Host::SetLink(rovan::TOggettoRec* obj, const ObjectLink& link) { state_.scene.SetLink(obj, link); }

void Host::SetSelection(const std::vector<rovan::TOggettoRec*>& objects) { state_.scene.SetSelection(objects); }

void Host::SetCurrentObject(rovan::TOggettoRec* obj) { state_.scene.SetCurrent(obj); }

void Host::SetFreeObjects(const std::vector<rovan::TOggettoRec*>& objects) { state_.scene.SetFreeObjects(objects); }

void Host::SetChildren(rovan::TOggettoRec* obj, const std::vector<rovan::TOggettoRec*>& children) {
  state_.scene.SetChildren(obj, children);
}

std::size_t Host::liveSceneLists() const { return state_.scene.liveLists(); }

void Host::SetCollectionItem(int32_t index, std::string elementName) {
  state_.scene.SetCollectionItem(index, std::move(elementName));
}

void Host::SetDefinitionText(std::string text) { state_.definitionText = std::move(text); }

void Host::Refuse(std::string name) { state_.refused.insert(std::move(name)); }

int32_t Host::ReferenceCount(std::string_view name) const {
  const HostObject* object = state_.interfaces.Find(name);
  return object == nullptr ? -1 : object->references();
}

int32_t Host::connectionPointReferences() const { return state_.interfaces.connectionPoint().references(); }

std::size_t Host::AdvisedSinks() const { return state_.sinks.size(); }

void Host::NotifyStatus(int32_t action) { state_.sinks.Notify(action); }

}  // namespace kalvor
