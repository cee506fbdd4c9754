// What a host holds of the plug-in's answers: interface references, given back when their holder goes,
// and the text of a text blob.
#pragma once

#include <memory>
#include <string>

#include "platform/code_page.h"
#include "plugin/ItfRovan.h"

namespace rovan {

// Gives back the one reference an interface was handed out with.
struct Rilascia {
  void operator()(IUnknownRovan* p) const {
    if (p != nullptr) p->Release();
  }
};

// An interface reference owned by the host: Release on destruction. Not for the tree nodes, whose
// reference counting is fake and which live as long as their container's tree.
template <typename Interfaccia>
using Rif = std::unique_ptr<Interfaccia, Rilascia>;

// The text of a text blob (UTF-16 little-endian ending with U+0000) as UTF-8, without the terminating zero.
inline std::string TestoBlob(IBlob& b) {
  std::string testo = Utf16LeToUtf8(std::string(static_cast<const char*>(b.Data()), b.Size()));
  if (!testo.empty() && testo.back() == '\0') testo.pop_back();
  return testo;
}

}  // namespace rovan
