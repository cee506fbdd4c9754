// The record operations of an item's life on both engines: the SQLite engine, and the ODBC engine with a
// price list of the Access kind (the picture statement differs by kind).
#include <gtest/gtest.h>

#include <filesystem>

#include "storage/classification_records.h"
#include "storage/item_pictures.h"
#include "storage/item_records.h"
#include "storage/item_script.h"
#include "tests/storage/record_fixture.h"
#include "ui/png_codec.h"

namespace rovan::test {
namespace {

class RecordEnginesTest : public RecordTest, public ::testing::WithParamInterface<Backend> {};

TEST_P(RecordEnginesTest, AnItemsLifeWithAQuoteInItsCode) {
  std::string file = FileVersione(20, {"insert into caratt (Codice, Descrizione, Gruppo) values (5, 'Finitura d''anta', 1)",
                                       "insert into valori (Codice, Descrizione, Caratt, Ordine) values (50, 'Rovere d''oro', 5, 1)"});
  std::string connessione = "provider=sqlite;Database=" + file;
  if (GetParam() == Backend::Odbc) {
    const std::string mdb = file + ".mdb";
    std::filesystem::rename(file, mdb);
    connessione = "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + mdb;
  }
  auto dm = Apri(connessione);
  ASSERT_EQ(dm->GetTipoListino(), GetParam() == Backend::Odbc ? TL_ACCESS : TL_SQLITE);
  const std::string cod = "O'NEIL-1";

  std::string err;
  ASSERT_TRUE(InsComposto(*dm, cod, "_", "rid", "Anta", "", "", "", "", err)) << err;
  EXPECT_NE(Valore(*dm, "select DataCreazione from composti"), "<null>");
  EXPECT_TRUE(EditAzione(*dm, cod, "S", err)) << err;
  EXPECT_TRUE(EditAzione(*dm, cod, "T", err)) << err;
  EXPECT_EQ(Valore(*dm, "select Azioni from infcomp"), "ST");

  const std::vector<std::string> script = {"PATH 1", "SET_NAME 'x'"};
  EXPECT_TRUE(SalvaBlobConn(*dm, cod, script));
  std::vector<std::string> letto;
  bool generico = true;
  EXPECT_EQ(LeggiBlobNew(*dm, cod, letto, generico), 2);
  EXPECT_EQ(letto, script);
  EXPECT_FALSE(generico);

  int codValore = 0, codCaratt = 0;
  ASSERT_TRUE(CercaCarattValore(*dm, "Finitura d'anta", "Rovere d'oro", codValore, codCaratt));
  EXPECT_TRUE(AddLegame(*dm, cod, codCaratt, codValore));
  EXPECT_TRUE(InserisciOrdinamento(*dm, cod, 1, codValore, 4, {codValore, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Valore(*dm, "select Val2 from OrdineCodici"), "50");

  const std::string base = folder_.File("base.png"), blu = folder_.File("x_BL'U.png");
  WriteFile(base, EncodePng(RgbaImage(40, 20, 0x2040C0FFu)));
  WriteFile(blu, EncodePng(RgbaImage(10, 30, 0x0000FFFFu)));
  ASSERT_TRUE(CaricaImmagineSuDB(*dm, cod, base));
  auto q = dm->GetQuery();
  ASSERT_TRUE(InserisciImmagineVersione(*q, blu, cod, "BL'U"));
  EXPECT_EQ(Valore(*dm, "select length(Immagine) || TipoImmagine from immagini where Versione = 'BL''U'"),
            std::to_string(ReadFile(blu).size()) + "png");
  // The SQLite ODBC driver reads columns declared IMAGE as text, so pictures decode on the SQLite engine
  // only; on both, the statement with the version written in as a literal must run and find the item.
  for (const auto& [versione, larghezza] : {std::pair{"BL'U", 10}, std::pair{"BLU", 40}}) {
    dm->m_versioneimmagine = versione;
    std::unique_ptr<TImageDB> picture = GetImageDB(*dm, cod);
    ASSERT_NE(picture, nullptr) << versione;
    if (GetParam() == Backend::Sqlite) {
      EXPECT_EQ(picture->PictureWidth(), larghezza) << versione;
    }
  }

  eliminaComposto(*dm, cod);
  EXPECT_FALSE(EsisteComposto(*dm, cod));
  for (const char* t : {"infcomp", "legami", "OrdineCodici"}) EXPECT_EQ(Conta(*dm, t), 0) << t;
  EXPECT_TRUE(ui_->messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordEnginesTest, ::testing::Values(Backend::Sqlite, Backend::Odbc), BackendName);

}  // namespace
}  // namespace rovan::test
