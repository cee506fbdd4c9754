#include "engine/linguette_nascoste.h"

#include <gtest/gtest.h>

#include "tests/engine/linguette_fixture.h"

namespace rovan::test {
namespace {

struct Regola {
  int idListino;
  const char* descrizione;  // a path rule when null
  const char* path;
};

void Aggiungi(TLinguetteNascoste& l, const std::vector<Regola>& regole) {
  l.Clear();
  for (const Regola& r : regole) {
    if (r.descrizione != nullptr)
      l.Aggiungi(r.idListino, r.descrizione);
    else
      l.AggiungiPath(r.idListino, r.path);
  }
}

TEST(LinguetteNascosteTest, TheFirstMatchingRuleDecides) {
  TLinguetteNascoste l;
  Aggiungi(l, {{1, "Cucine", nullptr}, {-1, "Cucine", nullptr}, {2, nullptr, "12\\40"}, {-1, "Bagni", nullptr},
               {-1, nullptr, "13"}});
  struct Case {
    int idListino;
    const char* descrizione;
    const char* path;
    bool nascosta;
  } cases[] = {
      {1, "Cucine", "", true},
      {2, "Cucine", "", false},  // the rule for price list 1 decides before the general one
      {-1, "Cucine", "", false},
      {2, "Basi", "12\\40", true},
      {3, "Basi", "12\\40", false},
      {3, "Basi", "12\\40\\50", false},
      {5, "Bagni", "99", true},
      {5, "Altro", "13", true},
      {5, "cucine", "", false},  // descriptions compare exactly
      {5, "", "", false},        // empty texts match no rule
  };
  for (const Case& c : cases)
    EXPECT_EQ(l.IsNascosta(c.idListino, c.descrizione, c.path), c.nascosta) << c.idListino << " " << c.descrizione << " " << c.path;
  l.Clear();
  EXPECT_FALSE(l.IsNascosta(1, "Cucine", ""));
}

using NascosteTest = LinguetteTest;

TEST_F(NascosteTest, EngineTestsDescriptionsAndTabsWithTheirAncestors) {
  auto g = Motore();
  TLinguetteNascoste& l = g->linguetteNascoste();
  Aggiungi(l, {{0, "Bagni", nullptr}, {-1, "Bagni", nullptr}, {-1, "Basi", nullptr}});
  EXPECT_FALSE(g->IsLinguettaNascostaDescr("Bagni"));  // a rule bound to a price list never hides here
  EXPECT_TRUE(g->IsLinguettaNascostaDescr("Basi"));
  EXPECT_FALSE(g->IsLinguettaNascostaDescr("Cucine"));

  struct Case {
    std::vector<Regola> regole;
    const char* tab;
    int idListino;
    bool nascosta;
  } cases[] = {
      {{{-1, "Cucine", nullptr}}, "12\\40\\50", 0, true},  // by the primary
      {{{-1, nullptr, "12"}}, "12\\40", 0, true},          // the primary's path is its value key
      {{{-1, nullptr, "12\\40"}}, "12\\40\\50", 0, true},  // by an ancestor's path
      {{{-1, nullptr, "12\\40"}}, "12\\40", 0, true},
      {{{-1, nullptr, "12\\40"}}, "12", 0, false},  // never by a descendant
      {{{-1, "Sinistra", nullptr}}, "12\\40\\50", 0, true},
      {{{-1, "Sinistra", nullptr}}, "12\\40", 0, false},
      {{{0, "Basi", nullptr}}, "12\\40\\50", 0, true},
      {{{0, "Basi", nullptr}}, "12\\40\\50", 1, false},
      // The primary's deciding rule keeps it shown, yet a lower level can still hide the tab.
      {{{1, "Cucine", nullptr}, {-1, "Cucine", nullptr}, {-1, "Sinistra", nullptr}}, "12\\40\\50", 0, true},
      {{{1, "Cucine", nullptr}, {-1, "Cucine", nullptr}}, "12\\40\\50", 0, false},
  };
  for (const Case& c : cases) {
    Aggiungi(l, c.regole);
    EXPECT_EQ(g->IsLinguettaNascostaId(Vista(*g, c.tab).id(), c.idListino), c.nascosta) << c.tab << " " << c.idListino;
  }
  Aggiungi(l, {{-1, "Cucine", nullptr}});
  EXPECT_FALSE(g->IsLinguettaNascostaId(999, 0));
}

}  // namespace
}  // namespace rovan::test
