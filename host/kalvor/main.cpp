// kalvor: a command-line host for the plug-in.
//
// Like the design application, it has its engine library (libmotore.so) in the process, configures it,
// loads librovan.so with dlopen and obtains the plug-in's interfaces through get_InstanceByName.
//
//   kalvor [--host FILE] [--listino CONNECTION] [COMMAND [ARGS]]
//
// COMMAND is info (the default: the interfaces obtained), tree, codes ID [ID2], codes-path PATH, find
// PATTERN [--descrizioni], item CODE [FILE], image CODE FILE [W H], json or command "LINE" (see browse.h).
// --host FILE (or the environment variable KALVOR_HOST) names the host's settings file (see
// host/motore/host_config.h): with it the plug-in takes its price lists and switches from the host's
// variables.
// --listino CONNECTION (a connection string or an SQLite file) opens that price list as a host in
// container mode does (IRovan.apriListino). ROVAN_PLUGIN overrides where the plug-in is looked for
// (default: ../lib/librovan.so beside this program).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/kalvor/browse.h"
#include "host/kalvor/event_sink.h"
#include "host/motore/host_config.h"
#include "host/motore/motore_host.h"
#include "host/rovan/connection_argument.h"
#include "platform/code_page.h"
#include "platform/dynamic_library.h"
#include "platform/system_paths.h"
#include "plugin/ItfKalvor.h"
#include "plugin/ItfRovan.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: kalvor [--host FILE] [--listino CONNECTION] [info | tree | codes ID [ID2] | codes-path PATH\n"
               "              | find PATTERN [--descrizioni] | item CODE [FILE] | image CODE FILE [W H] | json\n"
               "              | command \"LINE\"]\n");
  return 2;
}

// The host's sink, set on IRovanEvent while a command runs and taken back before the sink goes.
class SinkImpostato {
 public:
  SinkImpostato(rovan::IRovanEvent& evento, kalvor::EventSink& sink) : evento_(evento) { evento_.SetSink(&sink); }
  ~SinkImpostato() { evento_.SetSink(nullptr); }
  SinkImpostato(const SinkImpostato&) = delete;
  SinkImpostato& operator=(const SinkImpostato&) = delete;

 private:
  rovan::IRovanEvent& evento_;
};

// Opens a container the way the design application does and runs a browsing command in it.
int Comando(const rovan::DynamicLibrary& plugin, const std::string& listino, const std::string& comando,
            const std::vector<std::string>& args) {
  auto get = plugin.Function<rovan::TGetInstanceByName>("get_InstanceByName");
  void* obj = nullptr;
  get("IRovanEvent", &obj);
  auto* evento = static_cast<rovan::IRovanEvent*>(obj);
  if (evento == nullptr) return 1;
  kalvor::EventSink eventi;
  const SinkImpostato sink(*evento, eventi);
  obj = nullptr;
  // A host that names the price list itself works in container mode; otherwise the aliases decide.
  get(listino.empty() ? "IRovan.1" : "IRovan", &obj);
  auto* rovan = static_cast<rovan::IRovan*>(obj);
  if (rovan == nullptr) return 1;
  rovan->createRovan2();
  obj = nullptr;
  get("IRovanContainer.7", &obj);
  auto* container = static_cast<rovan::IRovanContainer*>(obj);
  if (container == nullptr) return 1;
  if (!listino.empty()) rovan->apriListino(rovan::Utf8ToAnsi(rovan::cli::Connessione(listino)).c_str());
  int esito = 1;
  try {
    esito = kalvor::Sfoglia(*container, eventi, comando, args);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kalvor: %s\n", e.what());
  }
  container->Release();
  return esito;
}

std::string PluginPath() {
  if (const char* env = std::getenv("ROVAN_PLUGIN"); env != nullptr && *env != '\0') return env;
  return rovan::ExecutableFolder() + "../lib/librovan.so";
}

// Loads the plug-in and prints what the host obtains from it.
int Info(const rovan::DynamicLibrary& plugin) {
  auto get = plugin.Function<rovan::TGetInstanceByName>("get_InstanceByName");
  if (get == nullptr) {
    std::fprintf(stderr, "kalvor: %s exports no get_InstanceByName\n", plugin.fileName().c_str());
    return 1;
  }
  std::printf("plug-in: %s\n", plugin.fileName().c_str());

  void* obj = nullptr;
  get("IRovan", &obj);
  if (auto* rovan = static_cast<rovan::IRovan*>(obj)) std::printf("IRovan: VersionId %d\n", rovan->VersionId());
  else std::printf("IRovan: not obtained\n");

  obj = nullptr;
  get("IRovanEvent", &obj);
  std::printf("IRovanEvent: %s\n", obj != nullptr ? "obtained" : "not obtained");

  obj = nullptr;
  int32_t result = get("IRovanContainer.7", &obj);
  if (auto* container = static_cast<rovan::IRovanContainer*>(obj)) {
    std::printf("IRovanContainer.7: VersionId %d\n", container->VersionId());
    container->Release();
  } else {
    std::printf("IRovanContainer.7: not obtained (%d)\n", result);
  }

  kalvor::Host& host = kalvor::Host::Instance();
  int bound = 0;
  for (const char* name : rovan::kHostInterfaceNames) bound += host.ReferenceCount(name) > 0;
  std::printf("host interfaces held by the plug-in: %d of 18\n", bound);
  std::printf("status sink advised: %s\n", host.AdvisedSinks() > 0 ? "yes" : "no");
  for (const auto& line : host.log()) std::printf("host log: %s\n", line.text.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string hostFile, listino;
  if (const char* env = std::getenv("KALVOR_HOST")) hostFile = env;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--host" && i + 1 < argc) hostFile = argv[++i];
    else if (a == "--listino" && i + 1 < argc) listino = argv[++i];
    else if (a == "-h" || a == "--help") return Usage();
    else args.push_back(a);
  }

  kalvor::Host& host = kalvor::Host::Instance();
  host.SetBasePath(rovan::ExecutableFolder());
  if (!hostFile.empty()) {
    std::string error = kalvor::ConfigureHost(hostFile);
    if (!error.empty()) {
      std::fprintf(stderr, "kalvor: %s\n", error.c_str());
      return 1;
    }
  }

  auto plugin = rovan::DynamicLibrary::Open(PluginPath());
  if (!plugin) {
    std::fprintf(stderr, "kalvor: cannot load %s: %s\n", PluginPath().c_str(),
                 rovan::DynamicLibrary::LastLoadError().c_str());
    return 1;
  }
  if (args.empty() || args[0] == "info") return args.size() > 1 ? Usage() : Info(*plugin);
  return Comando(*plugin, listino, args[0], std::vector<std::string>(args.begin() + 1, args.end()));
}
