// Configures the substitute host from a settings file, for the command-line host.
//
// Sections and keys (names compare case-insensitively):
//   [Paths]        Base=<folder>  DocRoot=<folder>  IniFile=<file>
//   [Collection]   Name=<name>
//   [ValueTables]  <table>=<number>:<label>;<number>:<label>;...
//   [Variables]    <name>=N:<number> | T:<text> | P:<x>,<y>,<z>
//   [Commands]     <verb>=<result>        fixed answer of the host for command lines of that verb
//   [Refuse]       <interface>=1           the host hands out no such interface
// Example:
//   [Paths]
//   Base=/opt/kalvor
//   [Variables]
//   AliasListino=T:Provider=SQLite;Database=/data/cucine.sqlite
//   CMP_CERCASUUSER=N:1
#pragma once

#include <string>

namespace kalvor {

// Applies the file to kalvor::Host. Returns an empty text on success, else what was wrong (the first
// malformed line); a missing file is an error.
std::string ConfigureHost(const std::string& fileName);

}  // namespace kalvor
