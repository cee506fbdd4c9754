// Value filters, the filter lists for the host, code search and counting.
#include <gtest/gtest.h>

#include "engine/URovanCodici.h"
#include "engine/UFiltri.h"
#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

// Primary 12 with secondary leaves 40 and 41; filter characteristics 4 (finish) and 5 (handle) on 12 and
// 40, only 4 on 41. Codes: AB, AB#1, ABC under 40; XY under 41; NOCE1 under 40.
const std::vector<std::string> kListino = {
    "insert into caratt (Codice, Descrizione, Gruppo, Descr1) values (2, 'Tipo', 1, NULL), (4, 'Finitura', 1, 'Finish'),"
    " (5, 'Maniglia', 1, NULL)",
    "insert into valori (Codice, Descrizione, Caratt, Ordine, Descr1) values (12, 'Cucine', 1, 2, NULL),"
    " (40, 'Basi', 2, 1, NULL), (41, 'Pensili', 2, 2, NULL), (401, 'Noce', 4, 1, 'Walnut'), (402, 'Rovere', 4, 2, NULL),"
    " (501, 'Gola', 5, 1, NULL)",
    "insert into ragni2 (CodValore, CodCaratt) values (12, 2)",
    "insert into ragni (CodValore, CodCaratt) values (12, 4), (12, 5), (40, 4), (40, 5), (41, 4)",
    "insert into composti (Codice, Modello, DescrEstesa, Filtro) values ('AB', '_', 'Base alta', 'A'),"
    " ('AB#1', '_', 'Base alta noce', 'A'), ('ABC', '_', 'Base bassa', 'A'), ('XY', '_', 'Pensile', 'B'),"
    " ('NOCE1', '_', 'Base noce', '-')",
    "insert into infaus (Codice, Modello, User2) values ('XY', '_', 'speciale'), ('AB#1', '_', 'v1'), ('AB', '_', 'v1')",
    "insert into legami (Codice, Modello, CodCaratt, CodValori) values"
    " ('AB', '_', 1, 12), ('AB', '_', 2, 40), ('AB', '_', 4, 401),"
    " ('AB#1', '_', 1, 12), ('AB#1', '_', 2, 40), ('AB#1', '_', 4, 402), ('AB#1', '_', 5, 501),"
    " ('ABC', '_', 1, 12), ('ABC', '_', 2, 40), ('ABC', '_', 4, 402),"
    " ('XY', '_', 1, 12), ('XY', '_', 2, 41), ('XY', '_', 4, 402),"
    " ('NOCE1', '_', 1, 12), ('NOCE1', '_', 2, 40), ('NOCE1', '_', 4, 401), ('NOCE1', '_', 5, 501)",
};

class NavigazioneTest : public ListinoTest {
 protected:
  std::unique_ptr<TGestore> Motore() {
    kalvor::Host::Instance().SetText("AliasListino", "provider=sqlite;Database=" + NuovoListino("n.sqlite", kListino));
    auto g = std::make_unique<TGestore>(false);
    g->ripristina_da_database();
    return g;
  }
  // The visible codes of a tab, by path, as the code iteration gives them.
  static std::string Codici(TGestore& g, const std::string& path) {
    g.settaAtt(g.getIdLinguettaPerKalvor(path), -1, "");
    g.iteraStartAtt(false);
    std::string out;
    bool vis;
    while (g.iteraOKAtt()) out += std::string(g.iteraAtt(vis)->cod()) + " ";
    return out;
  }
  static std::string Trovati(TGestore& g, const std::string& impronta, bool suDes = false) {
    // The list is given back by its reference count, also when the search throws.
    std::unique_ptr<TRovanCodici, void (*)(TRovanCodici*)> r(new TRovanCodici, [](TRovanCodici* l) { l->Release(); });
    g.FindCodici(*r, impronta, suDes);
    std::string out;
    for (int i = 0; i < r->Count(); ++i) out += std::string(r->CodiceListino(i)->codice()) + " ";
    return out;
  }
};

