#include "engine/gestore.h"

#include <gtest/gtest.h>

#include "engine/json_writer.h"
#include "plugin/process_state.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

// A small classification: primary values 12 Cucine, 13 Bagni, 14 Vuoto (no codes); under 12 the secondary
// values 40 and 41, under 40 the value 50. Code B1 is in both 12 and 13; X9 has no primary link.
const std::vector<std::string> kClassificazione = {
    "insert into valori (Codice, Descrizione, Caratt, Ordine, Descr1) values (12, 'Cucine', 1, 1, 'Kitchens'),"
    " (13, 'Bagni', 1, 2, NULL), (14, 'Vuoto', 1, 3, NULL), (40, 'Basi \"A\"', 2, 1, NULL), (41, 'Pensili', 2, 2, NULL),"
    " (50, 'Sinistra', 3, 1, NULL)",
    "insert into caratt (Codice, Descrizione, Gruppo) values (2, 'Tipo', 1), (3, 'Apertura', 1)",
    "insert into ragni2 (CodValore, CodCaratt) values (12, 2), (40, 3)",
    "insert into composti (Codice, Modello, DescrEstesa, Filtro, FiltroModalita, FiltroEsteso, TipoBitMap, Attributo)"
    " values ('A1', '_', 'Base \"uno\"', 'F1', 'M', ' E', 'png', ' #2:AB '), ('A2', '_', 'Base due', '', NULL, NULL, NULL, NULL),"
    " ('A3', '_', 'Pensile', NULL, NULL, NULL, NULL, NULL), ('B1', '_', 'Lavabo', NULL, NULL, NULL, NULL, NULL),"
    " ('B2', '_', 'Specchio', NULL, NULL, NULL, NULL, NULL), ('X9', '_', 'Invisibile', NULL, NULL, NULL, NULL, NULL)",
    "insert into infaus (Codice, Modello, XReale, YReale, Prezzo, CodProduttore, User1, Descr1, TipoFoto) values"
    " ('A1', '_', 600, 0.005, 0.02, 'P1', ' u1 ', ' One ', 'jpg')",
    "insert into legami (Codice, Modello, CodCaratt, CodValori) values ('A1', '_', 1, 12), ('A1', '_', 2, 40),"
    " ('A1', '_', 3, 50), ('A2', '_', 1, 12), ('A2', '_', 2, 40), ('A3', '_', 1, 12), ('A3', '_', 2, 41),"
    " ('B1', '_', 1, 12), ('B1', '_', 1, 13), ('B2', '_', 1, 13)",
    "insert into OrdineCodici (ValPri, ValSec, Codice, Ordine) values (0, 13, 'B2', 1), (0, 13, 'B1', 2)",
};

class GestoreTest : public ListinoTest {
 protected:
  std::unique_ptr<TGestore> Motore(const std::vector<std::string>& connessioni, bool cartelleVuote = true) {
    Processo().containerMode = false;
    for (size_t i = 0; i < connessioni.size(); ++i)
      kalvor::Host::Instance().SetText(i == 0 ? "AliasListino" : "AliasListinoSecondario" + std::to_string(i), connessioni[i]);
    auto g = std::make_unique<TGestore>(cartelleVuote);
    g->ripristina_da_database();
    return g;
  }
  std::string Listino(const std::string& nome, std::vector<std::string> extra = {}) {
    std::vector<std::string> sql = kClassificazione;
    sql.insert(sql.end(), extra.begin(), extra.end());
    return "provider=sqlite;Database=" + NuovoListino(nome, sql);
  }
  static std::vector<std::string> Codici(const TVista& v) {
    std::vector<std::string> out;
    for (const TCodMdl* cm : v.codici().items()) out.emplace_back(cm->cod());
    return out;
  }
};

