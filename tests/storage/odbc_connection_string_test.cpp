#include "storage/odbc_connection_string.h"

#include <gtest/gtest.h>

namespace rovan {
namespace {

TEST(OdbcConnectionString, TranslatesAdoKeys) {
  struct Case {
    const char* ado;
    const char* odbc;
  } cases[] = {
      {"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/listino.mdb;Persist Security Info=False",
       "Driver={Microsoft.ACE.OLEDB.12.0};Database=/data/listino.mdb;Persist Security Info=False"},
      {"Provider=SQLNCLI11;Data Source=srv\\SQLEXPRESS;Initial Catalog=Cat1;User ID=sa;Password=x;y",
       "Driver={SQLNCLI11};Server=srv\\SQLEXPRESS;Database=Cat1;UID=sa;PWD=x;y="},
      {"provider=SQLOLEDB;data source=10.0.0.5;PASSWORD=\"a;b\"", "Driver={SQLOLEDB};Server=10.0.0.5;PWD={a;b}"},
      {"Data Source=lista.MDB;;", "Database=lista.MDB"},
  };
  for (const Case& c : cases) EXPECT_EQ(AdoToOdbcConnectionString(c.ado), c.odbc) << c.ado;
  EXPECT_EQ(AdoProviderName("Data Source=x; PROVIDER = SQLNCLI10 ;"), "SQLNCLI10");
  EXPECT_EQ(AdoProviderName("Data Source=x"), "");
}

}  // namespace
}  // namespace rovan
