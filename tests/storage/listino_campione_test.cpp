#include "storage/listino_campione.h"

#include <gtest/gtest.h>

#include <set>

#include "storage/dm_main.h"
#include "tests/storage/listino_fixture.h"
#include "ui/ImageDB.h"

namespace rovan::test {
namespace {

using CampioneTest = ListinoTest;

// Every row of a query, as one text.
std::string Dump(TDMMain& dm, const std::string& sql) {
  auto q = dm.GetQuery();
  q->SQL().SetText(sql);
  q->Open();
  std::string out;
  for (; !q->Eof(); q->Next()) {
    for (int i = 0; i < q->FieldCount(); ++i) out += q->Fields(i).AsString() + "|";
    out += "\n";
  }
  return out;
}

TEST_F(CampioneTest, DeterministicAndComplete) {
  auto scrivi = [&](const std::string& nome, uint64_t seme) {
    OpzioniCampione o;
    o.articoli = 1200;
    o.seme = seme;
    const std::string file = folder_.File(nome);
    ScriviListinoCampione(file, o);
    return Apri("provider=sqlite;Database=" + file);
  };
  auto a = scrivi("a.sqlite", 5), b = scrivi("b.sqlite", 5), c = scrivi("c.sqlite", 6);
  const std::string tutto = "select * from composti order by Codice";
  EXPECT_EQ(Dump(*a, tutto), Dump(*b, tutto));
  EXPECT_NE(Dump(*a, tutto), Dump(*c, tutto));
  EXPECT_THROW(ScriviListinoCampione(folder_.File("a.sqlite"), OpzioniCampione{}), std::runtime_error);

  TDMMain& dm = *a;
  EXPECT_EQ(dm.GetVersioneTabelle(), 20);
  EXPECT_EQ(dm.lingue().ContaLingue(), 3);
  auto conta = [&](const std::string& where) { return std::stoi(Dump(dm, "select count(*) from " + where)); };
  EXPECT_EQ(conta("composti where Generico = 1"), 20);
  EXPECT_GT(conta("composti where Codice like '%#%'"), 0);
  // Items without a link to the primary characteristic.
  EXPECT_GT(conta("composti c where not exists (select 1 from legami l where l.Codice = c.Codice and l.CodCaratt = 1)"), 0);
  // Three levels of secondary relations: line -> type -> width -> opening.
  EXPECT_EQ(conta("ragni2 r1 join valori v1 on v1.Caratt = r1.CodCaratt join ragni2 r2 on r2.CodValore = v1.Codice "
                  "join valori v2 on v2.Caratt = r2.CodCaratt join ragni2 r3 on r3.CodValore = v2.Codice where r1.CodValore = 1"),
            6);
  EXPECT_GT(conta("ragni"), 0);
  EXPECT_GT(conta("attributi"), 0);
  EXPECT_GT(conta("immagini"), 0);
  EXPECT_GT(conta("oggetti"), 0);
  EXPECT_EQ(conta("OrdineCodici where ValSec = 0"), conta("legami where CodCaratt = 1"));

  // A picture of every stored kind, each one loadable.
  auto q = dm.GetQuery();
  q->SQL().SetText("select TipoBitMap, BitMap from composti where BitMap is not null");
  q->Open();
  std::set<std::string> tipi;
  for (; !q->Eof(); q->Next()) {
    TImageDB img(0, 0, 100, 100);
    EXPECT_TRUE(img.LoadFromField(q->Fields(1).Value().blob().bytes)) << q->Fields(0).AsString();
    tipi.insert(q->Fields(0).AsString());
  }
  EXPECT_EQ(tipi, (std::set<std::string>{"bmp", "dis", "emf", "jpg", "png", "wmf"}));
}

}  // namespace
}  // namespace rovan::test