TEST_F(GestoreTest, TreeIdsPathsAndCodes) {
  auto g = Motore({Listino("a.sqlite")});
  ASSERT_EQ(g->primarie().size(), 4u);  // the value 1 of a new price list, 12, 13, 14
  // Ids follow creation order, secondary views depth first right after their primary.
  struct Case {
    const char* path;
    int id;
    std::vector<std::string> codici;
  } cases[] = {
      {"12", 1, {"A1", "A2", "A3", "B1"}}, {"12\\40", 2, {"A1", "A2"}}, {"12\\40\\50", 3, {"A1"}},
      {"12\\41", 4, {"A3"}},               {"13", 5, {"B2", "B1"}},    {"14", 6, {}},
      {"12\\99", -1, {}},                  {"x", -1, {}},
  };
  for (const Case& c : cases) {
    const int id = g->getIdLinguettaPerKalvor(c.path);
    EXPECT_EQ(id, c.id) << c.path;
    if (id < 0) continue;
    EXPECT_EQ(g->GetPathLinguetta(id), c.path);
    TVistiPri* pri;
    TVistiSec* sec;
    g->getLinguettaPerId(id, pri, sec);
    const TVista* v = sec != nullptr ? static_cast<TVista*>(sec) : pri;
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(Codici(*v), c.codici) << c.path;
  }
  // A code under two primary values is two objects; secondary views share the primary's objects.
  TVistiPri *p12, *p13;
  TVistiSec* s;
  g->getLinguettaPerId(1, p12, s);
  g->getLinguettaPerId(5, p13, s);
  EXPECT_NE(p12->TrovaCodice("B1"), p13->TrovaCodice("B1"));
  g->getLinguettaPerId(3, p12, s);
  EXPECT_EQ(s->codici().DammiElemento(0), p12->TrovaCodice("A1"));

  int car, val, padre;
  g->getCodLinguetta(3, car, val);
  EXPECT_EQ(std::make_pair(car, val), std::make_pair(3, 50));
  g->getCodPadreLinguetta(3, car, val, padre);
  EXPECT_EQ(std::vector<int>({car, val, padre}), std::vector<int>({2, 40, 2}));
  g->getCodPadreLinguetta(2, car, val, padre);
  EXPECT_EQ(std::vector<int>({car, val, padre}), std::vector<int>({1, 12, 1}));
  g->getCodPadreLinguetta(1, car, val, padre);
  EXPECT_EQ(std::vector<int>({car, val, padre}), std::vector<int>({-1, -1, -1}));
  g->getCodLinguetta(77, car, val);
  EXPECT_EQ(std::make_pair(car, val), std::make_pair(-1, -1));

  ASSERT_EQ(g->codiciInvisibili().Count(), 1);
  EXPECT_EQ(g->codiciInvisibili().DammiElemento(0)->cod(), "X9");
}

TEST_F(GestoreTest, CodeFieldsFromTheRestore) {
  auto g = Motore({Listino("f.sqlite")});
  TVistiPri* p;
  TVistiSec* s;
  g->getLinguettaPerId(1, p, s);
  const TCodMdl* a1 = p->TrovaCodice("A1");
  ASSERT_NE(a1, nullptr);
  EXPECT_EQ(a1->filtro(), "F1 (M=M)E");
  EXPECT_EQ(a1->attributo(), "#2:AB");
  EXPECT_EQ(a1->user(1), "u1");
  EXPECT_EQ(a1->traduzione(1), "One");
  EXPECT_EQ(a1->descr(), "Base \"uno\"");
  EXPECT_EQ(a1->tipoBitMap(), "png");
  EXPECT_TRUE(a1->ha_foto);
  EXPECT_FALSE(a1->ha_scheda);
  EXPECT_EQ(a1->CampoTecnico("XReale"), "600");
  EXPECT_EQ(a1->CampoTecnico("YReale"), std::nullopt);  // 0.005 is not stored
  EXPECT_EQ(a1->CampoTecnico("Prezzo"), "0.02");
  EXPECT_EQ(a1->CampoTecnico("CodProduttore"), "P1");
  EXPECT_EQ(p->TrovaCodice("A2")->filtro(), "");
}

