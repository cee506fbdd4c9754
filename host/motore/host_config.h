// Configures the substitute host from a settings file, for the command-line host and for hosts written in C,
// which cannot reach the C++ configuration class kalvor::Host.
//
// Sections and keys (names compare case-insensitively, values are trimmed):
//   [Paths]        Base=<folder>  DocRoot=<folder>  IniFile=<file>
//   [Collection]   Name=<name>
//   [ValueTables]  <table>=<number>:<label>;<number>:<label>;...
//   [Variables]    <name>=<value>          a value is N:<number> | T:<text> | P:<x>,<y>,<z>
//   [Commands]     <verb>=<result>         fixed answer of the host for command lines of that verb (replaces
//                                          the built-in handler of rec_cmp, K4_PRINT or TPRINT)
//   [Refuse]       <interface>=1           the host hands out no such interface
//   [Definition]   File=<text file>        what rec_cmp writes ("%CODE%" becomes the code)
// The scene (objects are numbered from 1; lists of objects are numbers separated by commas):
//   [Scene]        Objects=<count>         objects described in [Object.1] ... [Object.<count>]
//                  Selection=<objects>     the current object list, in order
//                  Current=<object>        the current object (missing: none)
//                  Free=<objects>          the free objects of the topology
//   [Object.<n>]   Name=<name>             default "Oggetto<n>"
//                  Flags=<integer>         flag word; 0x800000 marks an object that is not a composite
//                  Children=<objects>
//                  Link=<kind>[,<collection index>]      kind 0, 1 or 2; without Link the object hangs on nothing
//                  LinkPoints=<name>,<name>              the link's two topology point names
//                  LinkEnd1=<mode>,<object or 0>,<point> and LinkEnd2=...   the link's ends
//                  Var.<name>=<value>      a variable searched by name (cmp_name, X, X_pcfR, angolo, base_0 ...)
//                  Own.<name>=<value>      an own variable record, in file order
//                  Relative.<k>=<line>     a relative record line, in file order
//   [CollectionItems] <index>=<element name>   collection items a link's collection index refers to
// Keys must differ beyond case within a section (the first of two equal keys wins).
// Example:
//   [Paths]
//   Base=/opt/kalvor
//   [Variables]
//   AliasListino=T:Provider=SQLite;Database=/data/cucine.sqlite
//   CMP_CERCASUUSER=N:1
//   [Scene]
//   Objects=2
//   Selection=1
//   [Object.1]
//   Name=Base
//   Link=0
//   Var.X=N:60
//   Children=2
//   [Object.2]
//   Name=Anta
//   Link=1,3
#pragma once

#ifdef __cplusplus
#include <cstdint>
#include <string>
extern "C" {
#else
#include <stdint.h>
#endif

#ifndef KALVOR_API
#define KALVOR_API __attribute__((visibility("default")))
#endif

// Applies the file to the substitute host (on top of what it holds), for a host written in C. Returns 0 on
// success, -1 when the file is missing or malformed. error receives what was wrong (ConfigureHost's text;
// empty on success), cut to error_size - 1 bytes and always terminated; nothing is written when error is
// null or error_size is not positive.
KALVOR_API int32_t kalvor_configure_host(const char* file_name, char* error, int32_t error_size);

#ifdef __cplusplus
}

namespace kalvor {

// Applies the file to kalvor::Host (on top of what it holds). Returns an empty text on success, else what was
// wrong (the first malformed line); a missing file is an error.
KALVOR_API std::string ConfigureHost(const std::string& fileName);

}  // namespace kalvor
#endif
