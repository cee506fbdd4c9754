#include "host/motore/host_config.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>

#include "host/motore/motore_host.h"
#include "plugin/ItfKalvor.h"
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

TEST_F(HostConfigTest, DescribesAScene) {
  std::ofstream(folder_.File("def.txt")) << "ELEMENTO %CODE%\n";
  std::string file = Write(
      "[Definition]\nFile=" + folder_.File("def.txt") + "\n"
      "[Scene]\nObjects=3\nSelection=1, 3\nCurrent=2\nFree=3\n"
      "[Object.1]\nName=Base\nLink=0\nChildren=2\nVar.X=N:40\nOwn.B=T:bi\nOwn.A=N:1\nRelative.1=REL 1\n"
      "Relative.2=REL 2\n"
      "[Object.2]\nName=Anta\nFlags=0x800000\nLink=1,4\nLinkPoints=Sx,Dx\n"
      "[Object.3]\nLink=2\nLinkEnd1=0,1,\nLinkEnd2=2,0,Q\n"
      "[CollectionItems]\n4=Maniglia\n");
  ASSERT_EQ(ConfigureHost(file), "");
  void* obj = nullptr;
  ASSERT_EQ(get_InstanceByName("IStatus", &obj), 0);
  auto* status = static_cast<rovan::IStatus*>(obj);
  const rovan::TListaRec* sel = status->ListaCorrente();
  ASSERT_NE(sel, nullptr);
  ASSERT_NE(sel->next, nullptr);
  auto* base = static_cast<rovan::TOggettoRec*>(sel->item);
  auto* third = static_cast<rovan::TOggettoRec*>(sel->next->item);
  rovan::TOggettoRec* anta = status->OggettoCorrente();
  EXPECT_STREQ(*base->nome, "Base");
  EXPECT_STREQ(*third->nome, "Oggetto3");
  EXPECT_STREQ(*anta->nome, "Anta");
  EXPECT_EQ(anta->flags, 0x800000u);
  EXPECT_EQ(base->link->tipo, 0);
  EXPECT_EQ(anta->link->indiceCollezione, 4);
  EXPECT_EQ(third->link->tipo, 2);
  EXPECT_EQ(third->link->oggetto1, base);
  EXPECT_EQ(third->link->oggetto2, nullptr);
  EXPECT_STREQ(third->link->punto2, "Q");
  EXPECT_FLOAT_EQ(static_cast<rovan::TVarRec*>(base->variabili->item)->valore.numero, 40.0f);
  EXPECT_STREQ(static_cast<rovan::TVarRec*>(base->proprie->item)->nome, "B");
  EXPECT_STREQ(static_cast<rovan::TVarRec*>(base->proprie->next->item)->nome, "A");

  // Children, free objects, point names, collection items and relative records through the interfaces.
  ASSERT_EQ(get_InstanceByName("ITopologiaUtils", &obj), 0);
  auto* topology = static_cast<rovan::ITopologiaUtils*>(obj);
  ASSERT_EQ(get_InstanceByName("ILinkFunction", &obj), 0);
  auto* links = static_cast<rovan::ILinkFunction*>(obj);
  ASSERT_EQ(get_InstanceByName("ICollezione", &obj), 0);
  auto* coll = static_cast<rovan::ICollezione*>(obj);
  rovan::TListaRec* children = topology->Figli(base);
  ASSERT_NE(children, nullptr);
  EXPECT_EQ(children->item, anta);
  rovan::TListaRec* loose = topology->OggettiLiberi();
  ASSERT_NE(loose, nullptr);
  EXPECT_EQ(loose->item, third);
  char p1[64], p2[64];
  topology->NomiPunti(anta->link->topologia, p1, p2);
  EXPECT_STREQ(p1, "Sx");
  EXPECT_STREQ(p2, "Dx");
  EXPECT_STREQ(links->NomeElemento(coll->Elemento(4)), "Maniglia");
  links->RilasciaLista(children, 0);
  links->RilasciaLista(loose, 0);
  ASSERT_EQ(get_InstanceByName("IRecRelativo", &obj), 0);
  auto* relative = static_cast<rovan::IRecRelativo*>(obj);
  ASSERT_EQ(get_InstanceByName("IStringList", &obj), 0);
  auto* lines = static_cast<rovan::IStringList*>(obj);
  relative->Riempi(base, lines);
  ASSERT_EQ(lines->Count(), 2);
  EXPECT_STREQ(lines->Item(1), "REL 2");

  EXPECT_EQ(status->Comando(("rec_cmp \"" + folder_.File("o.cmp") + "\" \"K9\"").c_str()), 0);
  EXPECT_EQ(rovan::test::ReadFile(folder_.File("o.cmp")), "ELEMENTO K9\n");
  for (rovan::IUnknownRovan* itf : std::initializer_list<rovan::IUnknownRovan*>{
           status, topology, links, coll, relative, lines})
    itf->Release();
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
      {"[Scene]\nObjects=many\n", "scene: Objects expects a number of objects"},
      {"[Scene]\nObjects=1\nSelection=1,2\n", "scene: Selection: no object 2"},
      {"[Scene]\nObjects=1\nCurrent=1,1\n", "scene: Current names one object"},
      {"[Scene]\nObjects=1\n[Object.1]\nFlags=x\n", "object 1: Flags expects an integer"},
      {"[Scene]\nObjects=1\n[Object.1]\nChildren=0\n", "object 1: Children: no object 0"},
      {"[Scene]\nObjects=1\n[Object.1]\nLink=1,a\n", "object 1: Link expects <kind>[,<collection index>]"},
      {"[Scene]\nObjects=1\n[Object.1]\nLink=1\nLinkPoints=a\n", "object 1: LinkPoints expects <name>,<name>"},
      {"[Scene]\nObjects=1\n[Object.1]\nLink=2\nLinkEnd1=0,1\n",
       "object 1: LinkEnd1: expected <mode>,<object>,<point>"},
      {"[Scene]\nObjects=1\n[Object.1]\nVar.X=Q:1\n", "object 1 variable X: expected N:, T: or P:"},
      {"[CollectionItems]\nuno=Maniglia\n", "collection item uno: expected a number"},
      {"[Definition]\nFile=/no/such/file\n", "definition: cannot read /no/such/file"},
  };
  for (const Case& c : cases) EXPECT_EQ(ConfigureHost(Write(c.text)), c.error) << c.text;
  EXPECT_EQ(ConfigureHost(folder_.File("missing.ini")), "no such file: " + folder_.File("missing.ini"));
}