TEST_F(GestoreTest, EmptyFoldersHidden) {
  auto g = Motore({Listino("h.sqlite")}, false);
  EXPECT_EQ(g->getIdLinguettaPerKalvor("14"), -1);
  EXPECT_EQ(g->getIdLinguettaPerKalvor("1"), -1);
  EXPECT_EQ(g->getIdLinguettaPerKalvor("12"), 0);
}

TEST_F(GestoreTest, SeveralPriceListsAndAFailingOne) {
  const std::string a = Listino("p0.sqlite"), b = Listino("p1.sqlite");
  auto g = Motore({a, b});
  ASSERT_EQ(g->primarie().size(), 8u);
  EXPECT_EQ(g->primarie()[4]->m_IdListino, 1);
  EXPECT_EQ(g->primarie()[4]->id(), 7);  // the counter goes on across price lists
  EXPECT_EQ(g->getIdLinguettaPerKalvor("12"), 1);  // the first price list answers a path

  // A price list that cannot be opened stops the later ones; the earlier stay loaded.
  const std::string rotto = "provider=sqlite;Database=" + folder_.File("missing-folder/x.sqlite");
  auto g2 = Motore({a, rotto, b});
  EXPECT_EQ(g2->primarie().size(), 4u);
  bool mostrato = false;
  for (const auto& e : ui_->events())
    mostrato |= e.caption == "Dozirividi" && e.text.rfind("Apertura listino fallita caricando AliasListinoSecondario1\r\n", 0) == 0;
  EXPECT_TRUE(mostrato);
}

TEST_F(GestoreTest, CacheMap) {
  // Only the branches of keys listed with a count above 0 are built: 12-40-=0 leaves out what lies under 40.
  WriteFile(folder_.File("c.cache"), "12- = 4\n12-40-=0\n12-41-=1\n");
  kalvor::Host::Instance().SetText("AliasListino_cachefile", folder_.File("c.cache"));
  auto g = Motore({Listino("c.sqlite")});
  EXPECT_NE(g->getIdLinguettaPerKalvor("12\\40"), -1);
  EXPECT_EQ(g->getIdLinguettaPerKalvor("12\\40\\50"), -1);
  EXPECT_NE(g->getIdLinguettaPerKalvor("12\\41"), -1);
  EXPECT_EQ(TGestore::ComponiChiaveCache({12, 40}), "12-40-");

  // A count that is not a number aborts the price list's load with a message.
  WriteFile(folder_.File("c.cache"), "12-=molti\n");
  ui_->Clear();
  auto g2 = Motore({Listino("c2.sqlite")});
  EXPECT_TRUE(g2->primarie().empty());
  ASSERT_FALSE(ui_->messages().empty());
  EXPECT_EQ(ui_->messages()[0].rfind("Errore caricando listino 0 ", 0), 0u);
  bool logged = false;
  for (const std::string& l : Log()) logged |= l.rfind("// TGestore.ripristina_da_tab_new 0 Eccezione ", 0) == 0;
  EXPECT_TRUE(logged);
}

TEST_F(GestoreTest, ContainerModeOpensTheOpenedPriceList) {
  Processo().containerMode = true;
  Processo().listinoAperto = Listino("m.sqlite");
  kalvor::Host::Instance().SetText("AliasListino", "provider=sqlite;Database=/nonexistent.sqlite");
  TGestore g(true);
  ASSERT_EQ(g.ContaListini(), 1);
  EXPECT_TRUE(g.GetDMMain(0)->m_IsFendrix);
  EXPECT_EQ(g.GetDMMain(1), nullptr);
  g.ripristina_da_database();
  EXPECT_TRUE(g.primarie()[1]->m_isfendrix);
  g.Reset();
  EXPECT_EQ(g.ContaListini(), 0);
  EXPECT_TRUE(g.primarie().empty());
}

