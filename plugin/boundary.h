// The binary boundary: no exception ever leaves a slot or the entry point.
#pragma once

#include <exception>
#include <string>

#include "plugin/reporting.h"

namespace rovan {

// Runs body and returns its result; an exception is logged to the host as "<where>: <message>" and the
// fallback is returned instead.
template <typename R, typename F>
R Protetto(const char* where, R fallback, F&& body) noexcept {
  try {
    return body();
  } catch (const std::exception& e) {
    try { ScriviLog(std::string(where) + ": " + e.what()); } catch (...) {}
  } catch (...) {
    try { ScriviLog(std::string(where) + ": unknown exception"); } catch (...) {}
  }
  return fallback;
}

// The same for slots without a result.
template <typename F>
void ProtettoVoid(const char* where, F&& body) noexcept {
  Protetto(where, 0, [&] {
    body();
    return 0;
  });
}

// A text handed in by the host: null reads as empty.
inline const char* Testo(const char* s) { return s != nullptr ? s : ""; }

}  // namespace rovan
