#include "engine/lingue.h"

#include <gtest/gtest.h>

#include "host/motore/motore_host.h"
#include "plugin/process_state.h"
#include "plugin/settings.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

class LingueTest : public ListinoTest {
 protected:
  // A data module on a price list whose lingue_lis holds the given rows, at the given version.
  std::unique_ptr<TDMMain> ConLingue(const std::vector<std::string>& righe, int versione = 20) {
    std::vector<std::string> sql = {"update opzioni set PathRec = '" + std::to_string(versione) + "'"};
    for (const std::string& r : righe)
      sql.push_back("insert into lingue_lis (cod_lingua, desc_lingua, pos_lingua, cod_gest) values " + r);
    return Apri("provider=sqlite;Database=" + NuovoListino("l" + std::to_string(n_++) + ".sqlite", sql));
  }
  int n_ = 0;
};

TEST_F(LingueTest, FromTheTableWithPositionsOutsideOneToTenIgnored) {
  auto dm = ConLingue({"(' EN', 'English', 1, 'ENG')", "('DE', '', 2, NULL)", "('XX', 'Zero', 0, '')",
                       "('YY', 'Eleven', 11, '')"});
  const TLingue& l = dm->lingue();
  ASSERT_EQ(l.ContaLingue(), 2);
  std::string des;
  EXPECT_EQ(l.GetCodice(1, des), "EN");  // trimmed
  EXPECT_EQ(des, "English");
  EXPECT_EQ(l.GetCodice(2, des), "DE");
  EXPECT_EQ(des, "DE");  // no description: the code
  EXPECT_EQ(l.GetCodiceGest(1), "ENG");
  EXPECT_EQ(l.GetCodiceGest(2), "DE");
  EXPECT_EQ(l.GetCodice(3, des), "");
  EXPECT_EQ(des, "");
  EXPECT_EQ(l.GetDescrizione(3), "");
  EXPECT_EQ(Log(), (std::vector<std::string>{"Lingue <EN> <ENG> <English> <1>", "Lingue <DE> <> <> <2>"}));
}

TEST_F(LingueTest, SettingsFileWhenTheTableCannotServe) {
  FileImpostazioni().WriteString("lingue", "lingua1", "IT");
  FileImpostazioni().WriteString("lingue", "lingua3", "ES");
  struct Case {
    const char* what;
    std::vector<std::string> righe;
    int versione;
    int attese;  // languages found
  } cases[] = {
      {"empty table", {}, 20, 2},
      {"version below 12", {"('EN', 'English', 1, '')"}, 11, 2},
      {"table rows all ignored: the settings file is not read", {"('EN', 'English', 0, '')"}, 20, 0},
  };
  for (const Case& c : cases) {
    auto dm = ConLingue(c.righe, c.versione);
    EXPECT_EQ(dm->lingue().ContaLingue(), c.attese) << c.what;
  }
  auto dm = ConLingue({}, 20);
  std::string des;
  EXPECT_EQ(dm->lingue().GetCodice(3, des), "ES");
  EXPECT_EQ(des, "ES");
  // A web price list never reads the table.
  TLingue web;
  web.Update(20, dm->GetQuery(), true);
  EXPECT_EQ(web.ContaLingue(), 2);
}

TEST_F(LingueTest, PlaceholdersInContainerMode) {
  Processo().containerMode = true;
  auto dm = ConLingue({"('EN', 'English', 0, '')"});
  ASSERT_EQ(dm->lingue().ContaLingue(), 10);
  std::string des;
  EXPECT_EQ(dm->lingue().GetCodice(10, des), "10");
  EXPECT_EQ(des, "Lingua 10");
  // In container mode the host's settings do not choose the language.
  EXPECT_EQ(dm->GetIdLingua(), 0);
}

TEST_F(LingueTest, ActiveLanguage) {
  const std::string hostIni = folder_.File("kalvor.ini");
  kalvor::Host::Instance().SetIniFile(hostIni);
  WriteFile(hostIni, "[Translate]\nListLanguage=DE\nid_attiva_listino=1\n");
  auto dm = ConLingue({"('EN', 'English', 1, '')", "('DE', 'Deutsch', 2, '')"});
  EXPECT_EQ(dm->GetIdLingua(), 2);  // by code first

  TLingue& l = dm->lingue();
  EXPECT_FALSE(l.SettaLinguaCod("de"));  // codes are case-sensitive
  EXPECT_EQ(l.GetIdLinguaKalvor(), 0);
  EXPECT_TRUE(dm->SetIdLingua(1));
  EXPECT_EQ(dm->GetIdLingua(), 1);
  EXPECT_FALSE(dm->SetIdLingua(5));
  EXPECT_EQ(dm->GetIdLingua(), 0);

  WriteFile(hostIni, "[Translate]\nid_attiva_listino=1\n");
  EXPECT_TRUE(l.SettaLinguaDaKalvor());
  EXPECT_EQ(l.GetIdLinguaKalvor(), 1);
  // Reopening rebuilds the list and forgets the choice made by hand.
  dm->SetIdLingua(2);
  dm->DisConnetti();
  ASSERT_TRUE(dm->Connetti());
  EXPECT_EQ(dm->GetIdLingua(), 1);
}

}  // namespace
}  // namespace rovan::test
