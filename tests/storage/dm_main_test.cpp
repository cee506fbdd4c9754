#include "storage/dm_main.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/motore/motore_host.h"
#include "plugin/password.h"
#include "storage/database_error.h"
#include "storage/crea_listino.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

int64_t Conta(TDMMain& dm, const std::string& tabella) {
  auto q = dm.GetQuery();
  q->SQL().SetText("select count(*) from " + tabella);
  q->Open();
  return q->Fields(0).AsInteger();
}

using DMMainTest = ListinoTest;

TEST_F(DMMainTest, NewSqlitePriceListOpensAtTheCurrentVersion) {
  const std::string file = NuovoListino("nuovo.sqlite");
  auto dm = Apri("provider=sqlite;Database=" + file);
  EXPECT_EQ(dm->GetTipoListino(), TL_SQLITE);
  EXPECT_EQ(dm->DesDBListino(), "SQLITE:" + file);
  EXPECT_EQ(dm->GetVersioneTabelle(), 20);
  EXPECT_EQ(dm->GetIdxPrimaria(), 1);
  auto q = dm->GetQuery();
  q->SQL().SetText("select Descrizione from gruppi");
  q->Open();
  EXPECT_EQ(q->RecordCount(), 1);
  EXPECT_EQ(q->Fields(0).AsString(), "Primario");
  EXPECT_EQ(Conta(*dm, "caratt"), 1);
  EXPECT_EQ(Conta(*dm, "valori"), 1);
  EXPECT_TRUE(Log().empty());  // at the current version nothing is logged

  // A second creation on the same file is refused with a message; the structure alone has no rows.
  EXPECT_FALSE(CreaListinoSQLite(file, false));
  EXPECT_EQ(ui_->messages(), std::vector<std::string>{file + " file già presente"});
  const std::string vuoto = folder_.File("vuoto.sqlite");
  EXPECT_TRUE(CreaListinoSQLite(vuoto, true));
  auto dmVuoto = Apri("provider=sqlite;Database=" + vuoto);
  EXPECT_EQ(dmVuoto->GetVersioneTabelle(), -1);
  EXPECT_EQ(Conta(*dmVuoto, "composti"), 0);
}

TEST_F(DMMainTest, VersionGatesAndPreparedStatements) {
  struct Case {
    const char* pathRec;        // null: no option row
    int versione;
    bool nuovoOrdinamento, generici, immaginiVersione;
    size_t righeImmagine;       // lines of QueryInsertImage
    size_t righeInsComposto;
    size_t righeImgVersione;
  } cases[] = {
      {nullptr, -1, false, false, false, 2, 4, 2},
      {"abc", 0, false, false, false, 2, 4, 2},
      {"10", 10, false, false, false, 2, 4, 2},
      {"13", 13, false, false, false, 2, 6, 2},
      {"14", 14, false, false, false, 3, 6, 3},
      {" 18 ", 18, true, true, false, 3, 6, 3},
      {"19", 19, true, true, true, 3, 6, 6},
      {"20", 20, true, true, true, 3, 6, 6},
  };
  for (const Case& c : cases) {
    std::vector<std::string> sql = {"delete from opzioni"};
    if (c.pathRec != nullptr) sql.push_back(std::string("insert into opzioni (IdxPrimaria, PathRec) values (7, '") + c.pathRec + "')");
    const std::string file = NuovoListino(std::string("v") + std::to_string(c.versione) + (c.pathRec ? c.pathRec : "-") + ".sqlite", sql);
    auto dm = Apri("provider=sqlite;Database=" + file);
    SCOPED_TRACE(c.pathRec ? c.pathRec : "no option row");
    EXPECT_EQ(dm->GetVersioneTabelle(), c.versione);
    EXPECT_EQ(dm->GetIdxPrimaria(), c.pathRec ? 7 : -1);
    EXPECT_EQ(dm->IsNuovoOrdinamento(), c.nuovoOrdinamento);
    EXPECT_EQ(dm->IsGenericiEnabled(), c.generici);
    EXPECT_EQ(dm->IsImmaginiVersione(), c.immaginiVersione);
    EXPECT_EQ(dm->QueryInsertImage()->SQL().Count(), c.righeImmagine);
    EXPECT_EQ(dm->qrInsComposto()->SQL().Count(), c.righeInsComposto);
    EXPECT_EQ(dm->qrGetImgVersione()->SQL().Count(), c.righeImgVersione);
    EXPECT_EQ(dm->IdRigaImgVersione, 4);
    EXPECT_EQ(dm->QueryInsertComp()->SQL().Text(), "UPDATE composti Set CmpBlob = :CB Where Codice = :Codice\n");
    if (c.versione != 20) {
      EXPECT_EQ(Log().back(), "Apertura   Versione Software =20 Versione Listino=" + std::to_string(c.versione));
    }
  }
}

