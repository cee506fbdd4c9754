#include "storage/item_objects.h"

#include <gtest/gtest.h>

#include "tests/storage/record_fixture.h"

namespace rovan::test {
namespace {

using ItemObjectsTest = RecordTest;

TEST_F(ItemObjectsTest, FileReplacesTheObjectOfThatName) {
  auto dm = ListinoVersione(20, {"insert into oggetti (Codice, Modello, NomeOggetto, TipoOggetto, Oggetto) values "
                                 "('O''NEIL', '_', 'manuale', '.pdf', 'vecchio'),"
                                 "('O''NEIL', '_', 'altro', '.txt', 'x')"});
  struct Case {
    const char* file;
    const char* contenuto;
    const char* tipo;
  } cases[] = {
      {"manuale.txt", "Istruzioni", ".txt"},
      {"disegno.tar.gz", "\x1f\x8b\x08", ".gz"},
      {"senza_estensione", "dati", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string file = folder_.File(c.file);
    WriteFile(file, c.contenuto);
    std::string errore = "precedente";
    EXPECT_TRUE(ImportaOggettoDaFile(*dm, "O'NEIL", "manuale", errore, file));
    EXPECT_EQ(errore, "precedente");
    EXPECT_EQ(Conta(*dm, "oggetti", "Codice = 'O''NEIL' and NomeOggetto = 'manuale'"), 1);
    EXPECT_EQ(Valore(*dm, "select TipoOggetto from oggetti where NomeOggetto = 'manuale'"), c.tipo);
    EXPECT_EQ(Valore(*dm, "select Oggetto from oggetti where NomeOggetto = 'manuale'"), c.contenuto);
    EXPECT_EQ(Valore(*dm, "select Modello from oggetti where NomeOggetto = 'manuale'"), "_");
  }
  EXPECT_EQ(Valore(*dm, "select Oggetto from oggetti where NomeOggetto = 'altro'"), "x");  // other names stay
}

TEST_F(ItemObjectsTest, FailuresAreReportedInTheErrorText) {
  // The database refuses objects named "bloccato".
  auto dm = ListinoVersione(20, {"insert into oggetti (Codice, Modello, NomeOggetto, TipoOggetto, Oggetto) values "
                                 "('A', '_', 'manuale', '.pdf', 'vecchio')",
                                 "create trigger rifiuta before insert on oggetti when new.NomeOggetto = 'bloccato' "
                                 "begin select raise(abort, 'rifiutato'); end"});
  std::string errore;
  EXPECT_FALSE(ImportaOggettoDaFile(*dm, "A", "manuale", errore, folder_.File("manca.txt")));
  EXPECT_EQ(errore, "File non presente");
  EXPECT_EQ(Valore(*dm, "select Oggetto from oggetti where Codice = 'A'"), "vecchio");  // untouched
  EXPECT_FALSE(ImportaOggettoDaFile(*dm, "A", "manuale", errore, folder_.path()));    // a folder is no file
  EXPECT_EQ(errore, "File non presente");

  const std::string file = folder_.File("a.txt");
  WriteFile(file, "x");
  EXPECT_FALSE(ImportaOggettoDaFile(*dm, "A", "bloccato", errore, file));
  EXPECT_EQ(errore, "Impossibile inserire l'oggetto bloccato del codice A");
  EXPECT_TRUE(ui_->messages().empty());  // reported in the text only
}

}  // namespace
}  // namespace rovan::test