TEST_F(GestoreTest, JsonText) {
  auto g = Motore({Listino("j.sqlite")});
  JsonLines j;
  g->ScriviGestJson(j);
  const std::string& t = j.testo();
  // The quotation marks of descriptions are escaped; a code without a picture kind is named ".dis".
  EXPECT_NE(t.find("\"Descrizione\":\"Basi \\\"A\\\"\",\r\n"), std::string::npos);
  EXPECT_NE(t.find("   \"descrizione\" : \"Base \\\"uno\\\"\",\r\n"), std::string::npos);
  EXPECT_NE(t.find("   \"NomeImmagine\" : \"A3.dis\",\r\n"), std::string::npos);
  EXPECT_EQ(t.find("\"A2\""), std::string::npos);  // codes are written for leaf tabs only
  EXPECT_NE(t.find("   \"NomeImmagine\" : \"A1.png\",\r\n"), std::string::npos);
  EXPECT_NE(t.find("   \"Traduzioni\":\r\n  {\r\n   \"trad1\" : \"Kitchens\"\r\n  },\r\n"), std::string::npos);
  // The empty view writes an empty codes block; a view without translations an empty object.
  EXPECT_NE(t.find("\"Descrizione\":\"Vuoto\",\r\n   \"Traduzioni\":\r\n  {\r\n  },\r\n\"Codici\":\r\n[\r\n]\r\n}"),
            std::string::npos);
  EXPECT_NE(t.find("   \"filtro\" : \"F1 (M=M)E\",\r\n"), std::string::npos);
  EXPECT_EQ(t.find("\"filtro\" : \"\""), std::string::npos);  // empty filters are left out
}

TEST_F(GestoreTest, OwnCharacteristicEndsTheChainAndLaterOrderingRowsWin) {
  // 41 points at its own characteristic: no further level. The ordering names A4 twice; the later row wins.
  auto g = Motore({Listino("o.sqlite", {
      "insert into ragni2 (CodValore, CodCaratt) values (41, 2)",
      "insert into composti (Codice, Modello) values ('A4', '_')",
      "insert into legami (Codice, Modello, CodCaratt, CodValori) values ('A4', '_', 1, 12), ('A4', '_', 2, 41)",
      "insert into OrdineCodici (ValPri, ValSec, Codice, Ordine) values (12, 41, 'A4', 1), (0, 41, 'A3', 2),"
      " (0, 41, 'A4', 3)",
  })});
  const int id = g->getIdLinguettaPerKalvor("12\\41");
  TVistiPri* p;
  TVistiSec* s;
  g->getLinguettaPerId(id, p, s);
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE(s->figli().empty());
  EXPECT_EQ(Codici(*s), (std::vector<std::string>{"A3", "A4"}));
}

TEST_F(GestoreTest, JsonTextLineByLine) {
  const std::string file = NuovoListino("jl.sqlite", {
      "delete from valori",
      "insert into valori (Codice, Descrizione, Caratt, Ordine, Descr2) values (5, 'P\"x', 1, 1, 'back\\slash')",
      "insert into composti (Codice, Modello, DescrEstesa, TipoBitMap) values ('C1', '_', 'tab' || char(9) || 'end', 'jpg')",
      "insert into legami (Codice, Modello, CodCaratt, CodValori) values ('C1', '_', 1, 5)",
  });
  auto g = Motore({"provider=sqlite;Database=" + file});
  JsonLines j;
  g->ScriviGestJson(j);
  const std::string atteso =
      "{\r\n\"primaria\":\r\n[\r\n{\r\n\"Car\":1,\r\n\"Val\":5,\r\n\"Index\":0,\r\n\"Descrizione\":\"P\\\"x\",\r\n"
      "   \"Traduzioni\":\r\n  {\r\n   \"trad2\" : \"back\\\\slash\"\r\n  },\r\n\"Codici\":\r\n[\r\n{\r\n"
      "   \"codice\" : \"C1\",\r\n   \"descrizione\" : \"tab\\tend\",\r\n   \"ha_foto\" : false,\r\n"
      "   \"ha_scheda\" : false,\r\n   \"azioni\" : \"\",\r\n   \"NomeImmagine\" : \"C1.jpg\",\r\n"
      "   \"Traduzioni\":\r\n  {\r\n  }\r\n}\r\n]\r\n}\r\n]\r\n}\r\n";
  EXPECT_EQ(j.testo(), atteso);
}

