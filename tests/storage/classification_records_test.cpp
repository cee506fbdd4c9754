#include "storage/classification_records.h"

#include <gtest/gtest.h>

#include "storage/database_error.h"
#include "tests/storage/record_fixture.h"

namespace rovan::test {
namespace {

using ClassificationRecordsTest = RecordTest;

TEST_F(ClassificationRecordsTest, NextValueKeyAndPosition) {
  auto dm = ListinoVersione(20, {"delete from valori"});
  EXPECT_EQ(GetNextCodiceValori(*dm), 0);
  EXPECT_EQ(GetNextOrdineValori(*dm, 1), 0);
  dm->eseguiQuery("insert into valori (Codice, Descrizione, Caratt, Ordine) values (7, 'a', 1, 3)");
  dm->eseguiQuery("insert into valori (Codice, Descrizione, Caratt, Ordine) values (12, 'b', 2, 9)");
  EXPECT_EQ(GetNextCodiceValori(*dm), 13);  // keys are unique across characteristics
  EXPECT_EQ(GetNextOrdineValori(*dm, 1), 4);
  EXPECT_EQ(GetNextOrdineValori(*dm, 2), 10);
  EXPECT_EQ(GetNextOrdineValori(*dm, 5), 0);
  dm->eseguiQuery("drop table valori");
  EXPECT_EQ(GetNextCodiceValori(*dm), -1);
  EXPECT_EQ(GetNextOrdineValori(*dm, 1), -1);
}

TEST_F(ClassificationRecordsTest, CharacteristicsCreatedAndFoundByName) {
  auto dm = ListinoVersione(20);
  EXPECT_EQ(GetIdxCarattFiglie(*dm, "L'anta"), -1);
  EXPECT_EQ(CreaGruppoCarattFiglie(*dm, "L'anta", 4), 2);
  EXPECT_EQ(Valore(*dm, "select Descrizione || '/' || Gruppo || '/' || Vis from caratt where Codice = 2"), "L'anta/4/1");
  EXPECT_EQ(GetIdxCarattFiglie(*dm, "L'anta"), 2);
  EXPECT_EQ(CreaGruppoCarattFiglie(*dm, "Maniglia", 4), 3);

  // A refused insert gives no key (the refusal is shown).
  dm->eseguiQuery("create trigger rifiuta before insert on caratt begin select raise(abort, 'rifiutato'); end");
  EXPECT_EQ(CreaGruppoCarattFiglie(*dm, "Altra", 4), -1);
  EXPECT_EQ(ui_->messages().size(), 1u);
  EXPECT_EQ(Conta(*dm, "caratt"), 3);
  dm->eseguiQuery("drop table caratt");
  EXPECT_EQ(CreaGruppoCarattFiglie(*dm, "Altra", 4), -1);
  EXPECT_THROW(GetIdxCarattFiglie(*dm, "L'anta"), DatabaseError);  // its errors reach the caller
}

TEST_F(ClassificationRecordsTest, LookupsByDescription) {
  auto dm = ListinoVersione(20, {
      "insert into gruppi (Codice, Descrizione) values (9, 'GENERICI')",
      "insert into gruppi (Codice, Descrizione) values (2, 'Altri')",
      "insert into caratt (Codice, Descrizione, Gruppo) values (5, 'Finitura d''anta', 2)",
      "insert into caratt (Codice, Descrizione, Gruppo) values (7, 'Classe', 9)",
      "insert into caratt (Codice, Descrizione, Gruppo) values (8, 'Colore', 2)",
      "insert into valori (Codice, Descrizione, Caratt, Ordine) values (50, 'Rovere d''oro', 5, 1)",
      "insert into valori (Codice, Descrizione, Caratt, Ordine) values (51, 'Primario', 5, 2)",
      "insert into valori (Codice, Descrizione, Caratt, Ordine) values (70, 'A+', 7, 1)",
      "insert into valori (Codice, Descrizione, Caratt, Ordine) values (80, 'A+', 8, 1)",
      "insert into ragni2 (CodValore, CodCaratt) values (50, 8)",
  });

  struct Cerca {
    const char* caratt;
    const char* valore;
    bool trovato;
    int codCaratt, codValore;  // -9: left as it was
  } cerche[] = {
      {"Primaria", "Primario", true, 1, 1},
      {"Finitura d'anta", "Rovere d'oro", true, 5, 50},
      {"Finitura d'anta", "Primario", true, 5, 51},  // the value of that characteristic
      {"Finitura d'anta", "A+", false, 5, -9},
      {"Nessuna", "Primario", false, -9, -9},
  };
  for (const Cerca& c : cerche) {
    SCOPED_TRACE(std::string(c.caratt) + " " + c.valore);
    int codValore = -9, codCaratt = -9;
    EXPECT_EQ(CercaCarattValore(*dm, c.caratt, c.valore, codValore, codCaratt), c.trovato);
    EXPECT_EQ(codCaratt, c.codCaratt);
    EXPECT_EQ(codValore, c.codValore);
  }

  EXPECT_TRUE(IsPrimaria(*dm, "Primario"));
  EXPECT_FALSE(IsPrimaria(*dm, "Rovere d'oro"));  // a value of another characteristic

  EXPECT_EQ(CodiceCarattGenerici(*dm, "Classe"), 7);
  EXPECT_EQ(CodiceCarattGenerici(*dm, "Colore"), 0);  // not in group GENERICI
  EXPECT_EQ(CodiceValoreGenerici(*dm, 7, "A+"), 70);
  EXPECT_EQ(CodiceValoreGenerici(*dm, 8, "A+"), 0);
  EXPECT_EQ(CodiceValoreGenerici(*dm, 7, "B"), 0);

  EXPECT_EQ(CarattRagni2(*dm, 50), 8);
  EXPECT_EQ(CarattRagni2(*dm, 51), -1);
  EXPECT_TRUE(ui_->messages().empty());

  // A failed query counts as not found.
  dm->eseguiQuery("drop table valori");
  dm->eseguiQuery("drop table ragni2");
  int codValore = 0, codCaratt = 0;
  EXPECT_FALSE(CercaCarattValore(*dm, "Primaria", "Primario", codValore, codCaratt));
  EXPECT_FALSE(IsPrimaria(*dm, "Primario"));
  EXPECT_EQ(CodiceValoreGenerici(*dm, 7, "A+"), 0);
  EXPECT_EQ(CarattRagni2(*dm, 50), -1);
}

}  // namespace
}  // namespace rovan::test
