// Small value types shared by the navigation engine and the objects handed to the host.
#pragma once

#include <array>
#include <string>

namespace rovan {

// Descriptions in the language positions 1 to 10 (columns Descr1 ... Descr10).
struct TTraduzioni {
  std::array<std::string, 10> testi;

  // pos must be 1 to 10.
  std::string& operator[](int pos) { return testi[static_cast<size_t>(pos - 1)]; }
  const std::string& operator[](int pos) const { return testi[static_cast<size_t>(pos - 1)]; }
};

// User fields 1 to 5 of a code.
struct TUser {
  std::array<std::string, 5> campi;

  // pos must be 1 to 5.
  std::string& operator[](int pos) { return campi[static_cast<size_t>(pos - 1)]; }
  const std::string& operator[](int pos) const { return campi[static_cast<size_t>(pos - 1)]; }
};

// The kind of a tab.
enum TTipoLin { LIN_NORMALE = 0, LIN_TEMPORANEE = 1, LIN_PREFERITI = 2 };

}  // namespace rovan
