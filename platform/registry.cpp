#include "platform/registry.h"

#include <cstdlib>

#include "platform/profile_file.h"

namespace rovan {

std::optional<std::string> ReadRegistryString(const std::string& keyPath, const std::string& valueName) {
  const char* fileName = std::getenv("ROVAN_REGISTRY_FILE");
  if (fileName == nullptr || *fileName == '\0') return std::nullopt;
  return ProfileFile(fileName).Find(keyPath, valueName);
}

}  // namespace rovan
