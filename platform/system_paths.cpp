#include "platform/system_paths.h"

#include <cstdlib>
#include <filesystem>

#include "platform/text_utils.h"

namespace rovan {

std::string SystemTempFolder() {
  const char* env = std::getenv("TMPDIR");
  const std::string_view folder = TrimView(env != nullptr ? env : "");
  return IncludeTrailingDelimiter(folder.empty() ? "/tmp" : std::string(folder));
}

std::string ExecutableFileName() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::string ExecutableFolder() {
  const std::string file = ExecutableFileName();
  return file.substr(0, file.rfind(kPathDelim) + 1);
}

std::string IncludeTrailingDelimiter(const std::string& path) {
  return path.empty() || path.back() == kPathDelim ? path : path + kPathDelim;
}

std::string SafeFileName(const std::string& name) {
  std::string safe = name;
  if (safe.starts_with("..")) safe.replace(0, 2, "__");
  for (char& c : safe) {
    if (c == '/' || c == '\\') c = '_';
  }
  return safe;
}

}  // namespace rovan
