// The link to the host's engine library.
//
// At library initialisation the plug-in loads "motore.dll" (libmotore.so), looks up its exported
// get_InstanceByName and asks it once for each of the 18 interfaces of kHostInterfaceNames, keeping the
// reference each lookup hands out until unload. The link is available when the lookup function was found
// and IStatus was handed out; every use of host variables, commands and paths is guarded by that test, so
// without a host every helper below answers "absent" and sends nothing.
//
// Texts cross to and from the host in the ANSI code page; these helpers take and give UTF-8.
// Thread rule: the host's user-interface thread only. One instance per process (HostLink::Get()).
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/dynamic_library.h"
#include "plugin/ItfKalvor.h"

namespace rovan {

class HostLink {
 public:
  static HostLink& Get();

  // Binds to the host unless already bound. Does nothing further when the library or its export is missing.
  void Bind();
  // Releases each interface obtained (once) and forgets the host library.
  void Unbind();

  bool available() const { return lookup_ != nullptr && status() != nullptr; }
  // The host's lookup function, for interfaces asked on demand ("IRecRelativo", "IStringList").
  TGetInstanceByName lookup() const { return lookup_; }

  IKalvorPaths* paths() const { return As<IKalvorPaths>(0); }
  IVarsFind* varsFind() const { return As<IVarsFind>(1); }
  IVarsMake* varsMake() const { return As<IVarsMake>(2); }
  IStatus* status() const { return As<IStatus>(4); }
  ICollezione* collezione() const { return As<ICollezione>(5); }
  ILogBase* log() const { return As<ILogBase>(8); }
  ITopologiaUtils* topologia() const { return As<ITopologiaUtils>(11); }
  ILinkFunction* linkFunction() const { return As<ILinkFunction>(12); }
  IDMessage* messages() const { return As<IDMessage>(16); }
  IConnectionPointContainer* connectionPoints() const { return As<IConnectionPointContainer>(17); }
  // Interface by its position in kHostInterfaceNames (null when not handed out).
  IUnknownRovan* interfaceAt(int i) const { return itf_[i]; }

  // Host variables: the record, or null when the link is unavailable or the variable is missing.
  // kind: 0 number, 1 text (the host decides what it returns; callers check the record's type).
  const TVarRec* FindVar(const std::string& name, int32_t kind) const;
  // The value of a numeric variable; nullopt when missing or not a number.
  std::optional<double> ReadNumber(const std::string& name) const;
  // The value of a text variable in UTF-8; nullopt when missing or not a text.
  std::optional<std::string> ReadText(const std::string& name) const;
  // Creates or overwrites a global variable (IVarsMake slots 13 and 12).
  void WriteText(const std::string& name, const std::string& text) const;
  void WriteNumber(const std::string& name, double value) const;

  // Runs a command line (IStatus slot 3); the host's result, or 0 when nothing was sent.
  int32_t Command(const std::string& line) const;
  // Host log, level 7 (ILogBase slot 9); sent whenever ILogBase was obtained.
  void Log(const std::string& text) const;
  // Progress text on the host's status line (IStatus slot 29).
  void StatusText(const std::string& text) const;
  // Fires a host event by name (IStatus slot 46).
  void FireEvent(const std::string& name) const;

  // Host folders and files; empty when unavailable.
  std::string BasePath() const;
  std::string DocRoot() const;
  std::string HostIniFile() const;
  // The host's path notation expanded (IKalvorPaths slot 8); the text itself when unavailable.
  std::string ExpandPath(const std::string& src) const;
  // Name of the current collection (ICollezione slot 3); empty when unavailable.
  std::string CollectionName() const;

 private:
  HostLink() = default;
  template <typename T>
  T* As(int i) const { return static_cast<T*>(itf_[i]); }
  std::string ReadPath(void (ROVAN_STDCALL IKalvorPaths::*slot)(int32_t, char*)) const;

  std::unique_ptr<DynamicLibrary> library_;   // the host library, when loaded by name
  TGetInstanceByName lookup_ = nullptr;       // its get_InstanceByName
  std::array<IUnknownRovan*, 18> itf_{};      // one counted reference each, or null
};

}  // namespace rovan
