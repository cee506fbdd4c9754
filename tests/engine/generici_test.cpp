#include "engine/UGenerici.h"

#include <gtest/gtest.h>

#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

// One price list: group GENERICI (key 3), characteristics 5 (translated) and 6 (blank translation), and
// values of characteristic 5 whose Descr1 is translated, blank, NULL and padded.
class GenericiTest : public ListinoTest {
 protected:
  std::unique_ptr<TDMMain> ApriListino(bool linguaAttiva) {
    const std::vector<std::string> righe = {
        "update opzioni set PathRec = '20'",
        "insert into lingue_lis (cod_lingua, desc_lingua, pos_lingua) values ('EN', 'English', 1)",
        "insert into gruppi (Codice, Descrizione) values (3, 'GENERICI')",
        "insert into caratt (Codice, Descrizione, Gruppo, Descr1) values "
        "(5, 'Colore', 3, 'Colour'), (6, 'Finitura', 3, '  ')",
        "insert into valori (Codice, Descrizione, Caratt, Descr1) values "
        "(10, 'Rosso', 5, 'Red'), (11, 'Verde', 5, '   '), (12, 'Blu', 5, NULL), (13, 'Nero', 5, ' Black ')"};
    auto dm = Apri("provider=sqlite;Database=" + NuovoListino("g" + std::to_string(n_++) + ".sqlite", righe));
    if (linguaAttiva) {
      EXPECT_TRUE(dm->SetIdLingua(1));
    }
    return dm;
  }
  int n_ = 0;
};

TEST_F(GenericiTest, LanguageDescriptionFallsBackToTheBaseWhenTheTranslationIsBlank) {
  struct Case {
    int codice;
    const char* base;
    const char* lingua;  // with language 1 active
  } valori[] = {{10, "Rosso", "Red"}, {11, "Verde", "Verde"}, {12, "Blu", "Blu"}, {13, "Nero", "Black"}},
    caratt[] = {{5, "Colore", "Colour"}, {6, "Finitura", "Finitura"}};
  auto dm = ApriListino(true);
  TNavCaratt colore(*dm, 5);
  for (const Case& c : valori) {
    TNavValore v(*dm, &colore, c.codice);
    EXPECT_EQ(v.Descrizione(0), c.base) << c.codice;
    EXPECT_EQ(v.Descrizione(1), c.lingua) << c.codice;
  }
  for (const Case& c : caratt) {
    TNavCaratt k(*dm, c.codice);
    EXPECT_EQ(k.Descrizione(0), c.base) << c.codice;
    EXPECT_EQ(k.Descrizione(1), c.lingua) << c.codice;
  }
}

TEST_F(GenericiTest, NoActiveLanguageGivesTheBaseDescriptionForAnyId) {
  auto dm = ApriListino(false);
  TNavCaratt colore(*dm, 5);
  TNavValore rosso(*dm, &colore, 10);
  for (int id : {0, 1, 7, -1}) {
    EXPECT_EQ(rosso.Descrizione(id), "Rosso") << id;
    EXPECT_EQ(colore.Descrizione(id), "Colore") << id;
  }
}

TEST_F(GenericiTest, AddingReadsValidRowsAndDropsUnknownKeys) {
  auto dm = ApriListino(false);
  TListaCarattGenerici lista(*dm);
  EXPECT_EQ(lista.IdGruppo(), 3);
  TNavCaratt* colore = lista.AddCaratt(5);
  ASSERT_NE(colore, nullptr);
  EXPECT_EQ(lista.AddCaratt(5), colore);  // the same key is reused
  EXPECT_EQ(lista.AddCaratt(99), nullptr);
  EXPECT_EQ(lista.Conta(), 1);

  TNavValore* rosso = colore->AddValore(10);
  ASSERT_NE(rosso, nullptr);
  EXPECT_EQ(rosso->m_Caratt, colore);
  EXPECT_NE(colore->AddValore(10), rosso);  // values are not checked for duplicates
  EXPECT_EQ(colore->AddValore(98), nullptr);
  EXPECT_EQ(colore->Conta(), 2);

  EXPECT_EQ(lista.GetCaratt(0), colore);
  EXPECT_EQ(colore->GetValore(0), rosso);
  for (int i : {-1, 2}) EXPECT_EQ(colore->GetValore(i), nullptr) << i;
  for (int i : {-1, 1}) EXPECT_EQ(lista.GetCaratt(i), nullptr) << i;

  struct {
    const char* descr;
    bool ha;
  } cases[] = {{"Rosso", true}, {"rosso", false}, {"Ross", false}, {"Red", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(colore->HaValore(c.descr), c.ha) << c.descr;
    EXPECT_EQ(lista.HaValore(c.descr), c.ha) << c.descr;
  }
}

TEST_F(GenericiTest, TrovaCarattReturnsTheFirstOfEqualKeys) {
  auto dm = ApriListino(false);
  TListaCarattGenerici lista(*dm);
  lista.m_ListaCaratt.push_back(std::make_unique<TNavCaratt>(*dm, 5));
  lista.m_ListaCaratt.push_back(std::make_unique<TNavCaratt>(*dm, 5));
  EXPECT_EQ(lista.TrovaCaratt(5), lista.GetCaratt(0));
  EXPECT_EQ(lista.TrovaCaratt(6), nullptr);
}

TEST_F(GenericiTest, NoGenericGroupGivesGroupZero) {
  auto dm = Apri("provider=sqlite;Database=" +
                 NuovoListino("senza.sqlite", {"insert into gruppi (Codice, Descrizione) values (4, 'generici')"}));
  EXPECT_EQ(TListaCarattGenerici(*dm).IdGruppo(), 0);
}

}  // namespace
}  // namespace rovan::test