TEST(CodMdlTest, FieldsViewCodeAndTechnicalNumbers) {
  TCodMdl::Testi t{};
  t[TCodMdl::Cod] = "AB#2";
  t[TCodMdl::Descr] = "descr";
  auto cm = TCodMdl::Crea(3, t);
  EXPECT_EQ(cm->codview(), "AB");
  EXPECT_EQ(cm->GetIdListino(), 3);
  cm->Set(TCodMdl::Cod, "CD");  // fits in the code's own block
  EXPECT_EQ(cm->codview(), "CD");
  EXPECT_EQ(cm->descr(), "descr");
  cm->Set(TCodMdl::Descr, cm->cod());  // a value taken from the code's own texts
  EXPECT_EQ(cm->descr(), "CD");
  const std::string lunga(300, 'x');
  cm->Set(TCodMdl::Nota, lunga);  // outgrows it
  cm->Set(TCodMdl::Descr, cm->Get(TCodMdl::Nota));
  EXPECT_EQ(cm->descr(), lunga);
  EXPECT_EQ(cm->cod(), "CD");
  cm->Set(TCodMdl::Nota, "");
  cm->Set(TCodMdl::Descr, "d");  // back into the code's own block
  EXPECT_EQ(cm->descr(), "d");
  EXPECT_EQ(cm->codview(), "CD");
  struct Case {
    double valore;
    std::optional<std::string_view> atteso;
  } cases[] = {{0.005, std::nullopt}, {-0.01, std::nullopt}, {0.02, "0.02"}, {-72.5, "-72.5"}, {600, "600"}};
  for (const Case& c : cases) {
    auto x = TCodMdl::Crea(0);
    x->AggCampoTecnicoDouble("Prezzo", c.valore);
    EXPECT_EQ(x->CampoTecnico("Prezzo"), c.atteso) << c.valore;
  }
  auto y = TCodMdl::Crea(0);
  y->AggCampoTecnicoDouble("XLav", std::nullopt);
  y->AggCampoTecnicoString("Nota", "");
  EXPECT_EQ(y->CampoTecnico("XLav"), std::nullopt);
  EXPECT_EQ(y->CampoTecnico("Nota"), std::nullopt);
  EXPECT_THROW(y->AggCampoTecnicoString("Altro", "x"), std::invalid_argument);
}

// Only the fields that are not empty are stored, and a base-language description equal to the description
// is stored once: every field must still read back as written, and a change to either description must
// leave the other as it was.
TEST(CodMdlTest, SparseFieldsAndTheSharedDescriptionReadBack) {
  auto campo = [](int c) { return static_cast<TCodMdl::Campo>(c); };
  auto testo = [](int c) { return "t" + std::to_string(c) + std::string(static_cast<size_t>(c), 'x'); };
  auto verifica = [&](const TCodMdl& cm, const std::vector<std::string>& attesi, const std::string& caso) {
    for (int c = 0; c < TCodMdl::NumCampi; ++c) EXPECT_EQ(cm.Get(campo(c)), attesi[static_cast<size_t>(c)]) << caso << " field " << c;
  };
  for (int solo = -1; solo < TCodMdl::NumCampi; ++solo) {  // -1: every field
    std::vector<std::string> attesi(TCodMdl::NumCampi);
    TCodMdl::Testi t{};
    for (int c = 0; c < TCodMdl::NumCampi; ++c)
      if (solo < 0 || c == solo) t[static_cast<size_t>(c)] = attesi[static_cast<size_t>(c)] = testo(c);
    auto cm = TCodMdl::Crea(1, t);
    verifica(*cm, attesi, "only " + std::to_string(solo));
    TCopieCodici copie;
    verifica(copie.Copia(*cm), attesi, "copy of only " + std::to_string(solo));
  }
  TCodMdl::Testi t{};
  t[TCodMdl::Cod] = "C1";
  t[TCodMdl::Descr] = t[TCodMdl::DescrizioneOri] = "sedia";
  t[TCodMdl::Trad3] = "chair";
  auto cm = TCodMdl::Crea(1, t);
  auto condivisa = TCodMdl::Crea(1, t);
  EXPECT_LT(condivisa->DimensioneCopia(), TCodMdl::Crea(1, [&] {
                                            TCodMdl::Testi d = t;
                                            d[TCodMdl::DescrizioneOri] = "sedie";
                                            return d;
                                          }())->DimensioneCopia() - 4);
  EXPECT_EQ(cm->descrizioneOri(), "sedia");
  cm->Set(TCodMdl::Descr, "Stuhl");
  EXPECT_EQ(cm->descr(), "Stuhl");
  EXPECT_EQ(cm->descrizioneOri(), "sedia");
  cm->Set(TCodMdl::DescrizioneOri, "Stuhl");
  cm->Set(TCodMdl::DescrizioneOri, "sedia");
  EXPECT_EQ(cm->descr(), "Stuhl");
  EXPECT_EQ(cm->descrizioneOri(), "sedia");
  EXPECT_EQ(cm->traduzione(3), "chair");
  condivisa->Set(TCodMdl::DescrizioneOri, "");
  EXPECT_EQ(condivisa->descr(), "sedia");
  EXPECT_EQ(condivisa->descrizioneOri(), "");
}

