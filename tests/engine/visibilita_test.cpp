// Which codes of a tab the host sees: model, extended, library and external filters, exclusions.
#include <gtest/gtest.h>

#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

TEST(ModelFilterTest, Table) {
  struct Case {
    const char* modello;
    const char* filtro;
    bool passa;
  } cases[] = {
      {"B", "", true},      {"B", "-", false},       {"B", "A!", true},      {"A", "A!", false},
      {"A", "XA", true},    {"A", "xa", false},      {"A", "XA (M=K)", true}, {"A", " (M=A)", true},
      {"K", "-(E=K)", false}, {"", "anything", true},
  };
  for (const Case& c : cases) EXPECT_EQ(OkFiltroModello(c.modello, c.filtro), c.passa) << c.modello << " / " << c.filtro;
}

class VisibilitaTest : public ListinoTest {
 protected:
  void SetUp() override {
    ListinoTest::SetUp();
    Processo().modalita.clear();
    kalvor::Host::Instance().SetIniFile(folder_.File("kalvor.ini"));
  }
  // An engine over n copies of a price list with codes whose filter texts are given.
  std::unique_ptr<TGestore> Motore(const std::vector<std::string>& filtri, int listini = 1) {
    std::vector<std::string> sql = {"insert into valori (Codice, Descrizione, Caratt, Ordine) values (12, 'Cucine', 1, 2)"};
    for (size_t i = 0; i < filtri.size(); ++i) {
      const std::string cod = "C" + std::to_string(i);
      sql.push_back("insert into composti (Codice, Modello, Filtro) values ('" + cod + "', '_', '" + filtri[i] + "')");
      sql.push_back("insert into legami (Codice, Modello, CodCaratt, CodValori) values ('" + cod + "', '_', 1, 12)");
    }
    for (int i = 0; i < listini; ++i)
      kalvor::Host::Instance().SetText(i == 0 ? "AliasListino" : "AliasListinoSecondario" + std::to_string(i),
                                       "provider=sqlite;Database=" + NuovoListino("v" + std::to_string(n_++) + ".sqlite", sql));
    auto g = std::make_unique<TGestore>(false);
    g->ripristina_da_database();
    return g;
  }
  // The codes of the tab 12 of price list 0 that the host sees, and the log of each hidden one.
  std::string Visibili(TGestore& g, const std::string& esterno = "", bool soloGlobali = true) {
    g.settaAtt(g.getIdLinguettaPerKalvor("12"), -1, esterno);
    g.iteraStartAtt(soloGlobali);
    std::string out;
    bool vis;
    while (g.iteraOKAtt()) out += std::string(g.iteraAtt(vis)->cod()) + " ";
    return out;
  }
  int n_ = 0;
};

TEST_F(VisibilitaTest, ModelAndExtendedFilters) {
  kalvor::Host& host = kalvor::Host::Instance();
  WriteFile(folder_.File("kalvor.ini"), "[init]\nmodalita=K\n");
  host.SetText("LST_FILTRO", " A ");
  host.SetNumber("CMP_FILTRO_ESTESO", 1);
  host.SetText("LST_FILTRO_EXTRA", "X");
  auto g = Motore({"", "-", "A", "B", "A (M=!K)", "A (M=K)", "A (M=K)(E=X)", "A (M=K)(E=Y)", "A (M=!J", "A (4=zz)"});
  EXPECT_EQ(Visibili(*g), "C0 C2 C5 C6 C8 C9 ");
  std::string log;
  EXPECT_FALSE(g->IsVisibilePerFiltri(*g->CercaCodice("C1", false), log));
  EXPECT_EQ(log, "FILTRO MODELLO");
  EXPECT_FALSE(g->IsVisibilePerFiltri(*g->CercaCodice("C4", false), log));
  EXPECT_EQ(log, "FILTRO ESTESO");
  // The mode is read once: under the mode J the negated K part passes.
  Processo().modalita.clear();
  WriteFile(folder_.File("kalvor.ini"), "[init]\nmodalita=J\n");
  EXPECT_TRUE(g->IsVisibilePerFiltri(*g->CercaCodice("C4", false), log));
  EXPECT_FALSE(g->IsVisibilePerFiltri(*g->CercaCodice("C5", false), log));
}