TEST_F(NavigazioneTest, ValueFilters) {
  auto g = Motore();
  EXPECT_EQ(Codici(*g, "12\\40"), "AB AB#1 ABC NOCE1 ");
  g->AggAttFil(4, 401, "Finitura", "Noce");
  EXPECT_EQ(Codici(*g, "12\\40"), "AB NOCE1 ");
  EXPECT_EQ(Codici(*g, "12\\41"), "");                // 41 filters by finish too
  g->AggAttFil(5, 501, "Maniglia", "Gola");             // AND with the finish
  EXPECT_EQ(Codici(*g, "12\\40"), "NOCE1 ");
  EXPECT_EQ(Codici(*g, "12\\41"), "");                  // 41 has no handle filter: unchanged by it
  g->AggAttFil(4, 402, "Finitura", "Rovere");           // replaces the finish filter
  EXPECT_EQ(Codici(*g, "12\\40"), "AB#1 ");
  EXPECT_EQ(Codici(*g, "12\\41"), "XY ");
  g->ElAttFilCod(5, 501);
  EXPECT_EQ(Codici(*g, "12\\40"), "AB#1 ABC ");
  g->ElAttFil("Finitura", "Rovere");
  EXPECT_EQ(Codici(*g, "12\\40"), "AB AB#1 ABC NOCE1 ");
  g->AggAttFilDes("Finitura", "Noce");                  // keys found by description
  EXPECT_EQ(Codici(*g, "12\\40"), "AB NOCE1 ");
  g->AggAttFilDes("Nessuna", "Noce");                   // an unknown characteristic hides nothing
  int tot = 0, filtrati = 0;
  tot = g->ContaCodiciGes(-1, g->getIdLinguettaPerKalvor("12\\40"), filtrati);
  EXPECT_EQ(std::make_pair(tot, filtrati), std::make_pair(4, 2));
  EXPECT_EQ(g->ContaCodiciGes(g->getIdLinguettaPerKalvor("12"), -1, filtrati), 0);  // a primary with children
  EXPECT_EQ(g->ContaCodiciGes(999, -1, filtrati), 0);
  g->ElTuttiFil();
  EXPECT_EQ(Codici(*g, "12\\40"), "AB AB#1 ABC NOCE1 ");
}

TEST_F(NavigazioneTest, FilterListsForTheHost) {
  auto g = Motore();
  g->settaAtt(g->getIdLinguettaPerKalvor("12"), g->getIdLinguettaPerKalvor("12\\40"), "");
  auto* filtri = TRovanFiltri::Crea();
  g->DammiFiltriAtt(*filtri);
  ASSERT_EQ(filtri->Count(), 2);
  EXPECT_EQ(filtri->Codice(0), 4);
  EXPECT_EQ(filtri->DammiValori(0)->Count(), 2);
  EXPECT_EQ(filtri->DammiValori(0)->IsCaratt(), 0);
  EXPECT_STREQ(filtri->DammiValori(0)->Nome(0), "Noce");
  filtri->Release();

  g->AggAttFil(4, 401, "Finitura", "Noce");
  g->AggAttFil(2, 41, "Tipo", "Pensili");  // not a filter characteristic of 40: not listed
  auto* settati = TRovanFiltri::Crea();
  g->DammiFiltriSettatiAtt(*settati);
  ASSERT_EQ(settati->Count(), 1);
  EXPECT_STREQ(settati->Nome(0), "Finitura");
  EXPECT_STREQ(settati->DammiValori(0)->Nome(0), "Noce");
  settati->Release();
}

TEST_F(NavigazioneTest, Search) {
  auto g = Motore();
  ContainerSwitches& s = Processo().switches;
  s.cercaNonVisibili = true;
  struct Case {
    const char* impronta;
    bool suDes;
    const char* attesi;
  } cases[] = {
      {"ab*", false, "AB AB#1 ABC "},   {"a?", false, "AB "},           {"[a-b]*", false, "AB AB#1 ABC "},
      {"*#?", false, "AB#1 "},          {"[!a]*", false, "NOCE1 XY "},  {"*noce", true, "AB#1 NOCE1 "},
      {"[xn]*", false, "NOCE1 XY "},
  };
  for (const Case& c : cases) EXPECT_EQ(Trovati(*g, c.impronta, c.suDes), c.attesi) << c.impronta;
  EXPECT_THROW(Trovati(*g, "[ab"), std::invalid_argument);

  s.cercaSuUser = true;
  EXPECT_EQ(Trovati(*g, "spec*"), "XY ");
  s.cercaSuUser = false;
  EXPECT_EQ(Trovati(*g, "spec*"), "");

  // The maximum stops the search in the middle of a tab.
  Processo().massimoRicerca = 2;
  EXPECT_EQ(Trovati(*g, "*"), "AB AB#1 ");
  Processo().massimoRicerca = 0;

  // Codes outside the model filter: kept (marked) unless excluded by the option or a "#" part.
  kalvor::Host::Instance().SetText("LST_FILTRO", "A");
  g->SettaFiltro();
  auto* r = new TRovanCodici;
  g->FindCodici(*r, "*", false);
  std::string esiti;
  for (int i = 0; i < r->Count(); ++i)
    esiti += std::string(r->CodiceListino(i)->codice()) + (r->CodiceListino(i)->m_is_attivo_in_modello ? "+ " : "- ");
  r->Release();
  EXPECT_EQ(esiti, "AB+ AB#1+ ABC+ NOCE1- XY- ");
  s.cercaNonVisibili = false;
  EXPECT_EQ(Trovati(*g, "*"), "AB AB#1 ABC ");

  // Codes of hidden tabs (or of tabs below a hidden one) are not found.
  g->linguetteNascoste().Aggiungi(-1, "Basi");
  EXPECT_EQ(Trovati(*g, "*"), "");
  g->linguetteNascoste().Clear();
  g->linguetteNascoste().AggiungiPath(-1, "12");
  s.cercaNonVisibili = true;
  EXPECT_EQ(Trovati(*g, "*"), "");
}

