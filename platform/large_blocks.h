// Blocks of memory that are filled as soon as they are taken (copies of many records at once), and a
// reserve that keeps given-back blocks for the next taker.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

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

// Asks for huge pages in the whole huge pages that lie inside [p, p + byte), for a buffer about to be
// filled; a refusal leaves ordinary pages, which work too.
void ChiediPagineGrandi(void* p, size_t byte);

// Blocks given back, kept up to a number of bytes (the oldest freed first) for the next taker of the same
// size. The lists handed to a host are built and dropped again and again (each search, each tab opened);
// memory just given back to the system would have to be faulted in afresh every time, which costs more
// than filling it. Shared by the lists of one owner, possibly released on other threads.
class RiservaBlocchi {
 public:
  explicit RiservaBlocchi(size_t massimo) : massimo_(massimo) {}
  RiservaBlocchi(const RiservaBlocchi&) = delete;
  RiservaBlocchi& operator=(const RiservaBlocchi&) = delete;

  // A kept block of exactly byte bytes, else a new one.
  Blocco Prendi(size_t byte);
  // Keeps the block of byte bytes, freeing the oldest kept ones to make room; frees it when it alone is
  // over the limit.
  void Rendi(Blocco blocco, size_t byte) noexcept;
  size_t Tenuti() const;  // bytes kept

 private:
  struct Tenuto {
    Blocco memoria;
    size_t byte;
  };
  mutable std::mutex mutex_;
  std::vector<Tenuto> tenuti_;
  size_t byteTenuti_ = 0;
  const size_t massimo_;
};

// The blocks one owner took, from a reserve when it has one, given back to it when the owner goes.
class BlocchiPresi {
 public:
  explicit BlocchiPresi(std::shared_ptr<RiservaBlocchi> riserva = nullptr) : riserva_(std::move(riserva)) {}
  ~BlocchiPresi();
  BlocchiPresi(const BlocchiPresi&) = delete;
  BlocchiPresi& operator=(const BlocchiPresi&) = delete;

  // A new block of byte bytes, kept until this goes.
  char* Prendi(size_t byte);
  size_t Count() const { return blocchi_.size(); }
  char* operator[](size_t i) const { return blocchi_[i].memoria.get(); }

 private:
  struct Preso {
    Blocco memoria;
    size_t byte;
  };
  std::shared_ptr<RiservaBlocchi> riserva_;
  std::vector<Preso> blocchi_;
};

}  // namespace rovan
