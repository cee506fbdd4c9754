// TQorQuery2 on both engines: every test body runs on SQLite and on ODBC.
#include "storage/qor_query.h"

#include <gtest/gtest.h>

#include "platform/ui_services.h"
#include "storage/database_error.h"
#include "tests/storage/engine_fixture.h"

namespace rovan::test {
namespace {

class QueryTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    Exec("CREATE TABLE articoli (codice TEXT PRIMARY KEY, descr TEXT, prezzo REAL, qta INTEGER, dati BLOB)");
    Exec("INSERT INTO articoli (codice, descr, prezzo, qta) VALUES ('A1', 'Sedia', 10.5, 3)");
    Exec("INSERT INTO articoli (codice, descr, prezzo, qta) VALUES ('B2', 'Tavolo', 99, 1)");
    Exec("INSERT INTO articoli (codice, descr, prezzo, qta) VALUES ('C3', 'sedia alta', 20, 0)");
  }
  bool odbc() const { return GetParam() == Backend::Odbc; }
};

TEST_P(QueryTest, ParametersBindByNameByPositionRepeatedAndFromFile) {
  auto ins = Query("INSERT INTO articoli (codice, descr, prezzo, qta, dati)\nVALUES (:cod, :descr, :prezzo, :qta, :dati)");
  ins->SetParamByName("COD", "D4", ftString);  // names ignore letter case
  ins->SetParamByName("descr", "Divano àè");
  ins->SetParamByName("prezzo", "12.25", ftFloat);  // converted to the parameter's type
  ins->SetParamByName("qta", 7, ftInteger);
  WriteFile(folder_.File("img.bin"), std::string("\x00\x01zz", 4));
  ins->SetParamByNameFile("dati", folder_.File("img.bin"), ftBlob);
  ASSERT_TRUE(ins->EseguiSQL(false));

  ins->SetParam(0, "E5");  // by position: distinct names in order
  ins->SetParamByNameNull("descr");
  ASSERT_TRUE(ins->EseguiSQL(false));

  auto q = Query("SELECT codice, descr, prezzo, qta, dati FROM articoli WHERE codice = :c OR codice = :altro OR descr = :c");
  ASSERT_EQ(q->Params().Count(), 2u);
  q->SetParamByName("c", "D4");
  q->SetParamByName("altro", "E5");
  q->Open();
  ASSERT_EQ(q->RecordCount(), 2);
  EXPECT_EQ(q->FieldByName("descr").AsString(), "Divano àè");
  EXPECT_EQ(q->FieldByName("prezzo").AsFloat(), 12.25);
  EXPECT_EQ(q->FieldByName("qta").AsInteger(), 7);
  EXPECT_EQ(q->FieldByName("dati").Value(), FieldValue(Blob{std::string("\x00\x01zz", 4)}));
  q->Next();
  EXPECT_EQ(q->FieldByName("codice").AsString(), "E5");
  EXPECT_TRUE(q->FieldByName("descr").IsNull());

  EXPECT_THROW(q->SetParamByName("manca", 1), DatabaseError);
  EXPECT_THROW(q->SetParamByNameFile("c", folder_.File("missing.bin")), DatabaseError);
}

TEST_P(QueryTest, ParameterTypeRulesOfTheAdoEngine) {
  Exec("CREATE TABLE memo (v)");
  struct Case {
    TFieldType type;
    FieldValue value;
    const char* sqlite;  // typeof(v) + "|" + length(v) as stored
    const char* odbc;
  } cases[] = {
      {ftWideString, "", "text|0", "null|"},
      {ftWideString, "x", "text|1", "text|1"},
      {ftFmtMemo, "A", "text|1", "blob|2"},
      {ftFmtMemo, FieldValue(), "null|", "null|"},
      {ftString, "", "text|0", "text|0"},
  };
  for (const Case& c : cases) {
    Exec("DELETE FROM memo");
    auto ins = Query("INSERT INTO memo (v) VALUES (:v)");
    ins->SetParamByName("v", c.value, c.type);
    ASSERT_TRUE(ins->EseguiSQL(false));
    EXPECT_EQ(Scalar("SELECT typeof(v) || '|' || coalesce(length(v), '') FROM memo"), odbc() ? c.odbc : c.sqlite)
        << "type " << c.type << " value '" << c.value.AsString() << "'";
  }
  auto q = Query("SELECT v FROM memo");
  Exec("DELETE FROM memo");
  auto ins = Query("INSERT INTO memo (v) VALUES (:v)");
  ins->SetParamByName("v", "A", ftFmtMemo);
  ASSERT_TRUE(ins->EseguiSQL(false));
  q->Open();
  EXPECT_EQ(q->Fields(0).Value(), odbc() ? FieldValue(Blob{std::string("A\0", 2)}) : FieldValue("A"));
}

