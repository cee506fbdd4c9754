#include "storage/item_script.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "tests/storage/record_fixture.h"

namespace rovan::test {
namespace {

using ItemScriptTest = RecordTest;

TEST_F(ItemScriptTest, ScriptRoundTripsWithTheGenericFlagByVersion) {
  // The generic flag is read from version 18 on; the code holds a quote.
  struct Case {
    int versione;
    bool generico;
  } cases[] = {{10, false}, {17, false}, {18, true}, {20, true}};
  const std::vector<std::string> script = {"PATH 1", "PUSH", "", "SET_NAME 'O''NEIL'", "POP"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.versione);
    auto dm = ListinoVersione(c.versione, {"insert into composti (Codice, Modello, Generico) values ('O''NEIL-1', '_', 1)",
                                           "insert into composti (Codice, Modello, CmpBlob) values ('ONEIL-1', '_', 'x')"});
    EXPECT_TRUE(SalvaBlobConn(*dm, "O'NEIL-1", script));
    EXPECT_EQ(Valore(*dm, "select CmpBlob from composti where Codice = 'O''NEIL-1'"),
              "PATH 1\r\nPUSH\r\n\r\nSET_NAME 'O''NEIL'\r\nPOP\r\n");
    EXPECT_EQ(Valore(*dm, "select CmpBlob from composti where Codice = 'ONEIL-1'"), "x");

    std::vector<std::string> letto = {"left over"};
    bool generico = !c.generico;
    EXPECT_EQ(LeggiBlobNew(*dm, "O'NEIL-1", letto, generico), 2);
    EXPECT_EQ(letto, script);
    EXPECT_EQ(generico, c.generico);
  }
  EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(ItemScriptTest, UnknownCodesEmptyScriptsAndEmptyLists) {
  auto dm = ListinoVersione(20, {"insert into composti (Codice, Modello, Generico) values ('VUOTO', '_', 0)",
                                 "insert into composti (Codice, Modello, CmpBlob) values ('PIENO', '_', 'A' || char(13) || 'B' || char(10))"});
  std::vector<std::string> letto = {"left over"};
  bool generico = false;
  EXPECT_EQ(LeggiBlobNew(*dm, "NESSUNO", letto, generico), 0);
  EXPECT_TRUE(letto.empty());
  EXPECT_EQ(LeggiBlobNew(*dm, "VUOTO", letto, generico), 1);
  EXPECT_TRUE(letto.empty());
  // Lone CR and LF break lines too.
  EXPECT_EQ(LeggiBlobNew(*dm, "PIENO", letto, generico), 2);
  EXPECT_EQ(letto, (std::vector<std::string>{"A", "B"}));

  // An empty list keeps the stored script.
  EXPECT_FALSE(SalvaBlobConn(*dm, "PIENO", {}));
  EXPECT_EQ(LeggiBlobNew(*dm, "PIENO", letto, generico), 2);
  EXPECT_EQ(letto.size(), 2u);
}

TEST_F(ItemScriptTest, ScriptKeepsOnlyWhatTheHostCodePageHolds) {
  auto dm = ListinoVersione(20, {"insert into composti (Codice, Modello) values ('A', '_')"});
  SetAnsiCodePage("CP1252");
  const bool salvato = SalvaBlobConn(*dm, "A", {"// Perché Ω"});
  SetAnsiCodePage("");
  EXPECT_TRUE(salvato);
  EXPECT_EQ(Valore(*dm, "select CmpBlob from composti"), "// Perché ?\r\n");
}

}  // namespace
}  // namespace rovan::test
