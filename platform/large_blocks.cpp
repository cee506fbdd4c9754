#include "platform/large_blocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <iterator>
#include <new>

namespace rovan {

Blocco AllocaBlocco(size_t byte) {
  const bool grande = byte >= kBloccoGrande;
  const size_t dimensione = grande ? (byte + kBloccoGrande - 1) / kBloccoGrande * kBloccoGrande : byte;
  void* p = grande ? std::aligned_alloc(kBloccoGrande, dimensione) : std::malloc(dimensione);
  if (p == nullptr) throw std::bad_alloc();
  if (grande) ChiediPagineGrandi(p, dimensione);
  return Blocco(static_cast<char*>(p));
}

Blocco RiservaBlocchi::Prendi(size_t byte) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = tenuti_.rbegin(); it != tenuti_.rend(); ++it) {  // the latest given back is likeliest in cache
      if (it->byte != byte) continue;
      Blocco b = std::move(it->memoria);
      tenuti_.erase(std::next(it).base());
      byteTenuti_ -= byte;
      return b;
    }
  }
  return AllocaBlocco(byte);
}

void RiservaBlocchi::Rendi(Blocco blocco, size_t byte) noexcept {
  std::lock_guard<std::mutex> lock(mutex_);
  if (byte > massimo_) return;  // blocco is freed on the way out
  // The oldest go first: the sizes wanted next are those of the lists just released.
  size_t via = 0;
  while (byteTenuti_ + byte > massimo_) byteTenuti_ -= tenuti_[via++].byte;
  tenuti_.erase(tenuti_.begin(), tenuti_.begin() + static_cast<std::ptrdiff_t>(via));
  try {
    tenuti_.push_back({std::move(blocco), byte});
  } catch (const std::bad_alloc&) {
    return;  // freed with the element that could not be added
  }
  byteTenuti_ += byte;
}

size_t RiservaBlocchi::Tenuti() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return byteTenuti_;
}

BlocchiPresi::~BlocchiPresi() {
  if (!riserva_) return;
  for (Preso& p : blocchi_) riserva_->Rendi(std::move(p.memoria), p.byte);
}

char* BlocchiPresi::Prendi(size_t byte) {
  blocchi_.reserve(blocchi_.size() + 1);  // no throw after the block is taken
  Blocco b = riserva_ ? riserva_->Prendi(byte) : AllocaBlocco(byte);
  char* p = b.get();
  blocchi_.push_back({std::move(b), byte});
  return p;
}

void ChiediPagineGrandi(void* p, size_t byte) {
  const uintptr_t inizio = reinterpret_cast<uintptr_t>(p);
  const uintptr_t primo = (inizio + kBloccoGrande - 1) / kBloccoGrande * kBloccoGrande;
  const uintptr_t fine = (inizio + byte) / kBloccoGrande * kBloccoGrande;
  if (fine > primo) madvise(reinterpret_cast<void*>(primo), fine - primo, MADV_HUGEPAGE);
}

}  // namespace rovan
