#include "plugin/library.h"

#include <memory>

#include "platform/system_paths.h"
#include "platform/text_utils.h"
#include "engine/ravade_library.h"
#include "plugin/boundary.h"
#include "plugin/gestionale.h"
#include "plugin/host_link.h"
#include "plugin/process_state.h"
#include "plugin/rovan_container.h"
#include "plugin/rovan_event.h"
#include "plugin/rovan_object.h"
#include "plugin/settings.h"
#include "plugin/status_notify.h"
#include "storage/traduci_mdb.h"

namespace rovan {
namespace {

struct Singletons {
  std::unique_ptr<TRovanObject> rovan;
  std::unique_ptr<TRovanEvent> event;
  std::unique_ptr<IStatusNotifyImpl> sink;
  std::string tempFolder;
  std::string hostExecutable;
};

Singletons& S() {
  static Singletons s;
  return s;
}

// The version of "IRovanContainer<sep><vv>": the integer made of the two characters after the separator;
// 1 when they are missing or not an integer.
int ContainerVersion(const std::string& name) {
  constexpr size_t kVersionAt = 16;  // 15-character prefix, one separator
  int version = 1;
  if (name.size() <= kVersionAt || !TryParseInt(name.substr(kVersionAt, 2), version)) return 1;
  return version;
}

}  // namespace

void CaricaLibreria() {
  Singletons& s = S();
  if (s.rovan) return;
  HostLink::Get().Bind();
  s.rovan = std::make_unique<TRovanObject>();
  s.event = std::make_unique<TRovanEvent>();
  s.sink = std::make_unique<IStatusNotifyImpl>();
  s.tempFolder = SystemTempFolder();
  s.hostExecutable = LowerAscii(ExecutableFileName());
}

void ScaricaLibreria() {
  Singletons& s = S();
  if (!s.rovan) return;
  ReleaseFileImpostazioni();
  Gestionale::Get().Scarica();
  RilasciaRavade();
  RilasciaTraduttore();
  ProcessState& p = Processo();
  // The extra references taken when containers were created in container mode.
  for (TRovanContainer* c : p.extraReferences) c->Release();
  s.event.reset();
  s.rovan.reset();
  s.sink.reset();
  HostLink::Get().Unbind();
  p = ProcessState{};
}

bool LibreriaCaricata() { return S().rovan != nullptr; }

TRovanObject& RovanObject() { return *S().rovan; }
TRovanEvent& RovanEvent() { return *S().event; }
IStatusNotifyImpl& StatusSink() { return *S().sink; }
const std::string& CartellaTemporanea() {
  // Programs that link the core without loading the plug-in still get the system's folder.
  std::string& folder = S().tempFolder;
  if (folder.empty()) folder = SystemTempFolder();
  return folder;
}
const std::string& NomeEseguibileHost() { return S().hostExecutable; }

int32_t RovanGetInstanceByName(const char* name, void** obj) {
  return Protetto("get_InstanceByName", -1, [&]() -> int32_t {
    if (obj == nullptr) return -1;
    *obj = nullptr;
    if (name == nullptr || !LibreriaCaricata()) return -1;
    const std::string n(name);
    ProcessState& p = Processo();
    if (n == "IRovan" || n == "IRovan.1" || n == "IRovan.ID") {
      if (n == "IRovan") p.containerMode = true;
      *obj = static_cast<IRovan*>(&RovanObject());
      return 0;
    }
    if (n == "IRovanEvent") {
      *obj = static_cast<IRovanEvent*>(&RovanEvent());
      return 0;
    }
    if (n.rfind("IRovanContainer", 0) == 0) {
      if (ContainerVersion(n) > 7) return -1;
      auto* container = new TRovanContainer();  // owned by its reference count
      p.last = container;
      if (p.containerMode) {
        p.primary = container;
        p.extraReferences.push_back(container);
        container->AddRef();
      }
      *obj = static_cast<IRovanContainer*>(container);
      return 0;
    }
    return -1;
  });
}

}  // namespace rovan
