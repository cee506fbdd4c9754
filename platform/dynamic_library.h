// Loading shared libraries by their Windows names.
//
// A Windows library name maps to a shared object: "motore.dll" is looked up as "libmotore.so", then as
// "motore.so", through the normal dlopen search; a name that contains "/" or ends in ".so" is used as
// given. A library already in the process is found by that name without loading it twice.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rovan {

// The file names tried, in order, for a library name.
std::vector<std::string> SharedObjectCandidates(const std::string& windowsName);

// An open library, owned through the unique_ptr Open returns; closes it on destruction.
class DynamicLibrary {
 public:
  // Opens the library by its Windows name. Returns null when no candidate loads; the dlerror() texts of
  // all attempts are then available through LastLoadError().
  static std::unique_ptr<DynamicLibrary> Open(const std::string& windowsName);

  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // Address of an exported symbol, or null when the library does not export it.
  void* Symbol(const char* name) const;

  template <typename F>
  F Function(const char* name) const { return reinterpret_cast<F>(Symbol(name)); }

  const std::string& fileName() const { return file_name_; }

  // The dlerror() texts of the most recent failed Open on this thread, joined by "; ", for log lines.
  static std::string LastLoadError();

 private:
  DynamicLibrary(void* handle, std::string fileName) : handle_(handle), file_name_(std::move(fileName)) {}
  void* handle_;           // dlopen handle, never null
  std::string file_name_;  // the candidate that loaded
};

}  // namespace rovan