TEST_F(VisibilitaTest, ExternalFilterOverridesValueFilters) {
  auto g = Motore({"ABC", "xABCx", "AB", ""});
  g->CercaCodice("C2", false)->m_Visible = false;  // hidden by a value filter
  EXPECT_EQ(Visibili(*g, "", false), "C0 C1 C3 ");
  EXPECT_EQ(Visibili(*g), "C0 C1 C2 C3 ");  // only the global filters
  EXPECT_EQ(Visibili(*g, "!ABC", false), "C2 C3 ");
  EXPECT_EQ(Visibili(*g, "ABC", false), "C0 C1 ");
  std::string log;
  g->settaAtt(g->getIdLinguettaPerKalvor("12"), -1, "!ABC");
  EXPECT_FALSE(g->IsVisibilePerFiltri(*g->CercaCodice("C0", false), log));
  EXPECT_EQ(log, "FILTRO ESTERNO");
}

TEST_F(VisibilitaTest, PriceListExclusionsAreSubstringTests) {
  kalvor::Host& host = kalvor::Host::Instance();
  host.SetText("LST_FILTRO", "A");
  host.SetText("CMP_FILTRO_MOD_ID_ESCL", "12");
  host.SetText("CMP_VERSIONE_IMMAGINE", "2024");
  auto g = Motore({"B"}, 4);
  const bool attesi[] = {false, true, true, false};  // the principal is never excluded; 1 and 2 occur in "12"
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(g->GetDMMain(i)->m_EsclusoDaFiltroMod, attesi[i]) << i;
    EXPECT_EQ(g->GetDMMain(i)->m_versioneimmagine, "2024");
  }
  std::string log;
  for (const auto& p : g->primarie()) {
    if (p->m_Val != 12) continue;
    EXPECT_EQ(g->IsVisibilePerFiltri(*p->TrovaCodice("C0"), log), attesi[p->m_IdListino]) << p->m_IdListino;
  }
}

TEST_F(VisibilitaTest, FilterLibrary) {
  kalvor::Host& host = kalvor::Host::Instance();
  host.SetNumber("CMP_FILTRO_DLL", 1);
  const std::string dati = folder_.File("filtro.txt");
  WriteFile(dati, "G1\t*\t1\n*\tC2\t2\t#3:NEW\n");
  ScopedEnv env("FILTRO_DATI", dati.c_str());
  auto g = Motore({"G1 (M=K)", "G2", "G2"});
  std::string attr = "old";
  // No InOutDll: everything passes, and the variable is looked up again next time.
  EXPECT_EQ(g->OkFiltroDaDll2("G9", "", "C9", attr), 1);
  // A library that cannot be loaded hides, and is tried again.
  host.SetText("InOutDll", folder_.File("missing.so"));
  EXPECT_EQ(g->OkFiltroDaDll2("G1", "", "C0", attr), 0);
  host.SetText("InOutDll", FILTRO_LIBRARY);
  EXPECT_EQ(Visibili(*g), "C0 C2 ");  // the group is the filter text before its bracket
  std::string log;
  EXPECT_FALSE(g->IsVisibilePerFiltri(*g->CercaCodice("C1", false), log));
  EXPECT_EQ(log, "FILTRO DLL");
  EXPECT_EQ(g->CercaCodice("C2", false)->attributo(), "#3:NEW");  // the library's attribute replaces the code's
  EXPECT_TRUE(g->conFiltroDll());
}

TEST_F(VisibilitaTest, FilterLibraryEntryPoints) {
  kalvor::Host& host = kalvor::Host::Instance();
  const std::string dati = folder_.File("filtro.txt");
  WriteFile(dati, "*\t*\t3\t#1:A\n");
  ScopedEnv env("FILTRO_DATI", dati.c_str());
  struct Case {
    const char* libreria;
    int risultato;
    const char* attributo;
    bool filtroAttivo;
  } cases[] = {
      {FILTRO_LIBRARY, 3, "#1:A", true},
      {FILTRO2_LIBRARY, 3, "x", true},
      {FILTRO1_LIBRARY, 3, "x", true},
      {FILTRO0_LIBRARY, 0, "x", false},  // no entry point: the library flag goes off for good
  };
  for (const Case& c : cases) {
    host.SetNumber("CMP_FILTRO_DLL", 1);
    host.SetText("InOutDll", c.libreria);
    auto g = Motore({"G"});
    std::string attr = "x";
    EXPECT_EQ(g->OkFiltroDaDll2("G", "", "C0", attr), c.risultato) << c.libreria;
    EXPECT_EQ(attr, c.attributo) << c.libreria;
    EXPECT_EQ(g->conFiltroDll(), c.filtroAttivo) << c.libreria;
  }
}

}  // namespace
}  // namespace rovan::test
