// Naming lines of stored definitions, the placeholder definition and the exact host command lines.
#include "plugin/host_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/host_commands.h"
#include "plugin/process_state.h"

namespace rovan {
namespace {

using Lines = std::vector<std::string>;

class HostScriptTest : public ::testing::Test {
 protected:
  void TearDown() override { Processo() = ProcessState{}; }
};

TEST_F(HostScriptTest, NamingLinesOfADefinition) {
  const struct Case {
    const char* what;
    Lines definition;
    bool generico;
    Lines expected;
  } cases[] = {
      {"lower-case naming line: replaced, no listino line",
       {"PUSH", "  set_name 'Vecchio' ", "COMPONENDO 0"}, false,
       {"PUSH", "SET_NAME \"A100\"", "COMPONENDO 0"}},
      {"naming line of a generic item", {"SET_NAME x", "SET_NAME y"}, true,
       {"SET_STATO Generico", "SET_NAME \"A100\"", "SET_NAME y"}},
      {"no naming line: inserted before COMPONENDO 0",
       {"COMPONENDO 1", "ELEMENTO x", "  componendo 0", "POP"}, false,
       {"COMPONENDO 1", "ELEMENTO x", "VAR_SET cmp_listino=\"Cucine 2024\"", "SET_NAME \"A100\"", "  componendo 0",
        "POP"}},
      {"generic, no naming line", {"COMPONENDO 0"}, true,
       {"SET_STATO Generico", "VAR_SET cmp_listino=\"Cucine 2024\"", "SET_NAME \"A100\"", "COMPONENDO 0"}},
      {"neither line: unchanged", {"PUSH", "COMPONENDO 1", "POP"}, true, {"PUSH", "COMPONENDO 1", "POP"}},
      {"a name that does not begin the line is not a naming line", {"VAR_SET x=SET_NAME"}, false,
       {"VAR_SET x=SET_NAME"}},
  };
  for (const Case& c : cases) {
    Lines lines = c.definition;
    ImpostaNomeComposto(lines, "A100", c.generico, "Cucine 2024");
    EXPECT_EQ(lines, c.expected) << c.what;
  }
}

TEST_F(HostScriptTest, ExcludedSystemLinesLeaveDefinitionsAsStored) {
  Processo().switches.escludiSist = true;
  Lines lines = {"set_name x", "COMPONENDO 0"};
  ImpostaNomeComposto(lines, "A100", true, "L");
  EXPECT_EQ(lines, (Lines{"set_name x", "COMPONENDO 0"}));
}

TEST_F(HostScriptTest, PlaceholderDefinitionIsNamedLikeAStoredOne) {
  Processo().switches.nonGraficato = "Vuoto";
  Lines lines = {"// prima"};
  ScriptCompostoVuoto(lines);
  EXPECT_EQ(lines, (Lines{"// prima", "// creazione da Listino", "PATH 1", "PUSH", "COMPONENDO 1", "ELEMENTO Vuoto",
                          "STRUTTURA", "Set_s \\0", "SET_NAME 'TTT' ", "COMPONENDO 0", "POP"}));
  ImpostaNomeComposto(lines, "B7", false, "L");
  EXPECT_EQ(lines[8], "SET_NAME \"B7\"");
  EXPECT_EQ(lines.size(), 11u);
}

TEST(HostCommandsTest, LinesWithValues) {
  EXPECT_EQ(comandi::RecCmp("/t/navass.cmp", "A 1"), "rec_cmp \"/t/navass.cmp\" \"A 1\"");
  EXPECT_EQ(comandi::RecIt("/t/navass.rit"), "rec_it /t/navass.rit");
  EXPECT_EQ(comandi::TPrint("/t/rovan.png", "rovan"),
            "TPRINT CMD GO ORVEL BATCH RND_OUTFILE \"/t/rovan.png\" RND_PRESET \"rovan\"");
}

}  // namespace
}  // namespace rovan
