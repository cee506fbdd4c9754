// A plug-in bound to the substitute host, with the host's base folder (where "rovan.ini" lives) and the
// temporary folder in a fresh folder, for the data module and the engine's language tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/motore/motore_host.h"
#include "platform/ui_services.h"
#include "plugin/library.h"
#include "plugin/settings.h"
#include "storage/crea_listino.h"
#include "storage/dm_main.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"
#include "tests/storage/engine_fixture.h"

namespace rovan::test {

class ListinoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kalvor::Host::Instance().Reset();
    kalvor::Host::Instance().SetBasePath(folder_.path());
    CaricaLibreria();
  }
  void TearDown() override {
    ScaricaLibreria();
    kalvor::Host::Instance().Reset();
  }

  // A new SQLite price list in the test folder, with extra statements run on it.
  std::string NuovoListino(const std::string& nome, const std::vector<std::string>& sql = {}) {
    const std::string file = folder_.File(nome);
    EXPECT_TRUE(CreaListinoSQLite(file, false));
    Esegui(file, sql);
    return file;
  }
  // Runs statements on an SQLite price list.
  static void Esegui(const std::string& file, const std::vector<std::string>& sql) {
    TQorConnection c;
    c.SetConnectionString("provider=sqlite;Database=" + file);
    EXPECT_TRUE(c.ConnettiConProvider());
    for (const std::string& s : sql) {
      auto q = c.GetQuery();
      q->SQL().SetText(s);
      EXPECT_TRUE(q->EseguiSQL(true)) << s;
    }
  }
  // A data module connected to a connection string.
  std::unique_ptr<TDMMain> Apri(const std::string& connessione) {
    auto dm = std::make_unique<TDMMain>();
    dm->SettaConnessione(connessione, 0);
    EXPECT_TRUE(dm->Connetti()) << connessione;
    return dm;
  }
  std::vector<std::string> Log() const {
    std::vector<std::string> out;
    for (const auto& l : kalvor::Host::Instance().log()) out.push_back(l.text);
    return out;
  }

  // The drivers are registered before TMPDIR moves into the test's folder, so that their folder outlives
  // the test.
  bool registered_ = (RegisterOdbcProviders(), true);
  TempFolder folder_;
  ScopedEnv tmpdir_{"TMPDIR", folder_.path().c_str()};
  ScopedRecordingUi ui_;
};

}  // namespace rovan::test
