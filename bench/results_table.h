// The one table of host_bench: a row per measurement; for each size our figure, the bare limit and their
// ratio against the row's target; then the growth of our time from the first size to the last.
#pragma once

#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rovan::bench {

enum class Riga {
  Ripristino, ListaCodici, RicercaSelettiva, RicercaAmpia, Json, Definizioni, Miniature, Memoria, MemoriaResidente, MemoriaAnonima
};

// The key a row travels under from a measuring process ("restore", "codes", ...), and back; nullopt for a
// key no row has.
const char* Chiave(Riga riga);
std::optional<Riga> RigaDaChiave(std::string_view chiave);

struct Misura {
  double nostra = std::numeric_limits<double>::quiet_NaN();  // ms; bytes per code on the memory row
  double nuda = std::numeric_limits<double>::quiet_NaN();    // the bare limit in the same unit; NaN: none
  std::string nota;                                          // what was counted, shown under the table
};

// The measurements of one size.
struct Colonna {
  long long articoli = 0;
  std::map<Riga, Misura> misure;
};

// The table with its notes, as aligned text and as Markdown; runs is the number of runs behind a median.
std::string TabellaTesto(const std::vector<Colonna>& colonne, int runs);
std::string TabellaMarkdown(const std::vector<Colonna>& colonne, int runs);

}  // namespace rovan::bench
