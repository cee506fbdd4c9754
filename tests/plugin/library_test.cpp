#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "plugin/ItfRovan.h"
#include "plugin/process_state.h"
#include "plugin/rovan_container.h"
#include "plugin/rovan_object.h"
#include "plugin_fixture.h"

namespace rovan {
namespace {

using LibraryTest = PluginTest;

TEST_F(LibraryTest, NamesAndContainerVersions) {
  struct Case {
    const char* name;
    int32_t result;
  } cases[] = {
      {"IRovan", 0},           {"IRovan.1", 0},          {"IRovan.ID", 0},          {"IRovanEvent", 0},
      {"irovan", -1},          {"IRovan.2", -1},         {"", -1},                  {"XIRovanContainer", -1},
      {"IRovanContainer", 0},  {"IRovanContainer.7", 0}, {"IRovanContainer.07", 0}, {"IRovanContainer.8", -1},
      {"IRovanContainer.12", -1}, {"IRovanContainer.x", 0}, {"IRovanContainer_3", 0},
  };
  for (const Case& c : cases) {
    void* obj = reinterpret_cast<void*>(1);
    EXPECT_EQ(RovanGetInstanceByName(c.name, &obj), c.result) << c.name;
    EXPECT_EQ(obj == nullptr, c.result != 0) << c.name;
    if (std::string(c.name).rfind("IRovanContainer", 0) == 0 && obj != nullptr)
      static_cast<IRovanContainer*>(obj)->Release();
  }
}

TEST_F(LibraryTest, ContainerModeDecidesThePrimaryContainer) {
  ProcessState& p = Processo();
  auto* old = Get<IRovan>("IRovan.1");
  ASSERT_NE(old, nullptr);
  EXPECT_FALSE(p.containerMode);
  auto* before = Get<IRovanContainer>("IRovanContainer.1");
  EXPECT_EQ(p.primary, nullptr);
  EXPECT_EQ(p.last, before);
  // An old host gets the obsolete behaviour of forwarded operations.
  char a[] = "A", b[] = "B", c[] = "C";
  EXPECT_EQ(old->getOggetto(a, b, c), 0);
  EXPECT_EQ(ui_->messages(), std::vector<std::string>{"getOggetto Obsoleta"});
  EXPECT_EQ(ui_->events().front().caption, "Rovan");

  // Asking for "IRovan" later does not make the existing container primary; the next one is.
  Get<IRovan>("IRovan");
  EXPECT_TRUE(p.containerMode);
  EXPECT_EQ(p.primary, nullptr);
  auto* first = Get<IRovanContainer>("IRovanContainer.2");
  auto* second = Get<IRovanContainer>("IRovanContainer.2");
  EXPECT_NE(first, second);
  EXPECT_EQ(p.primary, second);
  EXPECT_EQ(p.last, second);
  // Primary containers hold one extra reference for the library's lifetime.
  EXPECT_EQ(first->AddRef(), 3);
  EXPECT_EQ(first->Release(), 2);
  EXPECT_EQ(before->AddRef(), 2);
  EXPECT_EQ(before->Release(), 1);

  // Forwarded now: no message.
  ui_->Clear();
  EXPECT_EQ(old->getOggetto(a, b, c), 0);
  EXPECT_TRUE(ui_->messages().empty());

  EXPECT_EQ(before->Release(), 0);
  EXPECT_EQ(p.last, second);
  EXPECT_EQ(first->Release(), 1);
  EXPECT_EQ(second->Release(), 1);
}

TEST_F(LibraryTest, LastContainerIsForgottenWhenDestroyed) {
  auto* c = Get<IRovanContainer>("IRovanContainer");
  EXPECT_EQ(Processo().last, c);
  EXPECT_EQ(c->Release(), 0);
  EXPECT_EQ(Processo().last, nullptr);
}

TEST_F(LibraryTest, ObsoleteOperationsShowTheirMessageAndReturnTheirValue) {
  auto* r = Get<IRovan>("IRovan.ID");
  char s[] = "x";
  struct Case {
    const char* message;
    int32_t expected;
    std::function<int32_t()> call;
  } cases[] = {
      {"apriListinoString Obsoleta", 0, [&] { return r->apriListino("lis"); }},
      {"getCompostoDB Obsoleta", 0, [&] { return r->getCompostoDB("c", "p"); }},
      {"findCmpName Obsoleta", 0, [&] { return r->findCmpName("c"); }},
      {"queryListino Obsoleta", 0, [&] { return r->queryListino("c", "m", "f", s); }},
      {"getImmagineDB Obsoleta", 0, [&] { return r->getImmagineDB(s, s); }},
      {"TRovanObject.getAzioni Obsoleta", 0, [&] { return r->getAzioni(s, s, s); }},
      {"TRovanObject.ImportaDati Obsoleta", 1, [&] { return r->ImportaDati(s); }},
      {"TRovanObject.getImmagineDB_bmp Obsoleta", 0, [&] { return r->getImmagineDB_bmp(s, s, 1, 1); }},
      {"creaCompostoRovan Obsoleta", 1, [&] { return r->creaCompostoRovan(s, s, s, s, s, s, s); }},
      {"eliminaCompostoRovan Obsoleta", 0, [&] { return r->eliminaCompostoRovan(s, s); }},
      {"TRovanObject.getSchedaTecnica Obsoleta", 0, [&] { return r->getSchedaTecnica("c", s); }},
      {"getFoto Obsoleta", 0, [&] { return r->getFoto("c", s); }},
      {"impostaFiltroRovan Obsoleta", 0, [&] { return r->impostaFiltroRovan(s, s); }},
      {"creaCompostoRovanFiltro Obsoleta", 0, [&] { return r->creaCompostoRovanFiltro(s, s, s, s, s, s, s, s); }},
      {"getOggetto Obsoleta", 0, [&] { return r->getOggetto(s, s, s); }},
  };
  for (const Case& c : cases) {
    ui_->Clear();
    EXPECT_EQ(c.call(), c.expected) << c.message;
    EXPECT_EQ(ui_->messages(), std::vector<std::string>{c.message});
  }
  // Operations that just answer.
  ui_->Clear();
  int32_t scheda = 7, foto = 7;
  EXPECT_EQ(r->ha_schedaofoto("c", &scheda, &foto), 0);
  EXPECT_EQ(scheda, 7);
  EXPECT_EQ(foto, 7);
  EXPECT_EQ(r->IsRovanVisible(), 0);
  EXPECT_EQ(r->insCaratteristicaRovan(s, s, s, s, s), 0);
  EXPECT_EQ(r->PosizionaCod("c"), 0);
  EXPECT_EQ(r->FindCodici("*", 0), nullptr);
  EXPECT_EQ(r->SettaParametroGlb("a", "b"), 0);
  EXPECT_EQ(r->VersionId(), 13);
  EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(LibraryTest, CreateAndDestroyToggleTheCreatedFlag) {
  auto* r = Get<IRovan>("IRovan");
  EXPECT_EQ(r->createRovan2(), 1);
  EXPECT_EQ(r->createRovan2(), 0);
  EXPECT_EQ(r->createRovan(nullptr), 0);
  EXPECT_EQ(r->destroyRovan(), 1);
  EXPECT_EQ(r->destroyRovan(), 0);
  EXPECT_EQ(r->createRovan(nullptr), 1);
  EXPECT_EQ(r->createRovan2(), 0);
}

TEST_F(LibraryTest, EditorOpensThroughTheUserInterfaceServices) {
  auto* r = Get<IRovan>("IRovan");
  EXPECT_EQ(r->showCdc(), 1);
  EXPECT_EQ(r->showCpreconf(0), 1);
  r->showRovanLess();
  int editors = 0;
  for (const auto& e : ui_->events()) editors += e.kind == "editor";
  EXPECT_EQ(editors, 3);
  r->destroyRovan();
  EXPECT_EQ(ui_->events().back().kind, "destroy-editor");
}

TEST_F(LibraryTest, ObjectLibraryConnections) {
  auto* r = Get<IRovan>("IRovan");
  auto& slots = Processo().objectLibraries;
  for (int i = 0; i < 12; ++i) {
    std::string text = "Data Source=lib" + std::to_string(i) + ".db";
    EXPECT_EQ(r->AggiungiConnessioneFendrix(text.data()), 1);
  }
  EXPECT_EQ(slots.front(), "Data Source=lib0.db");
  EXPECT_EQ(slots.back(), "Data Source=lib10.db");
  // The password treatment is applied on the way in.
  char clear[] = "clear";
  EXPECT_EQ(r->AggiungiConnessioneFendrix(clear), 1);
  for (const auto& s : slots) EXPECT_TRUE(s.empty());
  char withPassword[] = "Data Source=x;password=*abc*";
  r->AggiungiConnessioneFendrix(withPassword);
  EXPECT_EQ(slots[0].rfind("Data Source=x;Password=", 0), 0u);
  EXPECT_NE(slots[0], "Data Source=x;Password=*abc*");
  // "Clear" is not the reset word.
  char notClear[] = "Clear";
  r->AggiungiConnessioneFendrix(notClear);
  EXPECT_EQ(slots[1], "Clear");
}

// A sink written as the host would: counts references and records notifications.
struct RecordingSink : IRovanEventSink {
  HRESULT ROVAN_STDCALL QueryInterface(const TGUID*, void**) override { return E_NOINTERFACE; }
  int32_t ROVAN_STDCALL AddRef() override { return ++refs; }
  int32_t ROVAN_STDCALL Release() override { return --refs; }
  void ROVAN_STDCALL OnNotifica(int32_t type, const char* msg) override {
    events.emplace_back(type, msg);
  }
  int32_t refs = 1;
  std::vector<std::pair<int32_t, std::string>> events;
};

TEST_F(LibraryTest, EventSinkIsCountedAndNotified) {
  auto* r = Get<IRovan>("IRovan");
  auto* ev = Get<IRovanEvent>("IRovanEvent");
  RecordingSink a, b;
  r->RiempiRicercaK4("before");  // no sink: nothing happens
  ev->SetSink(&a);
  EXPECT_EQ(a.refs, 2);
  EXPECT_EQ(r->RiempiRicercaK4("ricerca"), 0);
  ev->SetSink(&b);
  EXPECT_EQ(a.refs, 1);
  EXPECT_EQ(b.refs, 2);
  r->RiempiRicercaK4("altra");
  ev->SetSink(nullptr);
  EXPECT_EQ(b.refs, 1);
  r->RiempiRicercaK4("after");
  ASSERT_EQ(a.events.size(), 1u);
  EXPECT_EQ(a.events[0], std::make_pair(2, std::string("ricerca")));
  ASSERT_EQ(b.events.size(), 1u);
  EXPECT_EQ(b.events[0].second, "altra");
}

TEST_F(LibraryTest, UnloadReleasesTheSinkAndForgetsProcessValues) {
  auto* ev = Get<IRovanEvent>("IRovanEvent");
  RecordingSink sink;
  ev->SetSink(&sink);
  Get<IRovan>("IRovan");
  char text[] = "Data Source=a";
  RovanObject().AggiungiConnessioneFendrix(text);
  ScaricaLibreria();
  EXPECT_EQ(sink.refs, 1);
  EXPECT_FALSE(Processo().containerMode);
  EXPECT_TRUE(Processo().objectLibraries[0].empty());
  void* obj = reinterpret_cast<void*>(1);
  EXPECT_EQ(RovanGetInstanceByName("IRovan", &obj), -1);
  EXPECT_EQ(obj, nullptr);
  CaricaLibreria();
}

TEST_F(LibraryTest, ContainerOperationsWithoutEngine) {
  auto* c = Get<IRovanContainer>("IRovanContainer.3");
  EXPECT_EQ(c->VersionId(), 13);
  // Until the host asks for the tree there is no engine: the operations that need it answer their failure value.
  EXPECT_EQ(c->GetRovanCodici(0, -1), nullptr);
  EXPECT_EQ(c->FindCodici("*", 0), nullptr);
  EXPECT_EQ(c->GetRovanTreeJson(), nullptr);
  EXPECT_EQ(c->HoAlmenoUnRovanCodici(0, -1), 0);
  char codice[16] = "x", azioni[16] = "";
  EXPECT_EQ(c->getAzioni(codice, azioni), 0);
  EXPECT_EQ(c->GetNumLingue(0), 0);
  EXPECT_EQ(c->SetIdLingua(0, 2), 1);
  c->SettaMassimoRicerca(25);
  EXPECT_EQ(Processo().massimoRicerca, 25);
  static_cast<TRovanContainer*>(c)->m_mod_errore = "Codice gia presente";
  char buf[64] = "";
  EXPECT_EQ(c->Mod_LeggiErrore(buf), 1);
  EXPECT_STREQ(buf, "Codice gia presente");
  c->Release();
}

}  // namespace
}  // namespace rovan
