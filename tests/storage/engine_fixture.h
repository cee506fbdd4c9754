// Shared set-up of the connection and query tests: one test body runs on both engines.
//
// The ODBC engine runs on the SQLite3 ODBC driver, registered in a private ODBCSYSINI folder under the
// provider names of kRegisteredProviders; "Microsoft.Jet.OLEDB.4.0", "SQLNCLI11", "SQLNCLI" and
// "SQLOLEDB" are deliberately not registered, so the provider fallbacks meet missing drivers.
#pragma once

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "storage/qor_connection.h"
#include "storage/qor_query.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace rovan::test {

inline constexpr const char* kRegisteredProviders[] = {"Microsoft.ACE.OLEDB.12.0", "SQLNCLI10", "SQLite3"};

// Registers the driver once per process under the given names (the first call's names hold for the whole
// process); the folder lives until the process ends.
inline void RegisterOdbcProviders(const std::vector<std::string>& names = {std::begin(kRegisteredProviders),
                                                                          std::end(kRegisteredProviders)}) {
  static TempFolder folder;
  static ScopedEnv env = [&names] {
    std::string ini;
    for (const std::string& name : names)
      ini += std::string("[") + name + "]\nDriver=" + ROVAN_SQLITE_ODBC_DRIVER + "\n\n";
    WriteFile(folder.File("odbcinst.ini"), ini);
    WriteFile(folder.File("odbc.ini"), "");
    return ScopedEnv("ODBCSYSINI", folder.path().c_str());
  }();
}

enum class Backend { Sqlite, Odbc };

inline std::string BackendName(const ::testing::TestParamInfo<Backend>& info) {
  return info.param == Backend::Sqlite ? "Sqlite" : "Odbc";
}

// A connection string naming the database file on the given engine.
inline std::string ConnectionStringFor(Backend backend, const std::string& file) {
  return backend == Backend::Sqlite ? "Provider=SQLite;Database=" + file
                                    : "Provider=SQLite3;Data Source=" + file;
}

// A connected database in a fresh folder, on the engine of the test parameter.
class EngineTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    RegisterOdbcProviders();
    conn_.SetConnectionString(ConnectionStringFor(GetParam(), folder_.File("lista.db")));
    ASSERT_TRUE(conn_.ConnettiConProvider());
    ASSERT_EQ(conn_.Tipo(), GetParam() == Backend::Sqlite ? tcExpress : tcAdo);
  }

  // A query with the given text.
  std::unique_ptr<TQorQuery2> Query(const std::string& sql) {
    std::unique_ptr<TQorQuery2> q = conn_.GetQuery();
    q->SQL().SetText(sql);
    return q;
  }
  void Exec(const std::string& sql) { ASSERT_TRUE(Query(sql)->EseguiSQL(true)) << sql; }
  // The first column of the first row of a query, as text.
  std::string Scalar(const std::string& sql) {
    auto q = Query(sql);
    q->Open();
    return q->Fields(0).AsString();
  }

  TempFolder folder_;
  TQorConnection conn_;
};

}  // namespace rovan::test
