// The substitute host's scene and the files its commands write, as the plug-in reaches them.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/motore/motore_host.h"
#include "tests/host/motore/host_lookup.h"
#include "tests/platform/temp_folder.h"

namespace {

using kalvor::Host;
using namespace rovan;

using kalvor::test::Get;

std::vector<std::string> Names(const TListaRec* list) {
  std::vector<std::string> names;
  for (; list != nullptr; list = list->next) names.emplace_back(*static_cast<TOggettoRec*>(list->item)->nome);
  return names;
}

class MotoreScene : public ::testing::Test {
 protected:
  void SetUp() override { host.Reset(); }
  void TearDown() override {
    for (IUnknownRovan* itf : {static_cast<IUnknownRovan*>(status), static_cast<IUnknownRovan*>(topology),
                               static_cast<IUnknownRovan*>(links), static_cast<IUnknownRovan*>(collection),
                               static_cast<IUnknownRovan*>(find)})
      itf->Release();
    host.Reset();
  }
  Host& host = Host::Instance();
  IStatus* status = Get<IStatus>("IStatus");
  ITopologiaUtils* topology = Get<ITopologiaUtils>("ITopologiaUtils");
  ILinkFunction* links = Get<ILinkFunction>("ILinkFunction");
  ICollezione* collection = Get<ICollezione>("ICollezione");
  IVarsFind* find = Get<IVarsFind>("IVarsFind");
};

TEST_F(MotoreScene, ObjectRecordsAsDocumented) {
  TOggettoRec* a = host.AddObject("Anta");
  TOggettoRec* b = host.AddObject("Base");
  EXPECT_STREQ(*a->nome, "Anta");
  host.SetObjectVariable(a, "X", 60.0f);
  host.SetObjectVariable(a, "cmp_name", std::string("A1"));
  TVarRec* x = find->TrovaVarOggetto(a, "X", VAR_NUMERO);
  ASSERT_NE(x, nullptr);
  host.SetObjectVariable(a, "X", std::array<float, 3>{1, 2, 3});
  EXPECT_EQ(find->TrovaVarOggetto(a, "X", VAR_NUMERO), x) << "overwritten in place";
  EXPECT_EQ(x->tipo, VAR_PUNTO);
  EXPECT_STREQ(find->TrovaVarOggetto(a, "cmp_name", VAR_TESTO)->valore.testo, "A1");
  EXPECT_EQ(find->TrovaVarOggetto(b, "X", VAR_NUMERO), nullptr);

  host.AddOwnVariable(a, "L", 2.0f);
  host.AddOwnVariable(a, "M", std::string("m"));
  std::vector<std::string> own;
  for (const TListaRec* r = a->proprie; r != nullptr; r = r->next) own.emplace_back(static_cast<TVarRec*>(r->item)->nome);
  EXPECT_EQ(own, (std::vector<std::string>{"L", "M"}));

  kalvor::ObjectLink link;
  link.kind = 2;
  link.collectionIndex = 5;
  link.first = {2, b, "P1"};
  link.second = {1, nullptr, "P2"};
  host.SetLink(a, link);
  ASSERT_NE(a->link, nullptr);
  EXPECT_EQ(a->link->tipo, 2);
  EXPECT_EQ(a->link->indiceCollezione, 5);
  EXPECT_EQ(a->link->modo1, 2);
  EXPECT_EQ(a->link->oggetto1, b);
  EXPECT_STREQ(a->link->punto1, "P1");
  EXPECT_EQ(a->link->modo2, 1);
  EXPECT_EQ(a->link->oggetto2, nullptr);
  EXPECT_STREQ(a->link->punto2, "P2");
  EXPECT_EQ(b->link, nullptr);

  TOggettoRec foreign{};
  EXPECT_THROW(host.SetObjectVariable(&foreign, "X", 1.0f), std::invalid_argument);
  EXPECT_THROW(host.SetSelection({a, &foreign}), std::invalid_argument);
  link.first.object = &foreign;
  EXPECT_THROW(host.SetLink(a, link), std::invalid_argument);
}

TEST_F(MotoreScene, ListsOfTheScene) {
  TOggettoRec* a = host.AddObject("A");
  TOggettoRec* b = host.AddObject("B");
  TOggettoRec* c = host.AddObject("C");
  EXPECT_EQ(status->ListaCorrente(), nullptr);
  EXPECT_EQ(status->OggettoCorrente(), nullptr);
  host.SetSelection({b, a});
  host.SetCurrentObject(a);
  host.SetChildren(a, {c, b});
  host.SetFreeObjects({c});
  EXPECT_EQ(Names(status->ListaCorrente()), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(status->ListaCorrente(), status->ListaCorrente()) << "the host's own list";
  EXPECT_EQ(status->OggettoCorrente(), a);

  TListaRec* children = topology->Figli(a);
  TListaRec* again = topology->Figli(a);
  TListaRec* loose = topology->OggettiLiberi();
  EXPECT_EQ(Names(children), (std::vector<std::string>{"C", "B"}));
  EXPECT_NE(children, again) << "a new list each time";
  EXPECT_EQ(Names(loose), std::vector<std::string>{"C"});
  EXPECT_EQ(topology->Figli(b), nullptr) << "no children";
  EXPECT_EQ(host.liveSceneLists(), 3u);
  links->RilasciaLista(children, 0);
  links->RilasciaLista(children, 0);  // twice, and foreign lists, are ignored
  links->RilasciaLista(nullptr, 0);
  EXPECT_EQ(host.liveSceneLists(), 2u);
  links->RilasciaLista(again, 0);
  links->RilasciaLista(loose, 0);
  EXPECT_EQ(host.liveSceneLists(), 0u);
}

TEST_F(MotoreScene, PointNamesAndCollectionItems) {
  TOggettoRec* a = host.AddObject("A");
  kalvor::ObjectLink link;
  link.kind = 1;
  link.topologyPoint1 = "Sinistra";
  link.topologyPoint2 = std::string(80, 'p');
  host.SetLink(a, link);
  char first[64], second[64];
  topology->NomiPunti(a->link->topologia, first, second);
  EXPECT_STREQ(first, "Sinistra");
  EXPECT_EQ(std::string(second), std::string(63, 'p')) << "cut to the 64-byte buffer";
  int unknown = 0;
  topology->NomiPunti(&unknown, first, second);
  EXPECT_STREQ(first, "");
  EXPECT_STREQ(second, "");

  host.SetCollectionItem(3, "Maniglia");
  void* item = collection->Elemento(3);
  ASSERT_NE(item, nullptr);
  EXPECT_STREQ(links->NomeElemento(item), "Maniglia");
  EXPECT_EQ(collection->Elemento(4), nullptr);
  EXPECT_EQ(links->NomeElemento(&unknown), nullptr);
}

TEST_F(MotoreScene, CommandsWriteTheFilesTheyName) {
  rovan::test::TempFolder folder;
  host.SetBasePath(folder.path());
  host.SetIniFile(folder.File("kalvor.ini"));
  rovan::test::WriteFile(host.iniFile(), "[Translate]\r\nLanguage=IT\r\n");
  host.SetDefinitionText("ELEMENTO %CODE%\r\nSET_NAME \"%CODE%\"\r\n");

  const struct Case {
    std::string line;
    int32_t result;
    std::string file;     // written, or "" for none
    std::string content;  // its beginning
  } cases[] = {
      {"rec_cmp \"" + folder.File("a b.cmp") + "\" \"A 1\"", 0, folder.File("a b.cmp"),
       "ELEMENTO A 1\r\nSET_NAME \"A 1\"\r\n"},
      {"rec_cmp \"" + folder.File("c.cmp") + "\"", 1, "", ""},
      {"rec_cmp \"" + folder.File("no/d.cmp") + "\" \"X\"", 1, "", ""},
      {"K4_PRINT -nopreview", 0, folder.File("k4print.png"), "\x89PNG\r\n"},
      {"TPRINT CMD GO ORVEL BATCH RND_OUTFILE \"" + folder.File("r.png") + "\" RND_PRESET \"rovan\"", 0,
       folder.File("r.png"), "\x89PNG\r\n"},
      {"TPRINT CMD GO ORVEL BATCH", 1, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(status->Comando(c.line.c_str()), c.result);
    if (!c.file.empty()) {
      EXPECT_TRUE(rovan::test::ReadFile(c.file).starts_with(c.content));
    }
  }
  EXPECT_EQ(rovan::test::ReadFile(host.iniFile()),
            "[Translate]\r\nLanguage=IT\r\n[SettaggiStampa]\r\nultimoDis=" + folder.File("k4print.png") + "\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
            4) << "kalvor.ini and the three files";

  host.SetCommandHandler("rec_cmp", nullptr);
  EXPECT_EQ(status->Comando("rec_cmp \"x\" \"y\""), 0);
  EXPECT_FALSE(std::filesystem::exists("x"));
  host.Reset();
  EXPECT_EQ(status->Comando("rec_cmp \"\" \"y\""), 1) << "the built-in handler is back";
}

}  // namespace
