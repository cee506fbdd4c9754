// Whole files read into and written from byte strings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rovan {

// The file's bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& fileName);
// Creates or replaces the file; false when it could not be written completely.
bool WriteFileBytes(const std::string& fileName, std::string_view bytes);

}  // namespace rovan
