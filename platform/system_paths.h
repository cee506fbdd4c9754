// Folders the system asks the operating system for.
#pragma once

#include <string>

namespace rovan {

// The path delimiter of file-system paths.
inline constexpr char kPathDelim = '/';

// $TMPDIR (trimmed) when set and non-empty, else "/tmp"; always with a trailing "/".
std::string SystemTempFolder();

// Full name of the running executable (/proc/self/exe), and its folder with a trailing "/".
std::string ExecutableFileName();
std::string ExecutableFolder();

// path with a trailing "/" added when missing (an empty path stays empty).
std::string IncludeTrailingDelimiter(const std::string& path);

// A file name built from data (a code, an object name) that stays inside its folder: "/" and "\" become
// "_", and a leading ".." becomes "__". The same text always maps to the same name.
std::string SafeFileName(const std::string& name);

}  // namespace rovan