TEST_F(DMMainTest, PictureStatementDependsOnTheKind) {
  const std::string sqlite = NuovoListino("kind.sqlite", {"update opzioni set PathRec = '19'"});
  // The same file reached as a SQL Server database (provider SQLNCLI10) and as an Access file.
  const std::string mdb = folder_.File("kind.mdb");
  std::filesystem::copy_file(sqlite, mdb);
  struct Case {
    std::string connessione;
    TTipoListino tipo;
    size_t righe;
    int riga;
  } cases[] = {
      {"Provider=SQLNCLI10;Data Source=" + sqlite, TL_SQLSERVER, 7, 5},
      {"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + mdb, TL_ACCESS, 6, 4},
      {"provider=sqlite;Database=" + sqlite, TL_SQLITE, 6, 4},
  };
  for (const Case& c : cases) {
    auto dm = Apri(c.connessione);
    EXPECT_EQ(dm->GetTipoListino(), c.tipo) << c.connessione;
    TQorQuery2& q = *dm->qrGetImgVersione();
    EXPECT_EQ(q.SQL().Count(), c.righe) << c.connessione;
    EXPECT_EQ(dm->IdRigaImgVersione, c.riga);
    EXPECT_EQ(q.SQL()[static_cast<size_t>(c.riga)], " :Versione ");
    EXPECT_EQ(c.tipo == TL_SQLSERVER, q.SQL().Text().find("collate Latin1_General_CI_AS") != std::string::npos);
  }
  // An Access string naming a missing file is taken for SQL Server.
  TDMMain missing;
  missing.SettaConnessione("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder_.File("none.mdb"), 0);
  EXPECT_EQ(missing.GetTipoListino(), TL_SQLSERVER);
}

TEST_F(DMMainTest, EmptyingTablesBySelector) {
  const std::string file = NuovoListino("svuota.sqlite", {
      "insert into composti (Codice, Modello) values ('A', '_')",
      "insert into infaus (Codice, Modello) values ('A', '_')",
      "insert into infcomp (Codice, Modello) values ('A', '_')",
      "insert into immagini (Codice, Versione) values ('A', 'v')",
  });
  auto dm = Apri("provider=sqlite;Database=" + file);
  dm->SvuotaDatabase("tabaus");  // selectors are case-sensitive: nothing goes
  EXPECT_EQ(Conta(*dm, "infaus"), 1);
  EXPECT_NE(dm->QueryInsertComp(), nullptr);  // reopened
  dm->SvuotaDatabase("TabAus");
  EXPECT_EQ(Conta(*dm, "infaus"), 0);
  EXPECT_EQ(Conta(*dm, "infcomp"), 1);
  EXPECT_EQ(Conta(*dm, "composti"), 1);
  dm->SvuotaDatabase("");
  for (const char* t : {"composti", "infcomp", "caratt", "valori", "gruppi", "immagini"}) EXPECT_EQ(Conta(*dm, t), 0) << t;
  EXPECT_EQ(dm->GetIdxPrimaria(), 1);  // opzioni is kept
  EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(DMMainTest, StatementsTransactionsAndQueriesThatMustReturnRows) {
  auto dm = Apri("provider=sqlite;Database=" + NuovoListino("stmt.sqlite"));
  EXPECT_TRUE(dm->eseguiQueryTrans("insert into gruppi (Codice, Descrizione) values (5, 'Prova')", false));
  EXPECT_EQ(Conta(*dm, "gruppi"), 1);  // a trial run leaves nothing
  EXPECT_TRUE(dm->eseguiQueryTrans("insert into gruppi (Codice, Descrizione) values (5, 'Prova')", true));
  EXPECT_EQ(Conta(*dm, "gruppi"), 2);
  EXPECT_FALSE(dm->eseguiQueryTrans("insert into nessuna values (1)", true));
  EXPECT_TRUE(ui_->messages().empty());

  EXPECT_TRUE(dm->eseguiQuery("insert into nessuna values (1)"));  // shown, not raised
  EXPECT_EQ(ui_->messages().size(), 1u);

  std::unique_ptr<TQorQuery2> q;
  EXPECT_TRUE(dm->preparaQueryDaLiberare("select Descrizione from gruppi order by Codice", q));
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->Fields(0).AsString(), "Primario");
  EXPECT_FALSE(dm->preparaQueryDaLiberare("select * from gruppi where Codice = 99", q));
  EXPECT_EQ(q, nullptr);
  // On SQLite an error while opening reaches the caller.
  EXPECT_THROW(dm->preparaQueryDaLiberare("select * from nessuna", q), DatabaseError);

  dm->SetIdxPrimaria(3);
  dm->DisConnetti();
  EXPECT_EQ(dm->QueryInsertComp(), nullptr);
  EXPECT_TRUE(dm->Connetti());
  EXPECT_EQ(dm->GetIdxPrimaria(), 3);
}

TEST_F(DMMainTest, WebAddresses) {
  kalvor::Host& host = kalvor::Host::Instance();
  host.SetText("AliasListinoWebRepository", "http://repo/oggetti");
  host.SetCollectionName("Cucine/2024");
  TDMMain asmx;
  asmx.SettaConnessione("http://server/listino/WebRovan.asmx", 2);
  EXPECT_EQ(asmx.GetTipoListino(), TL_WEB);
  EXPECT_EQ(asmx.m_WebVersione, 1);
  EXPECT_EQ(asmx.m_ConnessioneWeb, "http://server/listino/WebRovan.asmx");
  EXPECT_EQ(asmx.m_WebRepository, "http://repo/oggetti");
  EXPECT_EQ(asmx.GetIdListino(), 2);

  TDMMain bare;
  bare.SettaConnessione("http://server/listino", 0);
  EXPECT_EQ(bare.m_WebVersione, 2);
  EXPECT_EQ(bare.m_ConnessioneWeb, "http://server/listino/WebRovan.asmx");
  EXPECT_EQ(bare.m_WebRepository, "http://server/listino/GetOggetto.ashx");
  // The cache folder is named after the collection and stays inside the temporary folder.
  EXPECT_EQ(bare.m_WebCacheLocale, folder_.path() + "/WebCache/Cucine_2024/");
  EXPECT_TRUE(std::filesystem::is_directory(bare.m_WebCacheLocale + "img"));
  EXPECT_TRUE(std::filesystem::is_directory(bare.m_WebCacheLocale + "cmp"));
  EXPECT_FALSE(bare.Connetti() && bare.Database.Connected());
  // "Http:" is not the web prefix.
  TDMMain upper;
  upper.SettaConnessione("Http://server", 0);
  EXPECT_NE(upper.GetTipoListino(), TL_WEB);
}

TEST_F(DMMainTest, ConnectionOfAConfiguredPriceList) {
  kalvor::Host& host = kalvor::Host::Instance();
  const std::string secret = ScramblePassword("Segreto1", 1);
  host.SetText("AliasListinoSecondario2", "provider=;Data Source=%BASE%/b.mdb;password=*" + secret + "*");
  host.Describe("AliasListinoSecondario2", "Listino B", 0);
  host.SetText("AliasListinoSecondario2_cachefile", "%BASE%/b.cache");
  std::string conn, des, cache;
  EXPECT_TRUE(GetConnectionListino(2, conn, des, cache));
  EXPECT_EQ(conn, "Provider=XXX;Data Source=" + folder_.path() + "/b.mdb;Password=Segreto1");
  EXPECT_EQ(des, "Listino B");
  EXPECT_EQ(cache, folder_.path() + "/b.cache");
  EXPECT_FALSE(GetConnectionListino(0, conn, des, cache));  // no AliasListino
}

}  // namespace
}  // namespace rovan::test
