// The translation store reads "RovanLang.mdb" beside the host executable through the provider
// "Microsoft.Jet.OLEDB.4.0"; here that provider is the SQLite3 ODBC driver and the file an SQLite database.
#include "storage/traduci_mdb.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "host/motore/motore_host.h"
#include "platform/system_paths.h"
#include "plugin/ItfRovan.h"
#include "plugin/library.h"
#include "tests/platform/temp_folder.h"
#include "tests/storage/engine_fixture.h"

namespace rovan::test {
namespace {

class TraduciTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterOdbcProviders({"Microsoft.Jet.OLEDB.4.0"});
    std::remove(mdb_.c_str());
    kalvor::Host::Instance().Reset();
    kalvor::Host::Instance().SetIniFile(folder_.File("kalvor.ini"));
    CaricaLibreria();
  }
  void TearDown() override {
    ScaricaLibreria();
    std::remove(mdb_.c_str());
    kalvor::Host::Instance().Reset();
  }
  void Lingua(const std::string& codice) { WriteFile(folder_.File("kalvor.ini"), "[Translate]\nLanguage=" + codice + "\n"); }
  void Database() {
    TQorConnection c;
    c.SetConnectionString("provider=sqlite;Database=" + mdb_);
    ASSERT_TRUE(c.ConnettiConProvider());
    for (const char* sql : {"create table lingue (cod_lingua text, pos_lingua integer)",
                            "insert into lingue values ('EN', 1), ('DE', 2)",
                            "create table righe_msg (cod_msg text primary key, msg_1 text, msg_2 text)",
                            "insert into righe_msg values ('MSG.Listino', 'Price list', 'Preisliste')",
                            "insert into righe_msg values ('MSG.Vuoto', '   ', NULL)",
                            "insert into righe_msg values ('MSG.It''s', 'It is', 'Es ist')"}) {
      auto q = c.GetQuery();
      q->SQL().SetText(sql);
      ASSERT_TRUE(q->EseguiSQL(true)) << sql;
    }
  }
  TempFolder folder_;
  const std::string mdb_ = ExecutableFolder() + "RovanLang.mdb";
};

TEST_F(TraduciTest, TranslatesIntoTheHostLanguage) {
  Database();
  Lingua("DE");
  EXPECT_EQ(TraduciTesto("MSG", "Listino"), "Preisliste");
  EXPECT_EQ(TraduciTesto("MSG", "Listino"), "Preisliste");  // again, on the open connection
  EXPECT_EQ(TraduciTesto("MSG", "Vuoto"), "Vuoto");          // no text in that language
  EXPECT_EQ(TraduciTesto("MSG", "It's"), "Es ist");          // the key is a bound parameter
  EXPECT_EQ(TraduciTesto("ALTRO", "Listino"), "Listino");
  EXPECT_TRUE(TraduttoreRovan().IsAttivo());
}

TEST_F(TraduciTest, BlankTranslationsAndALanguageChangeAfterRelease) {
  Database();
  Lingua("EN");
  EXPECT_EQ(TraduciTesto("MSG", "Vuoto"), "Vuoto");  // blank: the Italian text
  EXPECT_EQ(TraduciTesto("MSG", "Listino"), "Price list");
  Lingua("DE");
  EXPECT_EQ(TraduciTesto("MSG", "Listino"), "Price list");  // fixed until released
  void* obj = nullptr;
  RovanGetInstanceByName("IRovan", &obj);
  auto* rovan = static_cast<IRovan*>(obj);
  rovan->createRovan2();
  rovan->destroyRovan();
  EXPECT_EQ(TraduciTesto("MSG", "Listino"), "Preisliste");
}

TEST_F(TraduciTest, InactiveWithoutDatabaseOrLanguage) {
  struct Case {
    const char* what;
    bool database;
    const char* lingua;
  } cases[] = {
      {"no database", false, "EN"},
      {"no language in the host's settings", true, ""},
      {"a language the database lacks", true, "FR"},
  };
  for (const Case& c : cases) {
    std::remove(mdb_.c_str());
    if (c.database) Database();
    Lingua(c.lingua);
    RilasciaTraduttore();
    EXPECT_EQ(TraduciTesto("MSG", "Listino"), "Listino") << c.what;
    EXPECT_FALSE(TraduttoreRovan().IsAttivo()) << c.what;
  }
}

}  // namespace
}  // namespace rovan::test
