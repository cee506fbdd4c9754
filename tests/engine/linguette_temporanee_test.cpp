#include "engine/linguette_temporanee.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "tests/engine/linguette_fixture.h"

namespace rovan::test {
namespace {

constexpr const char* kBom = "\xEF\xBB\xBF";

// Each tab as "id<parent description:codes", the parent "-" when there is none.
std::vector<std::string> Descrivi(const TLinguetteTemporanee& l) {
  std::vector<std::string> out;
  for (int i = 0; i < l.Count(); ++i) {
    const TLinguettaTemporanea* lin = l.Item(i);
    std::string s = std::to_string(lin->id()) + "<" + (lin->padre() ? std::to_string(lin->padre()->id()) : "-") +
                    " " + lin->m_Descrizione + ":";
    for (size_t k = 0; k < lin->codici().size(); ++k) s += (k > 0 ? "," : "") + std::string(lin->codici()[k]->cod());
    out.push_back(s);
  }
  return out;
}

std::vector<std::string> Codici(const TLinguettaTemporanea& lin) {
  std::vector<std::string> out;
  for (const TCodMdl* cm : lin.codici()) out.emplace_back(cm->cod());
  return out;
}

using TemporaneeTest = LinguetteTest;

TEST_F(TemporaneeTest, TabsParentsAndCodes) {
  auto g = Motore();
  TVista& v12 = Vista(*g, "12");
  TCodMdl* a1 = v12.codici().TrovaPerCodice("A1");
  TCodMdl* a2 = v12.codici().TrovaPerCodice("A2");
  TLinguetteTemporanee l(*g, LIN_TEMPORANEE, "");
  EXPECT_EQ(l.Add("R", -1), 0);
  EXPECT_EQ(l.Add("F", 0), 1);
  EXPECT_EQ(l.Add("G", 7), 2);  // not a position: no parent
  EXPECT_EQ(l.Add("H", 1), 3);
  l.AddCodice(3, a1);
  l.AddCodice(3, a1);  // the same code object is kept once
  l.AddCodice(1, a2);
  l.AddCodice(9, a2);  // not a tab
  EXPECT_EQ(Descrivi(l), (std::vector<std::string>{"0<- R:", "1<0 F:A2", "2<- G:", "3<1 H:A1"}));
  EXPECT_EQ(l.ContaLinguetteFiglie(0), 1);
  EXPECT_EQ(l.ContaLinguetteFiglie(1), 1);
  EXPECT_EQ(l.ContaLinguetteFiglie(3), 0);
  EXPECT_EQ(l.ContaCodici(1), 1);
  EXPECT_EQ(l.ContaCodici(9), 0);
  EXPECT_EQ(l.Item(-1), nullptr);
  EXPECT_EQ(l.Item(4), nullptr);

  struct Case {
    int linguetta, codice;
    TCodMdl* atteso;
  } cases[] = {
      {3, 0, a1}, {3, 1, nullptr}, {3, -1, nullptr}, {9, 0, nullptr},
      {1, 0, nullptr},  // a tab with child tabs shows no codes
  };
  for (const Case& c : cases) EXPECT_EQ(l.DammiCodice(c.linguetta, c.codice), c.atteso) << c.linguetta << "/" << c.codice;
}

TEST_F(TemporaneeTest, CodesOfATabMoveAndGo) {
  auto g = Motore();
  TCodMdl* b1di13 = Vista(*g, "13").codici().TrovaPerCodice("B1");
  struct Case {
    const char* nome;
    void (*op)(TLinguettaTemporanea&);
    std::vector<std::string> attesi;
  } cases[] = {
      {"to the front", [](TLinguettaTemporanea& l) { l.SettaPosizione("B1", 0); }, {"B1", "A1", "A2", "B1"}},
      {"to the end", [](TLinguettaTemporanea& l) { l.SettaPosizione("A1", 3); }, {"A2", "B1", "B1", "A1"}},
      {"beyond the end", [](TLinguettaTemporanea& l) { l.SettaPosizione("A1", 4); }, {"A1", "A2", "B1", "B1"}},
      {"unknown code", [](TLinguettaTemporanea& l) { l.SettaPosizione("Z", 0); }, {"A1", "A2", "B1", "B1"}},
      {"delete the first match", [](TLinguettaTemporanea& l) { l.DelCodice("B1"); }, {"A1", "A2", "B1"}},
      {"delete compares exactly", [](TLinguettaTemporanea& l) { l.DelCodice("A"); }, {"A1", "A2", "B1", "B1"}},
      {"clear", [](TLinguettaTemporanea& l) { l.Clear(); }, {}},
  };
  for (const Case& c : cases) {
    TLinguetteTemporanee l(*g, LIN_TEMPORANEE, "");
    l.Add("T", -1);
    for (const char* cod : {"A1", "A2", "B1"}) l.AddCodice(0, Vista(*g, "12").codici().TrovaPerCodice(cod));
    l.AddCodice(0, b1di13);
    c.op(*l.Item(0));
    EXPECT_EQ(Codici(*l.Item(0)), c.attesi) << c.nome;
  }
  // DelCodice removed the first B1, the one of view 12.
  TLinguetteTemporanee l(*g, LIN_TEMPORANEE, "");
  l.Add("T", -1);
  l.AddCodice(0, Vista(*g, "12").codici().TrovaPerCodice("B1"));
  l.AddCodice(0, b1di13);
  l.Item(0)->DelCodice("B1");
  EXPECT_EQ(l.DammiCodice(0, 0), b1di13);
  EXPECT_NE(Vista(*g, "12").codici().TrovaPerCodice("B1"), nullptr);  // the view still owns its code
}

TEST_F(TemporaneeTest, RemovingRenumbersAndNeverTakesTheRoot) {
  auto g = Motore();
  TLinguetteTemporanee l(*g, LIN_PREFERITI, "P");
  for (const char* d : {"R", "T1", "T2", "T3", "T4"}) l.Add(d, 0);
  l.Rimuovi(l.Item(0));
  EXPECT_EQ(l.Count(), 5);
  TLinguetteTemporanee altra(*g, LIN_PREFERITI, "P");
  altra.Add("R", -1);
  altra.Add("X", 0);
  l.Rimuovi(altra.Item(1));
  EXPECT_EQ(l.Count(), 5);

  l.Rimuovi(l.Item(2));
  EXPECT_EQ(Descrivi(l), (std::vector<std::string>{"0<- R:", "1<0 T1:", "2<0 T3:", "3<0 T4:"}));
  // A removed tab's children move up to its parent.
  l.Add("C", 2);
  l.Rimuovi(l.Item(2));
  EXPECT_EQ(Descrivi(l), (std::vector<std::string>{"0<- R:", "1<0 T1:", "2<0 T4:", "3<0 C:"}));
}

TEST_F(TemporaneeTest, EngineTemporaryTabs) {
  auto g = Motore();
  TLinguetteTemporanee& t = g->linguetteTemporanee();
  EXPECT_EQ(t.tipoLin(), LIN_TEMPORANEE);
  EXPECT_EQ(t.deltaLinguetta(), 100000);
  EXPECT_EQ(t.m_Posizione, plFine);
  EXPECT_EQ(t.Count(), 0);  // no root
  EXPECT_EQ(g->linguettePreferiti().tipoLin(), LIN_PREFERITI);
  EXPECT_EQ(g->linguettePreferiti().deltaLinguetta(), 200000);
  EXPECT_EQ(g->linguettePreferiti().m_Posizione, plInizio);
  g->SettaPosizioneLinguetteTemporanea(true);
  EXPECT_EQ(t.m_Posizione, plInizio);
  g->SettaPosizioneLinguetteTemporanea(false);
  EXPECT_EQ(t.m_Posizione, plFine);

  EXPECT_EQ(g->AddLinguettaTemporanea("A", -1), 0);
  EXPECT_EQ(g->AddLinguettaTemporanea("B", 0), 1);
  EXPECT_EQ(t.Item(1)->padre(), t.Item(0));
  // B1 lies in views 12 and 13: the first in primary-view order is taken; X9 is found among the invisible.
  for (const char* cod : {"B1", "X9", "B1", "ZZ", kCodiceLungo}) g->AddCodiceSuLinguettaTemporanea(1, cod);
  g->AddCodiceSuLinguettaTemporanea(2, "A1");
  EXPECT_EQ(Descrivi(t), (std::vector<std::string>{"0<- A:", "1<0 B:B1,X9"}));
  EXPECT_EQ(t.DammiCodice(1, 0), Vista(*g, "12").codici().TrovaPerCodice("B1"));

  g->SvuotaLinguetteTemporanee();
  EXPECT_EQ(t.Count(), 0);
  g->AddLinguettaTemporanea("A", -1);
  g->Reset();
  EXPECT_EQ(t.Count(), 0);
}

TEST_F(TemporaneeTest, SavesTheFavouritesFileAndLoadsItBack) {
  kalvor::Host::Instance().SetCollectionName("Cucine");
  auto g = Motore();
  TLinguetteTemporanee& p = g->linguettePreferiti();
  ASSERT_EQ(p.nome(), "Cucine");
  p.CaricaDaFile("");  // no file yet: the root alone
  EXPECT_EQ(Descrivi(p), (std::vector<std::string>{"0<- Preferiti:"}));
  p.AddCodice(p.Add("Mia cartella", 0), g->CercaCodice("A1", false));
  p.SalvaSuFile("");
  const std::string file = folder_.File(".pref_Cucine");
  EXPECT_EQ(p.GetNomeFile(), file);
  EXPECT_EQ(ReadFile(file), std::string(kBom) + "0|0|Preferiti\r\n1|0|Mia cartella\r\nCODICI\r\n1|A1\r\n");

  p.Clear();
  p.CaricaDaFile("");
  EXPECT_EQ(Descrivi(p), (std::vector<std::string>{"0<- Preferiti:", "1<0 Mia cartella:A1"}));
  EXPECT_EQ(p.DammiCodice(1, 0), Vista(*g, "12").codici().TrovaPerCodice("A1"));
}

TEST_F(TemporaneeTest, LoadRules) {
  auto g = Motore();
  const std::string lungo = kCodiceLungo;
  struct Case {
    const char* nome;
    std::string testo;
    std::vector<std::string> attesi;
  } cases[] = {
      {"tabs 1, 2, 4: the load ends at 4, codes included",
       std::string(kBom) + "0|0|Radice\r\n1|0|A\r\n2|1|B\r\n4|0|C\r\n3|0|D\r\nCODICI\r\n1|A1\r\n",
       {"0<- Preferiti:", "1<0 A:", "2<1 B:"}},
      {"parents below 0 or not a number are the root; beyond the list none",
       "1|-5|A\r\n2|x|B\r\n3|9|C\r\n", {"0<- Preferiti:", "1<0 A:", "2<0 B:", "3<- C:"}},
      {"codes trimmed, kept once, unknown, too long or of no tab dropped, invisible found",
       "1|0| Cucina | resto\r\nCODICI\r\n 1 | A1 \r\n1|A1\r\n1|ZZ\r\n1|" + lungo + "\r\n1|X9\r\n9|A2\r\n1|B1|x\r\n",
       {"0<- Preferiti:", "1<0 Cucina:A1,X9,B1"}},
      {"line feeds alone, no mark; lines whose id is 0 or not a number skipped",
       "\n1|0|A\nx|0|N\n\n2|0|B|C\nCODICI\n2|A2", {"0<- Preferiti:", "1<0 A:", "2<0 B:A2"}},
      {"fewer fields give empty values", "1\r\n2|1\r\nCODICI\r\n2\r\n", {"0<- Preferiti:", "1<0 :", "2<1 :"}},
  };
  const std::string file = folder_.File("p.txt");
  for (const Case& c : cases) {
    WriteFile(file, c.testo);
    g->linguettePreferiti().CaricaDaFile(file);
    EXPECT_EQ(Descrivi(g->linguettePreferiti()), c.attesi) << c.nome;
  }
  // The same code text in two views: the one of the first primary view.
  WriteFile(file, "1|0|A\r\nCODICI\r\n1|B1\r\n");
  g->linguettePreferiti().CaricaDaFile(file);
  EXPECT_EQ(g->linguettePreferiti().DammiCodice(1, 0), Vista(*g, "12").codici().TrovaPerCodice("B1"));
  // A missing file leaves the root alone.
  g->linguettePreferiti().CaricaDaFile(folder_.File("nessuno"));
  EXPECT_EQ(Descrivi(g->linguettePreferiti()), (std::vector<std::string>{"0<- Preferiti:"}));
}

TEST_F(TemporaneeTest, FileNameStaysInTheBaseFolder) {
  struct Case {
    const char* collezione;
    const char* file;
  } cases[] = {{"Cucine", ".pref_Cucine"}, {"../su/giu", ".pref____su_giu"}, {"a\\b", ".pref_a_b"}, {"", ".pref_"}};
  for (const Case& c : cases) {
    kalvor::Host::Instance().SetCollectionName(c.collezione);
    TGestore g(true);
    g.linguettePreferiti().SalvaSuFile("");
    EXPECT_EQ(g.linguettePreferiti().GetNomeFile(), folder_.File(c.file)) << c.collezione;
    EXPECT_TRUE(std::filesystem::is_regular_file(folder_.File(c.file))) << c.collezione;
  }
}

TEST_F(TemporaneeTest, AFileThatCannotBeWrittenRaises) {
  kalvor::Host::Instance().SetCollectionName("Cucine");
  TGestore g(true);
  TLinguetteTemporanee& p = g.linguettePreferiti();
  p.CaricaDaFile("");
  std::filesystem::create_directory(p.GetNomeFile());  // a folder in the file's place
  EXPECT_THROW(p.SalvaSuFile(""), std::runtime_error);
  EXPECT_THROW(p.SalvaSuFile(folder_.File("manca/p.txt")), std::runtime_error);
  EXPECT_TRUE(std::filesystem::is_directory(p.GetNomeFile()));
  EXPECT_FALSE(std::filesystem::exists(p.GetNomeFile() + ".tmp"));
}

}  // namespace
}  // namespace rovan::test
