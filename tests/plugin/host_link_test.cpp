// The plug-in bound to the substitute host, which this test program links as the real host's process
// has its engine library loaded.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "host/motore/motore_host.h"
#include "platform/code_page.h"
#include "plugin/gestionale.h"
#include "plugin/host_link.h"
#include "plugin/ItfKalvor.h"
#include "plugin/process_state.h"
#include "plugin/rovan_object.h"
#include "plugin/settings.h"
#include "plugin/status_notify.h"
#include "plugin_fixture.h"
#include "tests/platform/temp_folder.h"

namespace rovan {
namespace {

class HostLinkTest : public PluginTest {
 protected:
  void SetUp() override {
    kalvor::Host::Instance().Reset();
    kalvor::Host::Instance().SetBasePath(folder_.path());
  }
  void TearDown() override {
    PluginTest::TearDown();
    ReleaseFileImpostazioni();
    kalvor::Host::Instance().Reset();
  }
  void Load() { PluginTest::SetUp(); }
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> out;
    for (const auto& l : kalvor::Host::Instance().log()) out.push_back(l.text);
    return out;
  }
  kalvor::Host& host_ = kalvor::Host::Instance();
  test::TempFolder folder_;
};

TEST_F(HostLinkTest, BindsAtLoadAndReleasesAtUnload) {
  Load();
  EXPECT_TRUE(HostLink::Get().available());
  for (const char* name : kHostInterfaceNames) EXPECT_EQ(host_.ReferenceCount(name), 1) << name;
  PluginTest::TearDown();
  EXPECT_FALSE(HostLink::Get().available());
  for (const char* name : kHostInterfaceNames) EXPECT_EQ(host_.ReferenceCount(name), 0) << name;
  CaricaLibreria();  // for the fixture's tear-down
}

TEST_F(HostLinkTest, WithoutIStatusTheLinkIsUnavailable) {
  host_.Refuse("IStatus");
  host_.SetNumber("CMP_CERCASUUSER", 1);
  Load();
  EXPECT_FALSE(HostLink::Get().available());
  Processo().switches.cercaSuUser = false;
  auto* c = Get<IRovanContainer>("IRovanContainer");
  EXPECT_FALSE(Processo().switches.cercaSuUser);
  EXPECT_EQ(host_.AdvisedSinks(), 0u);
  // The settings file falls back to the executable's folder; the log still works (ILogBase was obtained).
  EXPECT_NE(FileImpostazioni().fileName(), folder_.path() + "/rovan.ini");
  Get<IRovan>("IRovan")->createRovan2();
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"{ createRovan2", "}// createRovan2"}));
  c->Release();
}

TEST_F(HostLinkTest, ContainerSwitchesFromHostVariables) {
  struct Case {
    const char* what;
    std::function<void()> setup;
    ContainerSwitches expected;
  } cases[] = {
      {"all missing", [] {}, {false, false, false, true, "NonGraficato", false}},
      {"all on",
       [&] {
         host_.SetNumber("CMP_ESCLUDISIST", 1);
         host_.SetNumber("CMP_CERCASUUSER", 0.6f);
         host_.SetNumber("CMP_SOLO_ETICHETTE_VALIDE", 1);
         host_.SetNumber("CMP_CERCA_NON_VISIBILI", 1);
         host_.SetText("CMP_NONGRAFICATO", "Vuoto");
         host_.SetNumber("CMP_NASCONDICODICI", 2);
       },
       {true, true, true, true, "Vuoto", true}},
      {"at 0.5 every switch is off; an empty element name gives the default",
       [&] {
         host_.SetNumber("CMP_CERCASUUSER", 0.5f);
         host_.SetNumber("CMP_CERCA_NON_VISIBILI", 0.5f);
         host_.SetText("CMP_NONGRAFICATO", "");
         host_.SetNumber("CMP_NASCONDICODICI", 0.4f);
       },
       {false, false, false, false, "NonGraficato", false}},
      {"a text where a number is expected is off",
       [&] {
         host_.SetText("CMP_ESCLUDISIST", "1");
         host_.SetText("CMP_CERCA_NON_VISIBILI", "1");
       },
       {false, false, false, false, "NonGraficato", false}},
  };
  Load();
  for (const Case& c : cases) {
    host_.Reset();
    Processo().switches = ContainerSwitches{};
    c.setup();
    auto* container = Get<IRovanContainer>("IRovanContainer");
    const ContainerSwitches& s = Processo().switches;
    EXPECT_EQ(s.escludiSist, c.expected.escludiSist) << c.what;
    EXPECT_EQ(s.cercaSuUser, c.expected.cercaSuUser) << c.what;
    EXPECT_EQ(s.soloEtichetteValide, c.expected.soloEtichetteValide) << c.what;
    EXPECT_EQ(s.cercaNonVisibili, c.expected.cercaNonVisibili) << c.what;
    EXPECT_EQ(s.nonGraficato, c.expected.nonGraficato) << c.what;
    EXPECT_EQ(s.nascondiCodici, c.expected.nascondiCodici) << c.what;
    container->Release();
  }
}

