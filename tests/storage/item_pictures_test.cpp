#include "storage/item_pictures.h"

#include <gtest/gtest.h>

#include "storage/sample_pictures.h"
#include "tests/storage/record_fixture.h"
#include "ui/jpeg_codec.h"
#include "ui/png_codec.h"

namespace rovan::test {
namespace {

using ItemPicturesTest = RecordTest;

const std::string kPng = EncodePng(RgbaImage(40, 20, 0x2040C0FFu));
const std::string kJpeg = EncodeJpeg(RgbaImage(30, 60, 0xC04020FFu), 90);

TEST_F(ItemPicturesTest, ItemPictureIsStoredWithItsKindAndReadBack) {
  struct Case {
    int versione;
    const char* file;
    std::string contenuto;
    const char* tipoSalvato;  // TipoBitMap afterwards
    TTypeImageDB letto;
  } cases[] = {
      {20, "a.png", kPng, "png", imdbPNG},
      {20, "a.jpg", kJpeg, "jpg", imdbJPEG},
      {20, "png.dis", kPng, "png", imdbPNG},  // a drawing file is stored under the kind of its content
      {20, "bmp.dis", ImmagineCampione("bmp", 1), "bmp", imdbBMP},
      {20, "wmf.dis", ImmagineCampione("dis", 2), "wmf", imdbMetafile},
      {20, "x.dis", std::string(100, 'x'), "dis", imdbNone},
      {14, "b.png", kPng, "png", imdbPNG},
      {13, "c.png", kPng, "<null>", imdbPNG},  // no kind column before version 14
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.versione) + " " + c.file);
    auto dm = ListinoVersione(c.versione, {"insert into composti (Codice, Modello) values ('O''NEIL-1', '_')",
                                           "insert into composti (Codice, Modello) values ('ONEIL-1', '_')"});
    const std::string file = folder_.File(c.file);
    WriteFile(file, c.contenuto);
    EXPECT_TRUE(CaricaImmagineSuDB(*dm, "O'NEIL-1", file));
    EXPECT_EQ(Valore(*dm, "select TipoBitMap from composti where Codice = 'O''NEIL-1'"), c.tipoSalvato);
    EXPECT_EQ(Valore(*dm, "select length(BitMap) from composti where Codice = 'O''NEIL-1'"),
              std::to_string(c.contenuto.size()));
    EXPECT_EQ(Valore(*dm, "select BitMap from composti where Codice = 'ONEIL-1'"), "<null>");

    std::unique_ptr<TImageDB> picture = GetImageDB(*dm, "O'NEIL-1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->tipo(), c.letto);
  }
  EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(ItemPicturesTest, MissingItemsAndUnreadableFiles) {
  auto dm = ListinoVersione(20, {"insert into composti (Codice, Modello) values ('A', '_')"});
  EXPECT_EQ(GetImageDB(*dm, "NESSUNO"), nullptr);
  std::unique_ptr<TImageDB> vuota = GetImageDB(*dm, "A");  // an item without a picture
  ASSERT_NE(vuota, nullptr);
  EXPECT_FALSE(vuota->Loaded());

  EXPECT_FALSE(CaricaImmagineSuDB(*dm, "A", folder_.File("manca.png")));
  ASSERT_EQ(ui_->messages().size(), 1u);
  EXPECT_NE(ui_->messages()[0].find("manca.png"), std::string::npos);
}

TEST_F(ItemPicturesTest, PicturesByVersion) {
  auto dm = ListinoVersione(20, {"insert into composti (Codice, Modello) values ('A100', '_')",
                                 "insert into composti (Codice, Modello) values ('O''NEIL-1', '_')"});
  const std::string png = folder_.File("base.png");
  WriteFile(png, kPng);
  ASSERT_TRUE(CaricaImmagineSuDB(*dm, "A100", png));
  ASSERT_TRUE(CaricaImmagineSuDB(*dm, "O'NEIL-1", png));

  // Code and version from the file name.
  const std::string rosso = folder_.File(" A100 _ROSSO.scuro_1.jpg");
  WriteFile(rosso, kJpeg);
  auto q = dm->GetQuery();
  EXPECT_TRUE(InserisciImmagineVersione(*q, rosso, "", ""));
  EXPECT_EQ(Valore(*dm, "select Versione || '/' || TipoImmagine from immagini where Codice = 'A100'"), "ROSSO/jpg");
  // Given code and version, quotes included; the same version again replaces its picture.
  EXPECT_TRUE(InserisciImmagineVersione(*q, png, "O'NEIL-1", "RO'SSO"));
  EXPECT_TRUE(InserisciImmagineVersione(*q, rosso, "O'NEIL-1", "RO'SSO"));
  EXPECT_EQ(Conta(*dm, "immagini", "Codice = 'O''NEIL-1'"), 1);
  EXPECT_EQ(Valore(*dm, "select TipoImmagine from immagini where Versione = 'RO''SSO'"), "jpg");

  struct Lettura {
    int versione;
    const char* codice;
    const char* versioneImmagine;
    TTypeImageDB tipo;
  } letture[] = {
      {20, "A100", "ROSSO", imdbJPEG},    {20, "A100", "BLU", imdbPNG},         {20, "A100", "", imdbPNG},
      {20, "O'NEIL-1", "RO'SSO", imdbJPEG}, {20, "O'NEIL-1", "ROSSO", imdbPNG}, {18, "A100", "ROSSO", imdbPNG},
  };
  for (const Lettura& l : letture) {
    SCOPED_TRACE(std::to_string(l.versione) + " " + l.codice + " " + l.versioneImmagine);
    dm->eseguiQuery("update opzioni set PathRec = '" + std::to_string(l.versione) + "'");
    dm->DisConnetti();
    ASSERT_TRUE(dm->Connetti());
    dm->m_versioneimmagine = l.versioneImmagine;
    std::unique_ptr<TImageDB> picture = GetImageDB(*dm, l.codice);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->tipo(), l.tipo);
  }

  // Refused: no version in the name, an unknown item, an empty version, a missing file (the stored
  // picture stays).
  const std::string senzaVersione = folder_.File("A100.png");
  const std::string ignoto = folder_.File("B200_ROSSO.png");
  WriteFile(senzaVersione, kPng);
  WriteFile(ignoto, kPng);
  EXPECT_FALSE(InserisciImmagineVersione(*q, senzaVersione, "", ""));
  EXPECT_FALSE(InserisciImmagineVersione(*q, ignoto, "", ""));
  EXPECT_FALSE(InserisciImmagineVersione(*q, png, "A100", ""));
  EXPECT_FALSE(InserisciImmagineVersione(*q, folder_.File("A100_ROSSO.png"), "", ""));
  EXPECT_EQ(Conta(*dm, "immagini"), 2);
  EXPECT_EQ(Valore(*dm, "select TipoImmagine from immagini where Codice = 'A100'"), "jpg");
  EXPECT_TRUE(ui_->messages().empty());
}

}  // namespace
}  // namespace rovan::test
