#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include "platform/text_utils.h"

namespace rovan {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// Per thread, as dlerror() is.
std::string& LastError() {
  thread_local std::string error;
  return error;
}

}  // namespace

std::vector<std::string> SharedObjectCandidates(const std::string& windowsName) {
  if (windowsName.empty()) return {};
  if (windowsName.find('/') != std::string::npos || windowsName.ends_with(".so")) return {windowsName};
  std::string base;
  if (EndsWithNoCase(windowsName, ".dll")) {
    base = windowsName.substr(0, windowsName.size() - 4);
  } else if (windowsName.find('.') == std::string::npos) {
    base = windowsName;  // Windows adds ".dll" to a name without extension
  } else {
    return {windowsName};  // a file with another extension is no library name to map
  }
  return {"lib" + base + ".so", base + ".so"};
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::Open(const std::string& windowsName) {
  const std::vector<std::string> candidates = SharedObjectCandidates(windowsName);
  // Every attempt's reason is kept: the first candidate may exist yet fail on a missing symbol.
  std::string errors;
  for (const std::string& candidate : candidates) {
    if (void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle, candidate));
    }
    const char* error = dlerror();
    if (!errors.empty()) errors += "; ";
    errors += error != nullptr ? error : candidate + ": cannot be loaded";
  }
  LastError() = candidates.empty() ? "empty library name" : errors;
  return nullptr;
}

DynamicLibrary::~DynamicLibrary() { dlclose(handle_); }

void* DynamicLibrary::Symbol(const char* name) const { return dlsym(handle_, name); }

std::string DynamicLibrary::LastLoadError() { return LastError(); }

}  // namespace rovan
