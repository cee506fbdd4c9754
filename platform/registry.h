// The registry substitute.
//
// A registry value is read from the settings file named by the environment variable ROVAN_REGISTRY_FILE:
// the section is the key path (for example "HKEY_LOCAL_MACHINE\Software\...\MSDE\"), the key the value name.
// No file, no section or no key means the value is missing.
#pragma once

#include <optional>
#include <string>

namespace rovan {

std::optional<std::string> ReadRegistryString(const std::string& keyPath, const std::string& valueName);

}  // namespace rovan