TEST_P(QueryTest, CursorWalksRowsBothWaysAndStopsAtTheEnds) {
  auto q = Query("SELECT codice FROM articoli ORDER BY codice");
  q->Open();
  EXPECT_EQ(q->RecordCount(), 3);
  EXPECT_TRUE(q->Bof());
  std::string seen;
  for (; !q->Eof(); q->Next()) seen += q->Fields(0).AsString();
  EXPECT_EQ(seen, "A1B2C3");
  EXPECT_EQ(q->Fields(0).AsString(), "C3");  // past the end the last row stays current
  q->Prior();
  EXPECT_EQ(q->Fields(0).AsString(), "B2");
  EXPECT_EQ(q->MoveBy(-5), -1);
  EXPECT_TRUE(q->Bof());
  EXPECT_EQ(q->MoveBy(10), 2);
  EXPECT_TRUE(q->Eof());
  q->First();
  EXPECT_EQ(q->Fields(0).AsString(), "A1");

  auto empty = Query("SELECT codice FROM articoli WHERE codice = 'nessuno'");
  EXPECT_FALSE(empty->preparaQuery0());
  EXPECT_TRUE(empty->isEmpty());
  EXPECT_TRUE(empty->Eof());
  EXPECT_TRUE(empty->FieldByName("codice").IsNull());
  EXPECT_TRUE(empty->preparaQuery0Msg());
  EXPECT_TRUE(Query("SELECT codice FROM articoli")->preparaQuery0());
}

TEST_P(QueryTest, LocateMatchesKeysWithOptions) {
  struct Case {
    const char* fields;
    std::vector<FieldValue> values;
    unsigned options;
    const char* found;  // codice of the row found, or null
  } cases[] = {
      {"codice", {"B2"}, 0, "B2"},
      {"codice", {"b2"}, 0, nullptr},
      {"codice", {"b2"}, loCaseInsensitive, "B2"},
      {"descr", {"Sedia"}, loPartialKey, "A1"},
      {"descr", {"sedia a"}, loPartialKey, "C3"},
      {"descr", {"SEDIA A"}, loPartialKey | loCaseInsensitive, "C3"},
      {"descr;qta", {"Tavolo", 1}, 0, "B2"},
      {"descr; qta", {"Tavolo", 2}, 0, nullptr},
      {"prezzo", {99.0}, 0, "B2"},
      {"qta", {0}, 0, "C3"},
  };
  auto q = Query("SELECT codice, descr, prezzo, qta FROM articoli ORDER BY codice");
  q->Open();
  for (const Case& c : cases) {
    q->First();
    q->Next();  // a failed locate leaves the cursor here
    bool found = q->Locate(c.fields, c.values, c.options);
    EXPECT_EQ(found, c.found != nullptr) << c.fields << " " << c.values[0].AsString();
    EXPECT_EQ(q->FieldByName("codice").AsString(), c.found ? c.found : "B2") << c.fields;
  }
  EXPECT_THROW(q->Locate("manca", {1}), DatabaseError);
}

