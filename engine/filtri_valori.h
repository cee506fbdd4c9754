// Value filters: the characteristics that may filter a tab (TListaCarattFiltri, from table ragni) and one
// applied value filter (TCoppia). Filters combine as a logical AND and are applied again from scratch when
// one changes.
#pragma once

#include <string>
#include <vector>

namespace rovan {

class TDMMain;

// One applied value filter of a primary view.
struct TCoppia {
  int c;             // characteristic key
  int v;             // value key
  std::string desC;  // characteristic description
  std::string desV;  // value description
};

class TListaCarattFiltri {
 public:
  // Empties the list and marks it unread.
  void Reset();
  // Reads the filter characteristics of the value val from dm (table ragni); never for a web price list.
  void RiempiListaCarattFiltri(TDMMain& dm, int val);
  bool IsPresente(int codcar) const;
  // The keys in decimal joined by ",".
  std::string GetElenco() const;
  bool IsInizializzata() const { return m_isInizializzata; }
  const std::vector<int>& caratt() const { return m_listaCaratt; }

 private:
  std::vector<int> m_listaCaratt;
  bool m_isInizializzata = false;
};

}  // namespace rovan
