// TIndiceCodici: codes by their code text, so that finding one among a million costs a hash, not a scan.
//
// It holds pointers only and compares the codes' own texts, so it stays right while codes change other
// fields; the first code added under a text wins, as a scan over the same codes in the same order finds it.
// It must be emptied when the codes it holds are removed or reordered.
#pragma once

#include <string_view>
#include <vector>

namespace rovan {

class TCodMdl;

class TIndiceCodici {
 public:
  // Holds the codes of the lists in order (a code whose text is already held is skipped).
  void Costruisci(const std::vector<const std::vector<TCodMdl*>*>& liste);
  void Svuota();
  bool Costruito() const { return costruito_; }
  // The first code held with that text, or null.
  TCodMdl* Trova(std::string_view cod) const;

 private:
  // The slot of cod: the one holding it, or the empty one where it would go.
  size_t Posto(std::string_view cod) const;

  std::vector<TCodMdl*> slot_;  // open addressing, a power of two in size, at most two-thirds full
  bool costruito_ = false;
};

}  // namespace rovan