// Copies kept in blocks: many small codes fill growing blocks up to the large ones, a code longer than a
// block gets its own, and every copy reads back as its original, flags included.
TEST(CodMdlTest, CopiesInBlocksReadBackAsTheirOriginals) {
  std::vector<std::unique_ptr<TCodMdl>> originali;
  const std::string lunga(65000, 'n');
  for (int i = 0; i < 40000; ++i) {  // some 6 MB of copies
    TCodMdl::Testi t{};
    const std::string cod = "C" + std::to_string(i);
    t[TCodMdl::Cod] = cod;
    t[TCodMdl::Descr] = "descrizione abbastanza lunga da riempire i blocchi";
    if (i == 300) t[TCodMdl::Nota] = lunga;
    originali.push_back(TCodMdl::Crea(i % 3, t));
    originali.back()->ha_foto = i % 2 == 0;
  }
  TCopieCodici copie;
  std::vector<const TCodMdl*> copiati;
  for (const auto& cm : originali) copiati.push_back(&copie.Copia(*cm));
  for (size_t i = 0; i < originali.size(); ++i) {
    for (int c = 0; c < TCodMdl::NumCampi; ++c)
      ASSERT_EQ(copiati[i]->Get(static_cast<TCodMdl::Campo>(c)), originali[i]->Get(static_cast<TCodMdl::Campo>(c))) << i;
    EXPECT_EQ(copiati[i]->GetIdListino(), originali[i]->GetIdListino());
    EXPECT_EQ(copiati[i]->ha_foto, originali[i]->ha_foto);
  }
}

TEST(CodMdlTest, ListsOwningAndReferencing) {
  TListaCodici owner(true), ref(false);
  for (const char* c : {"B", "A", "C"}) {
    TCodMdl::Testi t{};
    t[TCodMdl::Cod] = c;
    ref.AggiungiRiferimento(owner.Aggiungi(TCodMdl::Crea(0, t)));
  }
  EXPECT_THROW(ref.Aggiungi(TCodMdl::Crea(0)), std::logic_error);
  EXPECT_EQ(ref.TrovaPerCodice("A"), owner.DammiElemento(1));
  EXPECT_EQ(ref.DammiElemento(3), nullptr);
  EXPECT_EQ(ref.DammiElemento(-1), nullptr);
  ref.NacondiNonPresenti({"A", "C"});
  EXPECT_FALSE(owner.DammiElemento(0)->m_Visible);  // shared objects
  ref.VisTutti();
  EXPECT_TRUE(owner.DammiElemento(0)->m_Visible);
  owner.DammiElemento(0)->m_IdOrdine = 2;
  owner.DammiElemento(2)->m_IdOrdine = 1;
  ref.OrdinaPerIndice();
  EXPECT_EQ(ref.DammiElemento(0)->cod(), "A");
  EXPECT_EQ(ref.DammiElemento(2)->cod(), "B");
}

}  // namespace
}  // namespace rovan::test
