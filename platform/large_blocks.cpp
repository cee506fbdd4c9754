#include "platform/large_blocks.h"

#include <sys/mman.h>

#include <new>

namespace rovan {

Blocco AllocaBlocco(size_t byte) {
  const bool grande = byte >= kBloccoGrande;
  const size_t dimensione = grande ? (byte + kBloccoGrande - 1) / kBloccoGrande * kBloccoGrande : byte;
  void* p = grande ? std::aligned_alloc(kBloccoGrande, dimensione) : std::malloc(dimensione);
  if (p == nullptr) throw std::bad_alloc();
  if (grande) madvise(p, dimensione, MADV_HUGEPAGE);  // a refusal leaves ordinary pages, which work too
  return Blocco(static_cast<char*>(p));
}

}  // namespace rovan
