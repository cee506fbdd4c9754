// TQorConnection: engine choice, labels, provider fallbacks and the failures of each engine.
#include "storage/qor_connection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system_paths.h"
#include "platform/ui_services.h"
#include "storage/qor_query.h"
#include "tests/storage/engine_fixture.h"

namespace rovan::test {
namespace {

TEST(SostituisciProvider, ExchangesOnlyTheProviderValue) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"Provider=SQLOLEDB;Data Source=srv;Initial Catalog=Cat1", "Provider=SQLNCLI11;Data Source=srv;Initial Catalog=Cat1"},
      {"Data Source=srv;PROVIDER=Microsoft.Jet.OLEDB.4.0", "Data Source=srv;PROVIDER=SQLNCLI11"},
      {"Data Source=srv;provider=;User ID=sa", "Data Source=srv;provider=SQLNCLI11;User ID=sa"},
      {"Data Source=srv;Initial Catalog=Cat1", "Data Source=srv;Initial Catalog=Cat1"},
  };
  for (const Case& c : cases) EXPECT_EQ(TQorConnection::SostituisciProvider(c.in, "SQLNCLI11"), c.out);
}

class ConnectionTest : public ::testing::Test {
 protected:
  // In the test's folder: the SQLite3 driver creates a file for a server-style string's catalogue.
  void SetUp() override {
    RegisterOdbcProviders();
    std::filesystem::current_path(folder_.path());
  }
  void TearDown() override { std::filesystem::current_path(previousFolder_); }

  // Connects with cs; returns the result and keeps the log lines written on the way.
  bool Connect(const std::string& cs) {
    conn_.SetConnectionString(cs);
    conn_.SetLogSink([this](const std::string& line) { log_.push_back(line); });
    return conn_.ConnettiConProvider();
  }

  std::filesystem::path previousFolder_ = std::filesystem::current_path();
  TempFolder folder_;
  TQorConnection conn_;
  std::vector<std::string> log_;
  ScopedRecordingUi ui_;
};

