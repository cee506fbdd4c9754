// The SQL text of a query: its lines and its ":name" parameters.
#include <gtest/gtest.h>

#include <stdexcept>

#include "storage/database_error.h"
#include "storage/sql_lines.h"
#include "storage/sql_params.h"

namespace rovan {
namespace {

TEST(SqlLines, BuildsTextLineByLine) {
  SqlLines sql;
  sql.Add("SELECT *");
  sql.Add("FROM t");
  sql.Put(1, "FROM u");
  EXPECT_EQ(sql.Text(), "SELECT *\nFROM u\n");
  EXPECT_THROW(sql.Put(2, "x"), std::out_of_range);
  uint64_t before = sql.version();
  sql.SetText("a\r\nb\nc\rd");
  EXPECT_GT(sql.version(), before);
  EXPECT_EQ(sql.Count(), 4u);
  EXPECT_EQ(sql[3], "d");
  sql.Clear();
  EXPECT_EQ(sql.Text(), "");
}

TEST(SqlParams, ParsesMarkersOutsideLiteralsAndComments) {
  struct Case {
    const char* sql;
    const char* positional;
    std::vector<std::string> names;
  } cases[] = {
      {"SELECT * FROM t WHERE a = :a AND b = :B_2", "SELECT * FROM t WHERE a = ? AND b = ?", {"a", "B_2"}},
      {"WHERE a = :x OR b = :x", "WHERE a = ? OR b = ?", {"x", "x"}},
      {"WHERE a = ':no' AND b = \"c:d\" AND [e:f] = :yes", "WHERE a = ':no' AND b = \"c:d\" AND [e:f] = ?", {"yes"}},
      {"WHERE a = 'it''s :no' -- :no\n AND b = :si /* :no */", "WHERE a = 'it''s :no' -- :no\n AND b = ? /* :no */", {"si"}},
      {"SELECT a::text, '12:30' FROM t", "SELECT a::text, '12:30' FROM t", {}},
  };
  for (const Case& c : cases) {
    ParsedSql parsed = ParseSqlParams(c.sql);
    EXPECT_EQ(parsed.positionalText, c.positional);
    EXPECT_EQ(parsed.occurrences, c.names) << c.sql;
  }
}

TEST(SqlParams, RebuildKeepsValuesOfNamesThatRemain) {
  SqlParams params;
  params.Rebuild({"a", "b", "A"});
  ASSERT_EQ(params.Count(), 2u);
  params.ByName("A").value = 1;
  params.At(1).type = ftString;
  params.Rebuild({"c", "a"});
  EXPECT_EQ(params.At(0).name, "c");
  EXPECT_EQ(params.ByName("a").value, FieldValue(1));
  EXPECT_EQ(params.Find("b"), nullptr);
  EXPECT_THROW(params.ByName("b"), DatabaseError);
  EXPECT_THROW(params.At(2), DatabaseError);
}

}  // namespace
}  // namespace rovan
