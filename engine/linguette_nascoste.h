// Hidden tabs: rules that keep database tabs out of the host's tree and out of code searches, by base
// description or by path (value keys joined by "\", as TVistiSec::GetPathLinguetta builds them).
//
// The rules are tried in the order they were added and the first that matches a tab decides alone: it hides
// the tab when it names every price list (-1) or the tab's own, and keeps it shown otherwise. So a rule
// bound to one price list, added first, protects the same tab of the other price lists from a later
// general rule.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rovan {

// One rule: a description rule has an empty path, a path rule an empty description.
struct TLinguettaNascosta {
  int m_IdListino = -1;       // -1: every price list
  std::string m_Descrizione;  // base description of the tabs to hide
  std::string m_Path;         // path of the tab to hide
};

class TLinguetteNascoste {
 public:
  void Aggiungi(int idListino, const std::string& descrizione);
  void AggiungiPath(int idListino, const std::string& path);
  void Clear() { m_Linguette.clear(); }
  int Count() const { return static_cast<int>(m_Linguette.size()); }

  // Whether the tab of price list idListino with that base description and path is hidden. A rule matches
  // when its description is not empty and equals descrizione exactly, or else when its path is not empty
  // and equals path exactly. No rule matching: shown.
  bool IsNascosta(int idListino, std::string_view descrizione, std::string_view path) const;

 private:
  std::vector<TLinguettaNascosta> m_Linguette;
};

}  // namespace rovan