TEST_F(ConnectionTest, PrefixChoosesTheEngineAndTheLabel) {
  const std::string db = folder_.File("lista.db");
  const std::string mdb = folder_.File("lista.mdb");
  struct Case {
    std::string cs;
    TipoConnessione tipo;
    std::string label;
    TTipoListino kind;
    std::string path;
  } cases[] = {
      {"PROVIDER=SQLITE;DATABASE=" + db, tcExpress, "SQLITE:" + db, TL_SQLITE, db},
      {"provider=sqlite;xxxxxxxxx" + db, tcExpress, "SQLITE:" + db, TL_SQLITE, db},  // keyword not checked
      {" provider=sqlite;database=" + db, tcAdo, "SQLSERVER: provider=sqlite;database=" + db, TL_SQLSERVER, ""},
      {"Provider=SQLOLEDB;Data Source=srv;Initial Catalog=Cat1;User ID=sa", tcAdo, "SQLSERVER:Cat1", TL_SQLSERVER, ""},
      {"Provider=SQLOLEDB;Data Source=srv;INITIAL CATALOG=Cat1", tcAdo, "SQLSERVER:Cat1", TL_SQLSERVER, ""},
      {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + mdb, tcAdo,
       "SQLSERVER:Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + mdb, TL_ACCESS, ""},
  };
  for (const Case& c : cases) {
    Connect(c.cs);
    EXPECT_EQ(conn_.Tipo(), c.tipo) << c.cs;
    EXPECT_EQ(conn_.DesDBListino(), c.label);
    EXPECT_EQ(conn_.GetTipoListino(), c.kind) << c.cs;
    EXPECT_EQ(conn_.PathDatabase(), c.path) << c.cs;
  }
}

TEST_F(ConnectionTest, MissingProviderFallsBackInOrderAfterOneLogLine) {
  const std::string db = folder_.File("lista.db");
  const std::string mdb = folder_.File("lista.mdb");
  struct Case {
    std::string cs;
    bool connected;
    std::string used;  // the ADO string in force afterwards
    size_t logLines;
  } cases[] = {
      {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + mdb, true,
       "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + mdb, 1},
      {"Provider=SQLOLEDB;Data Source=" + db + ";User ID=sa", true, "Provider=SQLNCLI10;Data Source=" + db + ";User ID=sa", 1},
      {"Provider=SQLNCLI10;Data Source=" + db, true, "Provider=SQLNCLI10;Data Source=" + db, 0},
      {"Data Source=" + db, false, "Data Source=" + db, 1},  // no provider: every candidate is the same string
  };
  for (const Case& c : cases) {
    log_.clear();
    EXPECT_EQ(Connect(c.cs), c.connected) << c.cs;
    EXPECT_EQ(conn_.Connected(), c.connected);
    EXPECT_EQ(conn_.AdoConnectionString(), c.used);
    EXPECT_EQ(conn_.ConnectionString(), c.cs);  // the owner's string is never rewritten
    ASSERT_EQ(log_.size(), c.logLines) << c.cs;
    if (c.logLines == 1) {
      EXPECT_EQ(log_[0], "Rovan cs" + c.cs);
    }
  }
  EXPECT_TRUE(ui_->messages().empty());  // ADO failures are silent
}

TEST_F(ConnectionTest, AdoAttemptDeletesSystemMdbBesideTheExecutable) {
  const std::string systemMdb = ExecutableFolder() + "system.mdb";
  WriteFile(systemMdb, "stale");
  Connect("Provider=SQLNCLI10;Data Source=" + folder_.File("lista.db"));
  EXPECT_FALSE(std::filesystem::exists(systemMdb));
}

TEST_F(ConnectionTest, FailedSqliteOpenShowsItsMessageOnce) {
  EXPECT_FALSE(Connect("provider=sqlite;database=" + folder_.File("manca/lista.db")));
  EXPECT_FALSE(conn_.Connected());
  ASSERT_EQ(ui_->messages().size(), 1u);
  EXPECT_EQ(ui_->messages()[0], "unable to open database file");
  EXPECT_TRUE(log_.empty());
}

TEST_F(ConnectionTest, MissingSqliteFileIsCreated) {
  const std::string db = folder_.File("nuovo.db");
  EXPECT_TRUE(Connect("provider=sqlite;database=" + db));
  EXPECT_TRUE(std::filesystem::exists(db));
  EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(ConnectionTest, UnconfiguredConnectionOffersNothing) {
  EXPECT_EQ(conn_.Tipo(), tcNone);
  EXPECT_EQ(conn_.GetQuery(), nullptr);
  EXPECT_FALSE(conn_.Connected());
  EXPECT_EQ(conn_.GetInfo(), "");
}

class ConnectionEngineTest : public EngineTest {};

TEST_P(ConnectionEngineTest, InfoDescribesTheConnection) {
  const std::string db = folder_.File("lista.db");
  if (GetParam() == Backend::Sqlite) {
    EXPECT_EQ(conn_.GetInfo(), "  (DriverID=SQLite\nLockingMode=Normal\nOpenMode=CreateUTF8\nDatabase=" + db + "\n )");
  } else {
    std::string info = conn_.GetInfo();
    EXPECT_TRUE(info.starts_with("  (")) << info;
    EXPECT_NE(info.find(" - " + db + " - SQLite3)"), std::string::npos) << info;
  }
}

TEST_P(ConnectionEngineTest, ConnectedSwitchesTheActiveEngine) {
  conn_.SetConnected(false);
  EXPECT_FALSE(conn_.Connected());
  EXPECT_NE(conn_.GetQuery(), nullptr);  // the engine stays chosen
  conn_.SetConnected(true);
  EXPECT_TRUE(conn_.Connected());
}

INSTANTIATE_TEST_SUITE_P(BothEngines, ConnectionEngineTest, ::testing::Values(Backend::Sqlite, Backend::Odbc),
                         BackendName);

}  // namespace
}  // namespace rovan::test