TEST_F(HostLinkTest, ExcludingSystemLinesIsStickyAndSearchLimitResets) {
  Load();
  host_.SetNumber("CMP_ESCLUDISIST", 1);
  auto* a = Get<IRovanContainer>("IRovanContainer");
  a->SettaMassimoRicerca(40);
  host_.SetNumber("CMP_ESCLUDISIST", 0);
  auto* b = Get<IRovanContainer>("IRovanContainer");
  EXPECT_TRUE(Processo().switches.escludiSist);
  EXPECT_EQ(Processo().massimoRicerca, 0);
  host_.Remove("CMP_ESCLUDISIST");
  auto* c = Get<IRovanContainer>("IRovanContainer");
  EXPECT_TRUE(Processo().switches.escludiSist);
  for (auto* x : {a, b, c}) x->Release();
}

TEST_F(HostLinkTest, StatusSinkIsAdvisedOnceAndFollowsLoading) {
  Load();
  EXPECT_EQ(host_.AdvisedSinks(), 0u);
  auto* a = Get<IRovanContainer>("IRovanContainer");
  auto* b = Get<IRovanContainer>("IRovanContainer");
  EXPECT_EQ(host_.AdvisedSinks(), 1u);
  EXPECT_FALSE(StatusSink().loadingOrder());
  host_.NotifyStatus(13);
  EXPECT_TRUE(StatusSink().loadingOrder());
  host_.NotifyStatus(7);
  EXPECT_TRUE(StatusSink().loadingOrder());
  host_.NotifyStatus(41);
  EXPECT_FALSE(StatusSink().loadingOrder());
  // The sink answers only its own interface.
  void* obj = reinterpret_cast<void*>(1);
  TGUID other = IID_STATUS_NOTIFY;
  other.D1 ^= 1;
  EXPECT_EQ(StatusSink().QueryInterface(&other, &obj), E_NOINTERFACE);
  EXPECT_EQ(obj, nullptr);
  a->Release();
  b->Release();
}

TEST_F(HostLinkTest, CommandsMessagesAndLogLines) {
  Load();
  auto* r = Get<IRovan>("IRovan");
  EXPECT_EQ(r->showCdc(), 1);
  EXPECT_EQ(r->showCpreconf(3), 1);
  EXPECT_EQ(r->showCpreconf(0), 1);
  EXPECT_EQ(host_.commands(), (std::vector<std::string>{"esegui OnOpenDialogCMP", "esegui OnOpenDialogPCF",
                                                        "esegui OnOpenDialogCOMP"}));
  EXPECT_EQ(r->CaricaKalvorMsg("rovan.msg"), 1);
  EXPECT_EQ(host_.messageFiles(), std::vector<std::string>{"rovan.msg"});
  r->createRovan2();
  r->destroyRovan();
  r->showRovanLess();
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"{ createRovan2", "}// createRovan2", "{ destroyRovan",
                                                  "}// destroyRovan", "{ showRovanLess", "}// showRovanLess"}));
}

