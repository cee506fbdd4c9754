#include "host/motore/host_paths.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace kalvor {

namespace {

std::string_view WithoutTrailingSlash(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  return path;
}

}  // namespace

void HostPaths::Reset() {
  std::error_code error;
  const std::filesystem::path cwd = std::filesystem::current_path(error);
  base = error ? std::string(".") : cwd.string();
  docRoot = base;
  iniFile = (std::filesystem::path(base) / "kalvor.ini").string();
}

std::string HostPaths::Expand(std::string_view src) const {
  const std::array<std::pair<std::string_view, std::string_view>, 2> tokens{{
      {"%BASE%", WithoutTrailingSlash(base)},
      {"%DOC%", WithoutTrailingSlash(docRoot)},
  }};
  std::string out;
  std::size_t i = 0;
  while (i < src.size()) {
    bool replaced = false;
    for (const auto& [token, value] : tokens) {
      if (src.substr(i, token.size()) == token) {
        out += value;
        i += token.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += src[i++];
  }
  return out;
}

}  // namespace kalvor
