// Price lists for the record-operation tests: a new SQLite file put at a given table version (the file
// always has the whole structure; the version decides which SQL the operations write), and reading
// single values back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "storage/dm_main.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {

class RecordTest : public ListinoTest {
 protected:
  // The ODBC drivers are registered before any test moves TMPDIR into its own folder, which goes at the
  // end of that test; so every case finds them when the whole program runs in one process.
  static void SetUpTestSuite() { RegisterOdbcProviders(); }

  // A new SQLite price list at table version versione, with extra statements run on it.
  std::string FileVersione(int versione, std::vector<std::string> sql = {}) {
    sql.insert(sql.begin(), "update opzioni set PathRec = '" + std::to_string(versione) + "'");
    return NuovoListino("v" + std::to_string(versione) + "_" + std::to_string(++file_) + ".sqlite", sql);
  }
  std::unique_ptr<TDMMain> ListinoVersione(int versione, std::vector<std::string> sql = {}) {
    auto dm = Apri("provider=sqlite;Database=" + FileVersione(versione, std::move(sql)));
    EXPECT_EQ(dm->GetVersioneTabelle(), versione);
    return dm;
  }

  // The first column of the first row, as text; "<no row>" when there is none, "<null>" for NULL.
  static std::string Valore(TDMMain& dm, const std::string& sql) {
    auto q = dm.GetQuery();
    q->SQL().SetText(sql);
    q->Open();
    if (q->isEmpty()) return "<no row>";
    return q->Fields(0).IsNull() ? "<null>" : q->Fields(0).AsString();
  }
  static int64_t Conta(TDMMain& dm, const std::string& tabella, const std::string& where = "") {
    return std::stoll(Valore(dm, "select count(*) from " + tabella + (where.empty() ? "" : " where " + where)));
  }

 private:
  int file_ = 0;
};

}  // namespace rovan::test
