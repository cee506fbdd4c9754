// Blocks of memory that are filled as soon as they are taken (copies of many records at once).
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace rovan {

struct LiberaBlocco {
  void operator()(char* p) const { std::free(p); }
};
using Blocco = std::unique_ptr<char[], LiberaBlocco>;

// The size from which a block is backed by huge pages where the system offers them: filling it then costs
// one page fault instead of hundreds, which dominates copying into fresh memory.
inline constexpr size_t kBloccoGrande = size_t{2} << 20;

// A block of byte bytes, aligned for any object; at kBloccoGrande bytes or more, in huge pages when possible.
Blocco AllocaBlocco(size_t byte);

}  // namespace rovan
