#include "storage/item_records.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "host/motore/motore_host.h"
#include "tests/storage/record_fixture.h"

namespace rovan::test {
namespace {

using ItemRecordsTest = RecordTest;

// Everything that hangs on an item, written for code c.
std::vector<std::string> Dipendenze(const std::string& c) {
  return {"insert into infaus (Codice, Modello) values (" + c + ", '_')",
          "insert into attributi (Codice) values (" + c + ")",
          "insert into oggetti (Codice, Modello, NomeOggetto, TipoOggetto, Oggetto) values (" + c + ", '_', 'o', 'txt', x'00')",
          "insert into immagini (Codice, Versione) values (" + c + ", 'v')"};
}

TEST_F(ItemRecordsTest, QuotedCodeIsInsertedLinkedOrderedAndDeletedByVersion) {
  struct Case {
    int versione;
    bool dataCreazione, valoriProfondi, cancellaAttributo;
  } cases[] = {{10, false, false, false}, {13, true, false, true}, {18, true, true, true}, {20, true, true, true}};
  const std::vector<std::string> tabelle = {"composti", "infcomp", "infaus", "legami", "OrdineCodici", "oggetti"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.versione);
    std::vector<std::string> sql = Dipendenze("'O''NEIL-1'");
    for (const std::string& s : Dipendenze("'ONEIL-1'")) sql.push_back(s);
    sql.push_back("insert into composti (Codice, Modello) values ('ONEIL-1', '_')");
    auto dm = ListinoVersione(c.versione, sql);
    std::string err = "old";
    const std::time_t prima = std::time(nullptr);
    EXPECT_TRUE(InsComposto(*dm, "O'NEIL-1", "_", "rid", "Anta d'angolo", "F", "K4", "M", "E", err));
    EXPECT_EQ(err, "");
    EXPECT_TRUE(EsisteComposto(*dm, "O'NEIL-1"));
    EXPECT_EQ(Valore(*dm, "select DescrRidotta || DescrEstesa || Filtro || FiltroK4 || FiltroModalita || FiltroEsteso "
                          "from composti where Codice = 'O''NEIL-1'"),
              "ridAnta d'angoloFK4ME");
    const std::string data = Valore(*dm, "select DataCreazione from composti where Codice = 'O''NEIL-1'");
    if (c.dataCreazione) {
      // Whole seconds of local time: "YYYY-MM-DD HH:MM:SS", no fraction.
      ASSERT_EQ(data.size(), 19u) << data;
      std::tm t{};
      t.tm_isdst = -1;
      ASSERT_NE(strptime(data.c_str(), "%Y-%m-%d %H:%M:%S", &t), nullptr);
      const std::time_t scritta = std::mktime(&t);
      EXPECT_LE(prima, scritta);
      EXPECT_LE(scritta, std::time(nullptr));
    } else {
      EXPECT_EQ(data, "<null>");
    }

    EXPECT_TRUE(InsInfComp(*dm, "O'NEIL-1", "_", "AB", "conn", err));
    EXPECT_EQ(Valore(*dm, "select Modello || Azioni || Connessioni from infcomp where Codice = 'O''NEIL-1'"), "_ABconn");
    EXPECT_TRUE(AddLegame(*dm, "O'NEIL-1", 1, 1));
    EXPECT_EQ(Valore(*dm, "select Modello from legami where Codice = 'O''NEIL-1'"), "_");
    EXPECT_TRUE(InserisciOrdinamento(*dm, "O'NEIL-1", 1, 7, 3, {2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Valore(*dm, "select ValPri || ValSec || Ordine || '/' || Val2 || Val3 || Val4 || Val5 || Val6 || Val7 || "
                          "Val8 || Val9 from OrdineCodici where Codice = 'O''NEIL-1'"),
              c.valoriProfondi ? "173/23456789" : "173/00000000");

    EXPECT_EQ(eliminaComposto(*dm, "O'NEIL-1"), -1);
    EXPECT_FALSE(EsisteComposto(*dm, "O'NEIL-1"));
    for (const std::string& t : tabelle) EXPECT_EQ(Conta(*dm, t, "Codice = 'O''NEIL-1'"), 0) << t;
    EXPECT_EQ(Conta(*dm, "attributi", "Codice = 'O''NEIL-1'"), c.cancellaAttributo ? 0 : 1);
    EXPECT_EQ(Conta(*dm, "immagini", "Codice = 'O''NEIL-1'"), 1);  // pictures by version stay
    // The code without its quote is another item, untouched.
    EXPECT_TRUE(EsisteComposto(*dm, "ONEIL-1"));
    for (const char* t : {"infaus", "attributi", "oggetti", "immagini"}) EXPECT_EQ(Conta(*dm, t, "Codice = 'ONEIL-1'"), 1) << t;
  }
  EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(ItemRecordsTest, FailuresNameTheCode) {
  auto dm = ListinoVersione(20, {"insert into composti (Codice, Modello) values ('A', '_')",
                                 "insert into infcomp (Codice, Modello) values ('A', '_')",
                                 "insert into legami (Codice, Modello, CodCaratt, CodValori) values ('A', '_', 1, 1)"});
  std::string err;
  EXPECT_FALSE(InsComposto(*dm, "A", "_", "", "", "", "", "", "", err));
  EXPECT_EQ(err, "InsComposto: Err: Impossibile inserire il codice: A");
  EXPECT_FALSE(InsInfComp(*dm, "A", "_", "", "", err));
  EXPECT_EQ(err, "InsInfComp: Err: Impossibile inserire le InfComp per il codice: A");
  EXPECT_FALSE(AddLegame(*dm, "A", 1, 1));  // the link exists already
  EXPECT_TRUE(InserisciOrdinamento(*dm, "A", 1, 1, 1, {}));
  EXPECT_FALSE(InserisciOrdinamento(*dm, "A", 1, 1, 1, {}));  // the same position twice
  EXPECT_EQ(ui_->messages().size(), 4u);  // every failed statement was shown

  // Raised errors (here: no connection) name the code and the cause, and show nothing.
  dm->DisConnetti();
  EXPECT_FALSE(InsComposto(*dm, "A", "_", "", "", "", "", "", "", err));
  EXPECT_EQ(err, "InsComposto: Cod: A Err: no connection");
  EXPECT_FALSE(InsInfComp(*dm, "A", "_", "", "", err));
  EXPECT_EQ(err, "InsInfComp: Cod: A Err: no connection");
  EXPECT_FALSE(EditAzione(*dm, "A", "X", err));
  EXPECT_EQ(err, "Edit azione: Cod: A Err: no connection");
  EXPECT_FALSE(AddLegame(*dm, "B", 1, 1));
  EXPECT_FALSE(EsisteComposto(*dm, "A"));
  EXPECT_EQ(ui_->messages().size(), 4u);
}

TEST_F(ItemRecordsTest, EditAzioneInsertsAppendsOrLeavesAsItIs) {
  auto dm = ListinoVersione(20, {"insert into infcomp (Codice, Modello, Azioni) values ('O''NEIL-1', 'M', 'A')"});
  std::string err;
  EXPECT_TRUE(EditAzione(*dm, "NUOVO", "S", err));
  EXPECT_EQ(Valore(*dm, "select Modello || Azioni || coalesce(Connessioni, '<null>') from infcomp where Codice = 'NUOVO'"),
            "_S");
  EXPECT_TRUE(EditAzione(*dm, "O'NEIL-1", "B", err));
  EXPECT_FALSE(EditAzione(*dm, "O'NEIL-1", "A", err));  // already there: nothing changes
  EXPECT_EQ(err, "");
  EXPECT_EQ(Valore(*dm, "select Azioni from infcomp where Codice = 'O''NEIL-1'"), "AB");
}

TEST_F(ItemRecordsTest, DescriptionsByLanguageFromTheManagementSystem) {
  const std::string dati = folder_.File("gestionale.txt");
  WriteFile(dati, "O'NEIL-1\tENG\tRound table\nO'NEIL-1\tDE\tRunder Tisch\nB\tFRA\tTable\n");
  ScopedEnv env("GESTIONALE_DATI", dati.c_str());
  kalvor::Host::Instance().SetText("InOutDll", ROVAN_GESTIONALE_LIBRARY);
  // EN asks the management code ENG; DE has none and is asked by its own code.
  auto dm = ListinoVersione(20, {"insert into lingue_lis (cod_lingua, desc_lingua, pos_lingua, cod_gest) values ('EN', 'English', 1, 'ENG')",
                                 "insert into lingue_lis (cod_lingua, desc_lingua, pos_lingua, cod_gest) values ('DE', 'Deutsch', 2, '')",
                                 "insert into lingue_lis (cod_lingua, desc_lingua, pos_lingua, cod_gest) values ('FR', 'Français', 3, 'FRA')",
                                 "insert into infaus (Codice, Modello, Descr1, Descr3) values ('B', 'M', 'old', 'old')"});
  ASSERT_EQ(dm->lingue().ContaLingue(), 3);
  auto q = dm->GetQuery();
  EXPECT_TRUE(AggiornaDescrInfaus(*q, "O'NEIL-1", dm->lingue()));
  EXPECT_EQ(Valore(*dm, "select Modello || '|' || Descr1 || '|' || Descr2 || '|' || coalesce(Descr3, '<null>') "
                        "from infaus where Codice = 'O''NEIL-1'"),
            "_|Round table|Runder Tisch|<null>");
  // An existing row keeps the descriptions not found.
  EXPECT_TRUE(AggiornaDescrInfaus(*q, "B", dm->lingue()));
  EXPECT_EQ(Valore(*dm, "select Modello || Descr1 || Descr3 from infaus where Codice = 'B'"), "MoldTable");
  // Nothing found: no row.
  EXPECT_FALSE(AggiornaDescrInfaus(*q, "C", dm->lingue()));
  EXPECT_EQ(Conta(*dm, "infaus"), 2);
  EXPECT_TRUE(ui_->messages().empty());
}

}  // namespace
}  // namespace rovan::test