// The entry point for hosts written in C: the same reader, its outcome as a code and a text in the
// caller's buffer.
TEST_F(HostConfigTest, CEntryPointReportsInTheCallersBuffer) {
  const std::string good = Write("[Variables]\nAliasListino=T:provider=sqlite;Database=%BASE%/a.sqlite\n");
  const std::string missing = folder_.File("missing.ini");
  struct Case {
    std::string file;
    int32_t size;  // of the buffer handed in
    int32_t result;
    std::string error;  // what the buffer holds afterwards
  } cases[] = {
      {good, 64, 0, ""},
      {missing, 256, -1, "no such file: " + missing},
      {missing, 8, -1, "no such"},  // cut to the buffer, still terminated
      {missing, 1, -1, ""},
      {missing, 0, -1, "untouched"},
  };
  for (const Case& c : cases) {
    std::string buffer = "untouched";
    buffer.resize(300, 'x');
    buffer[9] = '\0';
    EXPECT_EQ(kalvor_configure_host(c.file.c_str(), buffer.data(), c.size), c.result) << c.file << " " << c.size;
    EXPECT_EQ(std::string(buffer.c_str()), c.error) << c.file << " " << c.size;
  }
  EXPECT_EQ(kalvor_configure_host(missing.c_str(), nullptr, 10), -1);  // no buffer: only the code
  EXPECT_EQ(kalvor_configure_host(nullptr, nullptr, 0), -1);
  ASSERT_NE(Host::Instance().Find("AliasListino"), nullptr);
  EXPECT_STREQ(Host::Instance().Find("AliasListino")->valore.testo, "provider=sqlite;Database=%BASE%/a.sqlite");
}

}  // namespace
}  // namespace kalvor
