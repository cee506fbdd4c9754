#include "host/kalvor/host_config.h"

#include <gtest/gtest.h>

#include <fstream>

#include "host/motore/motore_host.h"
#include "tests/platform/temp_folder.h"

namespace kalvor {
namespace {

class HostConfigTest : public ::testing::Test {
 protected:
  void SetUp() override { Host::Instance().Reset(); }
  void TearDown() override { Host::Instance().Reset(); }
  std::string Write(const std::string& text) {
    std::string file = folder_.File("host.ini");
    std::ofstream(file) << text;
    return file;
  }
  rovan::test::TempFolder folder_;
};

TEST_F(HostConfigTest, AppliesEverySection) {
  std::string file = Write(
      "[Paths]\nBase=/opt/k\nDocRoot=/srv/doc\nIniFile=/opt/k/k.ini\n"
      "[Collection]\nName=Cucine\n"
      "[ValueTables]\nMenuX_pcf=60:Sessanta;90:Novanta\n"
      "[Variables]\nAliasListino=T:Provider=SQLite;Database=/d/a.sqlite\nCMP_CERCASUUSER=N:1.5\n"
      "base_0=P:1,2,3\n"
      "[Commands]\nrec_cmp=3\n"
      "[Refuse]\nIDMessage=1\nIStatus=0\n");
  ASSERT_EQ(ConfigureHost(file), "");
  Host& h = Host::Instance();
  EXPECT_EQ(h.basePath(), "/opt/k");
  EXPECT_EQ(h.docRoot(), "/srv/doc");
  EXPECT_EQ(h.iniFile(), "/opt/k/k.ini");
  EXPECT_STREQ(h.Find("AliasListino")->valore.testo, "Provider=SQLite;Database=/d/a.sqlite");
  EXPECT_FLOAT_EQ(h.Find("CMP_CERCASUUSER")->valore.numero, 1.5f);
  EXPECT_FLOAT_EQ(h.Find("base_0")->valore.punto[2], 3.0f);

  rovan::TGetInstanceByName get = &get_InstanceByName;
  void* obj = nullptr;
  EXPECT_EQ(get("IDMessage", &obj), -1);
  ASSERT_EQ(get("IStatus", &obj), 0);
  auto* status = static_cast<rovan::IStatus*>(obj);
  EXPECT_EQ(status->Comando("rec_cmp \"a\" \"b\""), 3);
  EXPECT_EQ(status->Comando("esegui X"), 0);
  status->Release();
  ASSERT_EQ(get("ICollezione", &obj), 0);
  auto* coll = static_cast<rovan::ICollezione*>(obj);
  EXPECT_STREQ(coll->NomeCollezione(), "Cucine");
  ASSERT_NE(coll->PrimaTabella(), nullptr);
  EXPECT_EQ(std::string(coll->PrimaTabella()->nome), "MenuX_pcf");
  EXPECT_FLOAT_EQ(coll->PrimaTabella()->voci->next->valore, 90.0f);
  coll->Release();
}

TEST_F(HostConfigTest, ReportsTheFirstMalformedEntry) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"[Variables]\nX=Q:1\n", "variable X: expected N:, T: or P:"},
      {"[Variables]\nX=N:abc\n", "variable X: not a number"},
      {"[Variables]\nX=P:1,2\n", "variable X: expected three numbers"},
      {"[ValueTables]\nT=60\n", "value table T: expected <number>:<label>"},
      {"[Commands]\nrec_cmp=yes\n", "command rec_cmp: expected an integer result"},
  };
  for (const Case& c : cases) EXPECT_EQ(ConfigureHost(Write(c.text)), c.error) << c.text;
  EXPECT_EQ(ConfigureHost(folder_.File("missing.ini")), "no such file: " + folder_.File("missing.ini"));
}

}  // namespace
}  // namespace kalvor