TEST_F(HostLinkTest, SettingsFileInTheHostBaseFolder) {
  Load();
  EXPECT_EQ(FileImpostazioni().fileName(), folder_.path() + "/rovan.ini");
  SalvaPosizioneForm("FormEdit", FormGeometry{10, 20, 30, 40}, false);
  std::ifstream in(folder_.path() + "/rovan.ini");
  std::string all((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(all.find("Top=10"), std::string::npos);
}

TEST_F(HostLinkTest, TextsCrossInTheAnsiCodePage) {
  SetAnsiCodePage("CP1252");
  Load();
  host_.SetText("AliasListino", "Cat\xE8gorie");  // CP1252 bytes, as such a host stores them
  EXPECT_EQ(HostLink::Get().ReadText("AliasListino"), "Catègorie");
  HostLink::Get().WriteText("CMP_CREA_ERRORE", "Perché");
  EXPECT_STREQ(host_.Find("CMP_CREA_ERRORE")->valore.testo, "Perch\xE9");
  SetAnsiCodePage("");
}

class ManagementSystemTest : public HostLinkTest {
 protected:
  void SetUp() override {
    HostLinkTest::SetUp();
    data_ = folder_.path() + "/gestionale.txt";
    std::ofstream(data_) << "A100\t\t  Tavolo rotondo  \nA100\tEN\tRound table\nA100\tDE\tRunder Tisch\n"
                            "A100\t#filtro\tFINITURA=NOCE\nB7\t\tSedia\u00e8\n";
    setenv("GESTIONALE_DATI", data_.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("GESTIONALE_DATI");
    HostLinkTest::TearDown();
  }
  std::string data_;
};

TEST_F(ManagementSystemTest, StatesAndQueries) {
  Load();
  Gestionale& g = Gestionale::Get();
  struct Case {
    const char* library;  // InOutDll, or null for none
    Gestionale::State state;
    const char* description;
  } cases[] = {
      {nullptr, Gestionale::NonDisponibile, ""},
      {"/nonexistent/libnothing.so", Gestionale::NonDisponibile, ""},
      {GESTIONALE_UTF8_LIBRARY, Gestionale::DisponibileUtf8, "Tavolo rotondo"},
      {GESTIONALE_ANSI_LIBRARY, Gestionale::DisponibileAnsi, "Tavolo rotondo"},
  };
  // The host speaks CP1252: the UTF-8 entry points are still read as UTF-8, the others as CP1252.
  SetAnsiCodePage("CP1252");
  for (const Case& c : cases) {
    g.Scarica();
    host_.Remove("InOutDll");
    if (c.library != nullptr) host_.SetText("InOutDll", c.library);
    EXPECT_EQ(g.state(), Gestionale::NonProvato);
    EXPECT_EQ(g.DescrizioneArticolo("A100"), c.description);  // trimmed
    EXPECT_EQ(g.state(), c.state) << (c.library ? c.library : "none");
    bool available = c.state >= Gestionale::DisponibileAnsi;
    EXPECT_EQ(g.DescrizioneArticolo("B7"), available ? "Sediaè" : "");
    EXPECT_EQ(g.DescrizioneArticoloLingua("A100", "EN"), available ? "Round table" : "");
    EXPECT_EQ(g.IsCodGestionale("A100"), available);
    EXPECT_FALSE(g.IsCodGestionale("ZZ"));
    EXPECT_EQ(g.FiltroArticolo("A100"), available ? "FINITURA=NOCE" : "");
    std::vector<std::string> lines{"old"};
    EXPECT_EQ(g.DescrizioniArticoloLingue("A100", {"EN", "FR", "DE"}, lines), available);
    const std::vector<std::string> expected =
        available ? std::vector<std::string>{"Round table", "", "Runder Tisch"} : std::vector<std::string>(3);
    EXPECT_EQ(lines, expected);
  }
  SetAnsiCodePage("");
}

TEST_F(ManagementSystemTest, UnloadedByDestroyAndByContainers) {
  host_.SetText("InOutDll", GESTIONALE_UTF8_LIBRARY);
  Load();
  Gestionale& g = Gestionale::Get();
  auto* r = Get<IRovan>("IRovan.1");  // outside container mode a released container is destroyed
  r->createRovan2();
  g.DescrizioneArticolo("A100");
  EXPECT_EQ(g.state(), Gestionale::DisponibileUtf8);
  r->destroyRovan();
  EXPECT_EQ(g.state(), Gestionale::NonProvato);
  g.DescrizioneArticolo("A100");
  Get<IRovanContainer>("IRovanContainer.1")->Release();
  EXPECT_EQ(g.state(), Gestionale::NonProvato);
}

}  // namespace
}  // namespace rovan
