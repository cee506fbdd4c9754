// The host's folders and its path notation (IKalvorPaths).
#pragma once

#include <string>
#include <string_view>

namespace kalvor {

class HostPaths {
 public:
  // Defaults: see Reset.
  HostPaths() { Reset(); }

  // The base folder becomes the current directory, the document root the base folder, the settings file
  // "kalvor.ini" in the base folder.
  void Reset();

  std::string base;     // the host's base folder
  std::string docRoot;  // the document root
  std::string iniFile;  // full name of the host's own settings file

  // src with "%BASE%" and "%DOC%" (exact case) replaced by base and docRoot without a trailing "/".
  // Only these two tokens are known: the plug-in hands the host paths and connection texts written with
  // them, and anything else must reach it unchanged.
  std::string Expand(std::string_view src) const;
};

}  // namespace kalvor
