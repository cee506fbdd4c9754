// An engine over a small price list, for the tests of hidden, temporary and favourite tabs.
//
// Primary values 12 Cucine and 13 Bagni; under 12 the value 40 Basi, under that 50 Sinistra. A1 lies in
// 12\40\50, A2 in 12\40, B1 in both 12 and 13 (two code objects), the 31-character code kCodiceLungo in 12,
// and X9 has no primary link (an invisible code).
#pragma once

#include <memory>
#include <string>

#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {

inline constexpr const char* kCodiceLungo = "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234";

class LinguetteTest : public ListinoTest {
 protected:
  std::unique_ptr<TGestore> Motore() {
    const std::string lungo = kCodiceLungo;
    const std::string file = NuovoListino(
        "l.sqlite",
        {"insert into valori (Codice, Descrizione, Caratt, Ordine) values (12, 'Cucine', 1, 1), (13, 'Bagni', 1, 2),"
         " (40, 'Basi', 2, 1), (50, 'Sinistra', 3, 1)",
         "insert into caratt (Codice, Descrizione, Gruppo) values (2, 'Tipo', 1), (3, 'Apertura', 1)",
         "insert into ragni2 (CodValore, CodCaratt) values (12, 2), (40, 3)",
         "insert into composti (Codice, Modello, DescrEstesa) values ('A1', '_', 'a'), ('A2', '_', 'a'),"
         " ('B1', '_', 'b'), ('X9', '_', 'x'), ('" + lungo + "', '_', 'l')",
         "insert into legami (Codice, Modello, CodCaratt, CodValori) values ('A1', '_', 1, 12), ('A1', '_', 2, 40),"
         " ('A1', '_', 3, 50), ('A2', '_', 1, 12), ('A2', '_', 2, 40), ('B1', '_', 1, 12), ('B1', '_', 1, 13),"
         " ('" + lungo + "', '_', 1, 12)"});
    Processo().containerMode = false;
    kalvor::Host::Instance().SetText("AliasListino", "provider=sqlite;Database=" + file);
    auto g = std::make_unique<TGestore>(true);
    g->ripristina_da_database();
    return g;
  }
  // The view at a path such as 12\40; fails the test when there is none.
  static TVista& Vista(const TGestore& g, const std::string& path) {
    TVistiPri* pri;
    TVistiSec* sec;
    g.getLinguettaPerId(g.getIdLinguettaPerKalvor(path), pri, sec);
    TVista* v = sec != nullptr ? static_cast<TVista*>(sec) : pri;
    if (v == nullptr) throw std::runtime_error("no tab at " + path);
    return *v;
  }
};

}  // namespace rovan::test