TEST_P(QueryTest, FieldsReadTheCurrentRowByNameAndPosition) {
  auto q = Query("SELECT * FROM articoli ORDER BY codice");
  EXPECT_THROW(q->FieldByName("codice"), DatabaseError);  // closed
  q->Open();
  EXPECT_EQ(q->FieldCount(), 5);
  TQorField descr = q->FieldByName("DESCR");
  EXPECT_EQ(descr.FieldName(), "descr");
  EXPECT_EQ(descr.AsString(), "Sedia");
  q->Next();
  EXPECT_EQ(descr.AsString(), "Tavolo");  // the handle follows the cursor
  EXPECT_EQ(q->Fields(1).AsString(), "Tavolo");
  EXPECT_EQ(q->GetFieldValue("qta").AsInteger(), 1);
  EXPECT_TRUE(q->GetFieldValue("dati").IsNull());
  EXPECT_THROW(q->FieldByName("manca"), DatabaseError);
  EXPECT_THROW(q->Fields(5), DatabaseError);
  EXPECT_THROW(q->SetFieldValue("descr", "x"), DatabaseError);  // not in edit mode
}

// The same edits on a table with a primary key and on one without (written back by rowid).
TEST_P(QueryTest, EditAppendAndCancelWriteBackToTheBaseTable) {
  for (const char* table : {"con_chiave", "senza_chiave"}) {
    SCOPED_TRACE(table);
    Exec(std::string("CREATE TABLE ") + table +
         (std::string(table) == "con_chiave" ? " (codice TEXT PRIMARY KEY, descr TEXT)" : " (codice TEXT, descr TEXT)"));
    Exec(std::string("INSERT INTO ") + table + " VALUES ('A', 'uno')");
    Exec(std::string("INSERT INTO ") + table + " VALUES ('B', 'due')");
    std::string stored = std::string("SELECT group_concat(codice || '=' || descr, ',') FROM (SELECT * FROM ") +
                         table + " ORDER BY codice)";

    auto q = Query(std::string("SELECT codice, descr FROM ") + table + " ORDER BY codice");
    q->Open();
    q->Next();
    q->Edit();
    EXPECT_EQ(q->State(), dsEdit);
    q->SetFieldValue("descr", "DUE");
    q->Post();
    EXPECT_EQ(q->State(), dsBrowse);
    EXPECT_EQ(q->FieldByName("descr").AsString(), "DUE");
    EXPECT_EQ(Scalar(stored), "A=uno,B=DUE");

    q->Append();
    EXPECT_EQ(q->State(), dsInsert);
    q->FieldByName("codice").SetValue("C");
    q->FieldByName("descr").SetValue("tre");
    q->Post();
    EXPECT_EQ(q->RecordCount(), 3);
    EXPECT_EQ(q->FieldByName("codice").AsString(), "C");
    EXPECT_EQ(Scalar(stored), "A=uno,B=DUE,C=tre");

    q->Edit();  // the appended row can be found again
    q->SetFieldValue("descr", "TRE");
    q->Post();
    q->First();
    q->Edit();
    q->SetFieldValue("descr", "scartato");
    q->Cancel();
    EXPECT_EQ(q->FieldByName("descr").AsString(), "uno");
    EXPECT_EQ(Scalar(stored), "A=uno,B=DUE,C=TRE");

    q->Edit();
    q->SetFieldValue("descr", "spostato");
    q->Next();  // moving posts the change
    EXPECT_EQ(q->State(), dsBrowse);
    EXPECT_EQ(Scalar(stored), "A=spostato,B=DUE,C=TRE");
  }
}

TEST_P(QueryTest, UnlocatableRowsAreRefused) {
  auto q = Query("SELECT count(*) AS n FROM articoli");
  q->Open();
  q->Edit();
  q->SetFieldValue("n", 5);
  EXPECT_THROW(q->Post(), DatabaseError);  // an expression has no base column
  q->Cancel();
  EXPECT_THROW(q->Post(), DatabaseError);  // not in edit mode
}

