// Sample price lists: a deterministic, realistic catalogue written as an SQLite file at the current table
// version, for demonstrations, tests and benchmarks.
//
// Classification (value keys are unique across characteristics):
//   caratt 1 "Linea" (primary, group 1)      values 1..10: the product lines (Cucine, Soggiorni, ...)
//   caratt 11..20 "Tipologia <line>" (group 2) one per line, five values each, keys 100 + 10*line + t; the
//                                            first level of tabs under that line (ragni2 line -> 10 + line)
//   caratt 3 "Larghezza" (group 2)           301..306; second level under the first three types of each line
//   caratt 5 "Apertura" (group 2)            501, 502; third level under widths 45 and 60
//   caratt 4 "Finitura", 6 "Maniglia" (group 3) filter characteristics of every line (ragni line -> 4, 6)
//   caratt 7 "Elettrodomestico", 8 "Classe" (group 9 "GENERICI") characteristics of the generic items
// Items: codes like "CU-BAS-060-000123"; every 50th has a variant part ("#NOCE"); every 997th has no link to
// the primary characteristic; twenty generic items "GEN-..."; small pictures of every stored kind (bmp, jpg,
// png, wmf, emf, dis) on every 100th item; three languages (EN, DE, FR) with translations; technical data,
// user fields and translations in infaus; actions in infcomp; definitions in CmpBlob; display attributes;
// OrdineCodici rows for the primary and first secondary level; a few pictures by version and attached objects.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace rovan {

struct OpzioniCampione {
  int64_t articoli = 1000;   // items, generic ones excluded
  uint64_t seme = 1;         // the same seed writes the same file
  // Called now and then with the items written so far.
  std::function<void(int64_t scritti, int64_t totale)> avanzamento;
};

// Writes the sample price list to percorso, which must not exist. Throws DatabaseError (or
// std::runtime_error) on failure; a partly written file is removed.
void ScriviListinoCampione(const std::string& percorso, const OpzioniCampione& opzioni);

}  // namespace rovan
