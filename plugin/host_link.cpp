#include "plugin/host_link.h"

#include <cstring>
#include <vector>

#include "platform/code_page.h"

namespace rovan {

HostLink& HostLink::Get() {
  static HostLink link;
  return link;
}

void HostLink::Bind() {
  if (lookup_ != nullptr) return;
  library_ = DynamicLibrary::Open("motore.dll");
  if (!library_) return;
  lookup_ = library_->Function<TGetInstanceByName>("get_InstanceByName");
  if (lookup_ == nullptr) {
    library_.reset();
    return;
  }
  for (int i = 0; i < 18; ++i) {
    void* obj = nullptr;
    lookup_(kHostInterfaceNames[i], &obj);
    itf_[i] = static_cast<IUnknownRovan*>(obj);
  }
}

void HostLink::Unbind() {
  for (auto& itf : itf_) {
    if (itf != nullptr) itf->Release();
    itf = nullptr;
  }
  lookup_ = nullptr;
  library_.reset();
}

const TVarRec* HostLink::FindVar(const std::string& name, int32_t kind) const {
  if (!available() || varsFind() == nullptr) return nullptr;
  return varsFind()->TrovaVar(nullptr, name.c_str(), kind);
}

std::optional<double> HostLink::ReadNumber(const std::string& name) const {
  const TVarRec* v = FindVar(name, VAR_NUMERO);
  if (v == nullptr || v->tipo != VAR_NUMERO) return std::nullopt;
  return v->valore.numero;
}

std::optional<std::string> HostLink::ReadText(const std::string& name) const {
  const TVarRec* v = FindVar(name, VAR_TESTO);
  if (v == nullptr || v->tipo != VAR_TESTO) return std::nullopt;
  return AnsiToUtf8(v->valore.testo != nullptr ? v->valore.testo : "");
}

void HostLink::WriteText(const std::string& name, const std::string& text) const {
  if (!available() || varsMake() == nullptr) return;
  varsMake()->SettaVarTesto(name.c_str(), Utf8ToAnsi(text).c_str());
}

void HostLink::WriteNumber(const std::string& name, double value) const {
  if (!available() || varsMake() == nullptr) return;
  varsMake()->SettaVarNum(name.c_str(), value);
}

int32_t HostLink::Command(const std::string& line) const {
  if (!available()) return 0;
  return status()->Comando(Utf8ToAnsi(line).c_str());
}

void HostLink::Log(const std::string& text) const {
  if (log() != nullptr) log()->Log(7, Utf8ToAnsi(text).c_str());
}

void HostLink::StatusText(const std::string& text) const {
  if (available()) status()->TestoStato(Utf8ToAnsi(text).c_str());
}

void HostLink::FireEvent(const std::string& name) const {
  if (available()) status()->LanciaEvento(0, name.c_str());
}

std::string HostLink::ReadPath(void (ROVAN_STDCALL IKalvorPaths::*slot)(int32_t, char*)) const {
  if (!available() || paths() == nullptr) return {};
  std::vector<char> buf(kHostPathSize + 1, '\0');
  (paths()->*slot)(kHostPathSize, buf.data());
  return AnsiToUtf8(buf.data());
}

std::string HostLink::BasePath() const { return ReadPath(&IKalvorPaths::GetBasePath); }
std::string HostLink::DocRoot() const { return ReadPath(&IKalvorPaths::GetDocRoot); }
std::string HostLink::HostIniFile() const { return ReadPath(&IKalvorPaths::GetIniFile); }

std::string HostLink::ExpandPath(const std::string& src) const {
  if (!available() || paths() == nullptr) return src;
  std::vector<char> buf(kHostPathSize + 1, '\0');
  paths()->EspandiPath(Utf8ToAnsi(src).c_str(), buf.data());
  return AnsiToUtf8(buf.data());
}

std::string HostLink::CollectionName() const {
  if (!available() || collezione() == nullptr) return {};
  const char* name = collezione()->NomeCollezione();
  return AnsiToUtf8(name != nullptr ? name : "");
}

}  // namespace rovan