TEST_P(QueryTest, ErrorsFollowTheRulesOfEachEngine) {
  ScopedRecordingUi ui;
  auto bad = Query("SELECT nessuna FROM tabella_assente");
  EXPECT_FALSE(bad->EseguiSQL(false));
  EXPECT_TRUE(ui->messages().empty());
  EXPECT_FALSE(bad->EseguiSQL(true));
  ASSERT_EQ(ui->messages().size(), 1u);
  EXPECT_NE(ui->messages()[0].find("tabella_assente"), std::string::npos) << ui->messages()[0];

  if (odbc()) {
    EXPECT_FALSE(bad->preparaQuery0());
    EXPECT_FALSE(bad->preparaQuery0Msg());
  } else {
    EXPECT_THROW(bad->preparaQuery0(), DatabaseError);
    EXPECT_THROW(bad->preparaQuery0Msg(), DatabaseError);
  }
  EXPECT_THROW(bad->Open(), DatabaseError);
  EXPECT_THROW(Query("DELETE FROM articoli WHERE 0")->Open(), DatabaseError);  // no result set
  EXPECT_EQ(ui->messages().size(), 1u);
}

TEST_P(QueryTest, SqlTextIsBuiltLineByLine) {
  auto q = conn_.GetQuery();
  q->SQL().Add("SELECT codice FROM articoli");
  q->SQL().Add("WHERE codice = :c");
  q->SetParamByName("c", "A1");
  q->SQL().Put(1, "WHERE codice <> :c");  // parameters keep their values across text changes
  q->Open();
  EXPECT_EQ(q->RecordCount(), 2);
  q->SQL().Clear();
  q->SQL().Add("SELECT codice FROM articoli WHERE codice = :k");
  q->SetActive(true);
  EXPECT_TRUE(q->isEmpty());  // :k never set: NULL
  q->ClearParams();
  EXPECT_THROW(q->SetParamByName("k", 1), DatabaseError);
}

TEST_P(QueryTest, RequeryRunsTheStatementAgain) {
  auto q = Query("SELECT codice FROM articoli");
  q->Open();
  q->Next();
  Exec("INSERT INTO articoli (codice) VALUES ('Z9')");
  EXPECT_EQ(q->RecordCount(), 3);
  q->Requery();
  EXPECT_EQ(q->RecordCount(), 4);
  EXPECT_TRUE(q->Bof());
}

TEST_P(QueryTest, ForwardOnlyReadsRowsOneAtATime) {
  auto q = Query("SELECT codice, qta FROM articoli ORDER BY codice");
  q->OpenForwardOnly();
  EXPECT_EQ(q->RecordCount(), -1);
  TQorField codice = q->FieldByName("codice");
  std::string seen;
  for (; !q->Eof(); q->Next()) seen += codice.AsString();
  EXPECT_EQ(seen, "A1B2C3");
  EXPECT_THROW(q->Prior(), DatabaseError);
  EXPECT_THROW(q->Edit(), DatabaseError);
  q->SetActive(true);  // runs again, still forward-only
  EXPECT_EQ(q->FieldByName("codice").AsString(), "A1");
  EXPECT_EQ(q->MoveBy(2), 2);
  EXPECT_EQ(q->FieldByName("codice").AsString(), "C3");
}

// Rolled back through the connection, committed through the query.
TEST_P(QueryTest, TransactionRolledBackLeavesNothingBehind) {
  auto q = Query("INSERT INTO articoli (codice) VALUES ('T1')");
  conn_.BeginTrans();
  ASSERT_TRUE(q->EseguiSQL(false));
  Exec("UPDATE articoli SET qta = 42");
  conn_.RollbackTrans();
  EXPECT_EQ(Scalar("SELECT count(*) FROM articoli WHERE codice = 'T1' OR qta = 42"), "0");
  EXPECT_EQ(Scalar("SELECT count(*) FROM articoli WHERE codice = 'T1'"), "0");
  q->BeginTrans();
  ASSERT_TRUE(q->EseguiSQL(false));
  q->CommitTrans();
  EXPECT_EQ(Scalar("SELECT count(*) FROM articoli WHERE codice = 'T1'"), "1");
}

INSTANTIATE_TEST_SUITE_P(BothEngines, QueryTest, ::testing::Values(Backend::Sqlite, Backend::Odbc), BackendName);

}  // namespace
}  // namespace rovan::test
