// The "ANSI code page" of the host boundary.
//
// Texts inside the program are UTF-8. Texts that cross the host boundary as 8-bit strings are in the
// host's ANSI code page: UTF-8 by default, or any iconv encoding named by the environment variable
// ROVAN_ANSI_CODEPAGE (for example "CP1252"). Every ANSI crossing goes through this module.
// Descriptions cross as UTF-8 whatever the setting.
//
// Thread rule: called on the host's user-interface thread only.
#pragma once

#include <string>
#include <string_view>

namespace rovan {

// Name of the ANSI code page in force: ROVAN_ANSI_CODEPAGE when set and non-empty, else "UTF-8".
// Read once, on first use.
const std::string& AnsiCodePage();

// Replaces the code page in force (tests and hosts that configure it in code). An empty name restores UTF-8.
void SetAnsiCodePage(const std::string& name);

// ANSI -> UTF-8. Bytes that cannot be converted become U+FFFD; never fails.
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 -> ANSI. Characters the code page lacks become "?"; invalid UTF-8 bytes are replaced too.
std::string Utf8ToAnsi(std::string_view utf8);

// Utf8ToAnsi into out, reusing its room: for texts handed to the host one call after another.
void AssegnaUtf8ToAnsi(std::string& out, std::string_view utf8);

// UTF-8 -> UTF-16 little-endian bytes, without byte-order mark and without terminator.
std::string Utf8ToUtf16Le(std::string_view utf8);

// Utf8ToUtf16Le appended to out. Texts joined where one ends with ASCII convert as their concatenation does.
void AccodaUtf8ToUtf16Le(std::string& out, std::string_view utf8);

// UTF-16 little-endian bytes -> UTF-8 (stops at an odd trailing byte).
std::string Utf16LeToUtf8(std::string_view utf16le);

}  // namespace rovan