TEST_F(NavigazioneTest, VariantCodesAndLookups) {
  auto g = Motore();
  EXPECT_EQ(g->CercaCodiciCancelletto("AB", 0, ""), (std::vector<std::string>{"AB", "AB#1"}));
  EXPECT_EQ(g->CercaCodiciCancelletto("AB", 2, "v1"), (std::vector<std::string>{"AB", "AB#1"}));
  EXPECT_EQ(g->CercaCodiciCancelletto("XY", 2, "v1"), std::vector<std::string>{});
  EXPECT_EQ(g->CercaCodiciCancelletto(std::string(31, 'A'), 0, ""), std::vector<std::string>{});
  EXPECT_EQ(g->CercaCodice(std::string(31, 'A'), true), nullptr);

  int carP, valP, carS, valS;
  g->getCodiciAtt(g->getIdLinguettaPerKalvor("12"), g->getIdLinguettaPerKalvor("12\\41"), carP, valP, carS, valS);
  EXPECT_EQ(std::vector<int>({carP, valP, carS, valS}), std::vector<int>({1, 12, 2, 41}));
  g->settaAtt(-1, g->getIdLinguettaPerKalvor("12\\41"), "");
  EXPECT_EQ(std::vector<int>({g->CarPriAtt(), g->ValPriAtt(), g->CarSecAtt(), g->ValSecAtt()}),
            std::vector<int>({1, 12, 2, 41}));
  g->settaAtt(12345, -1, "");
  EXPECT_EQ(g->CarPriAtt(), -1);

  g->iteraStartValoriPri();
  std::string primarie;
  while (g->iteraOKValoriPri()) primarie += g->iteraValoriPri() + " ";
  EXPECT_EQ(primarie, "Cucine ");
}

// A code two primary tabs share is found in the first tab in order; codes of no tab come last, only when
// asked for.
TEST_F(NavigazioneTest, LookupsFindTheFirstCodeInTabOrder) {
  kalvor::Host::Instance().SetText(
      "AliasListino",
      "provider=sqlite;Database=" +
          NuovoListino("l.sqlite",
                       {"insert into valori (Codice, Descrizione, Caratt, Ordine) values (12, 'Cucine', 1, 2),"
                        " (13, 'Bagni', 1, 1)",
                        "insert into composti (Codice, Modello, DescrEstesa) values ('D', '_', 'Doppio'),"
                        " ('S', '_', 'Solo'), ('INV', '_', 'Senza tab')",
                        "insert into legami (Codice, Modello, CodCaratt, CodValori) values ('D', '_', 1, 12),"
                        " ('D', '_', 1, 13), ('S', '_', 1, 12)"}));
  TGestore g(false);
  g.ripristina_da_database();
  ASSERT_EQ(g.primarie().size(), 2u);
  ASSERT_EQ(g.primarie()[0]->m_Val, 13);
  EXPECT_EQ(g.CercaCodice("D", false), g.primarie()[0]->TrovaCodice("D"));
  EXPECT_NE(g.CercaCodice("D", false), g.primarie()[1]->TrovaCodice("D"));
  EXPECT_EQ(g.CercaCodice("S", false), g.primarie()[1]->TrovaCodice("S"));
  EXPECT_EQ(g.CercaCodice("INV", false), nullptr);
  ASSERT_NE(g.CercaCodice("INV", true), nullptr);
  EXPECT_EQ(g.CercaCodice("INV", true)->descr(), "Senza tab");
  EXPECT_EQ(g.CercaCodice("d", true), nullptr);  // exact, case included
  g.Reset();
  EXPECT_EQ(g.CercaCodice("D", true), nullptr);
}

TEST_F(NavigazioneTest, TemporaryAndFavouriteTabsAsCurrentTab) {
  auto g = Motore();
  const int cartella = g->AddLinguettaTemporanea("Scelti", -1);
  const int figlia = g->AddLinguettaTemporanea("Dentro", cartella);
  g->AddCodiceSuLinguettaTemporanea(figlia, "XY");
  g->AddCodiceSuLinguettaTemporanea(figlia, "AB");
  g->AddCodiceSuLinguettaTemporanea(figlia, "NONE");
  // The database tab stays current underneath.
  g->settaAtt(-1, g->getIdLinguettaPerKalvor("12\\41"), "");
  auto codici = [&](int id, const std::string& esterno) {
    g->settaAtt(id, -1, esterno);
    g->iteraStartAtt(true);
    std::string out;
    bool vis = false;
    while (g->iteraOKAtt()) {
      out += std::string(g->iteraAtt(vis)->cod()) + " ";
      EXPECT_TRUE(vis);
    }
    return out;
  };
  EXPECT_EQ(codici(100000 + figlia, ""), "XY AB ");
  EXPECT_EQ(codici(100000 + figlia, "!B"), "AB ");   // the external filter still applies
  EXPECT_EQ(codici(100000 + cartella, ""), "");       // a tab with child tabs shows no codes
  EXPECT_EQ(codici(200000 + 3, ""), "");              // no such favourite
  EXPECT_EQ(g->ValSecAtt(), 41);
}

}  // namespace
}  // namespace rovan::test
