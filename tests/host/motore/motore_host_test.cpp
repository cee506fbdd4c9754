// The substitute host as the plug-in sees it: interfaces obtained by name through get_InstanceByName and
// called through their vtables, with kalvor::Host configuring and observing.
#include "host/motore/motore_host.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/host/motore/host_lookup.h"

namespace {

using kalvor::Host;
using namespace rovan;

using kalvor::test::Get;

// Slot n of obj called by number, as a plain C caller does: catches a slot declared in the wrong place.
template <class R, class... Args>
R CallSlot(void* obj, int n, Args... args) {
  using Fn = R (*)(void*, Args...);
  return reinterpret_cast<Fn>((*static_cast<void***>(obj))[n])(obj, args...);
}

class MotoreHost : public ::testing::Test {
 protected:
  void SetUp() override { Host::Instance().Reset(); }
  void TearDown() override { Host::Instance().Reset(); }
  Host& host = Host::Instance();
};

TEST_F(MotoreHost, LookupHandsOutOneCountedObjectPerName) {
  std::vector<const char*> names(std::begin(kHostInterfaceNames), std::end(kHostInterfaceNames));
  names.push_back("IRecRelativo");
  for (const char* name : names) {
    SCOPED_TRACE(name);
    ASSERT_EQ(host.ReferenceCount(name), 0);
    auto* first = Get<IUnknownRovan>(name);
    auto* second = Get<IUnknownRovan>(name);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(host.ReferenceCount(name), 2);
    EXPECT_EQ(first->AddRef(), 3);
    EXPECT_EQ(first->Release(), 2);
    second->Release();
    EXPECT_EQ(first->Release(), 0);
    EXPECT_EQ(host.ReferenceCount(name), 0);
  }
  // Only the entry point and the configuration class leave the library.
  EXPECT_NE(dlsym(RTLD_DEFAULT, "get_InstanceByName"), nullptr);
  EXPECT_EQ(dlsym(RTLD_DEFAULT, "_ZN6kalvor12TheHostStateEv"), nullptr);
}

TEST_F(MotoreHost, UnknownAndRefusedNamesYieldNull) {
  host.Refuse("ILogBase");
  for (const char* name : {"ILogBase", "IBogus", "ivarsfind", "IStatus ", ""}) {
    SCOPED_TRACE(name);
    void* obj = &host;  // anything non-null: the lookup must clear it
    EXPECT_EQ(get_InstanceByName(name, &obj), -1);
    EXPECT_EQ(obj, nullptr);
  }
  EXPECT_EQ(get_InstanceByName(nullptr, nullptr), -1);
  EXPECT_EQ(host.ReferenceCount("ILogBase"), 0);
  auto* status = Get<IStatus>("IStatus");  // refusing one name leaves the others
  ASSERT_NE(status, nullptr);
  status->Release();
}

TEST_F(MotoreHost, SlotsAreReachedByTheirNumbers) {
  void* status = Get<IStatus>("IStatus");
  void* make = Get<IVarsMake>("IVarsMake");
  void* find = Get<IVarsFind>("IVarsFind");
  void* log = Get<ILogBase>("ILogBase");
  void* coll = Get<ICollezione>("ICollezione");
  void* paths = Get<IKalvorPaths>("IKalvorPaths");
  void* msg = Get<IDMessage>("IDMessage");
  host.SetCollectionName("preferiti");
  host.SetIniFile("/k/kalvor.ini");

  EXPECT_EQ((CallSlot<int32_t, const char*>(status, 3, "esegui OnCmpStore")), 0);
  CallSlot<void, const char*>(status, 29, "Caricamento");
  EXPECT_NE((CallSlot<void*, int32_t>(status, 38, 0)), nullptr);
  CallSlot<void, int32_t, const char*>(status, 46, 0, "OnPcfStore");
  CallSlot<void, const char*, double>(make, 12, "N", 2.5);
  CallSlot<void, const char*, const char*>(make, 13, "T", "testo");
  CallSlot<TVarRec*, void*, const char*, const char*>(make, 4, nullptr, "T4", "quattro");
  auto* n = CallSlot<TVarRec*, void*, const char*, int32_t>(find, 10, nullptr, "N", 0);
  CallSlot<void, int32_t, const char*>(log, 9, 7, "riga");
  EXPECT_STREQ((CallSlot<const char*>(coll, 3)), "preferiti");
  CallSlot<void, int32_t>(coll, 27, 0);
  char ini[kHostPathSize];
  CallSlot<void, int32_t, char*>(paths, 7, kHostPathSize, ini);
  CallSlot<int32_t, const char*>(msg, 3, "kalvor.msg");

  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->valore.numero, 2.5f);
  EXPECT_STREQ(host.Find("T")->valore.testo, "testo");
  EXPECT_STREQ(host.Find("T4")->valore.testo, "quattro");
  EXPECT_EQ(host.commands(), std::vector<std::string>{"esegui OnCmpStore"});
  EXPECT_EQ(host.statusTexts(), std::vector<std::string>{"Caricamento"});
  EXPECT_EQ(host.events(), std::vector<std::string>{"OnPcfStore"});
  ASSERT_EQ(host.log().size(), 1u);
  EXPECT_EQ(host.log()[0].level, 7);
  EXPECT_EQ(host.log()[0].text, "riga");
  EXPECT_EQ(host.prepareCalls(), 1);
  EXPECT_STREQ(ini, "/k/kalvor.ini");
  EXPECT_EQ(host.messageFiles(), std::vector<std::string>{"kalvor.msg"});

  for (void* obj : {status, make, find, log, coll, paths, msg}) static_cast<IUnknownRovan*>(obj)->Release();
}

TEST_F(MotoreHost, VariablesKeepTheirRecordWhenOverwritten) {
  auto* find = Get<IVarsFind>("IVarsFind");
  auto* make = Get<IVarsMake>("IVarsMake");

  make->SettaVarNum("CMP_DEBUG", 1.0);
  TVarRec* rec = find->TrovaVar(nullptr, "CMP_DEBUG", VAR_NUMERO);
  ASSERT_NE(rec, nullptr);
  EXPECT_STREQ(rec->nome, "CMP_DEBUG");
  EXPECT_EQ(rec->tipo, VAR_NUMERO);
  EXPECT_EQ(rec->valore.numero, 1.0f);

  std::string text = "Mobili";
  make->SettaVarTesto("CMP_DEBUG", text.c_str());
  text = "changed by the caller";  // the host keeps its own copy
  EXPECT_EQ(find->TrovaVar(nullptr, "CMP_DEBUG", VAR_TESTO), rec);
  EXPECT_EQ(rec->tipo, VAR_TESTO);
  EXPECT_STREQ(rec->valore.testo, "Mobili");

  EXPECT_EQ(make->CreaVarTesto(nullptr, "CMP_DEBUG", "x"), rec);
  EXPECT_EQ(host.SetPoint("CMP_DEBUG", 1, 2, 3), rec);
  EXPECT_EQ(rec->tipo, VAR_PUNTO);
  EXPECT_EQ(rec->valore.punto[2], 3.0f);

  // The kind asked for does not filter: the plug-in checks the type itself.
  EXPECT_EQ(find->TrovaVar(nullptr, "CMP_DEBUG", VAR_NUMERO), rec);
  EXPECT_EQ(find->TrovaVar(nullptr, "cmp_debug", VAR_NUMERO), nullptr);
  EXPECT_EQ(find->TrovaVar(nullptr, "Assente", VAR_TESTO), nullptr);

  EXPECT_TRUE(host.Describe("CMP_DEBUG", "debug switch", 0x10));
  EXPECT_STREQ(rec->descrizione, "debug switch");
  EXPECT_EQ(rec->flags, 0x10);
  EXPECT_FALSE(host.Describe("Assente", "", 0));

  EXPECT_TRUE(host.Remove("CMP_DEBUG"));
  EXPECT_FALSE(host.Remove("CMP_DEBUG"));
  EXPECT_EQ(find->TrovaVar(nullptr, "CMP_DEBUG", VAR_PUNTO), nullptr);
  EXPECT_STREQ(rec->nome, "CMP_DEBUG");  // still readable by a caller that kept it

  find->Release();
  make->Release();
}

TEST_F(MotoreHost, ObjectVariablesGoOnTheObjectsList) {
  auto* find = Get<IVarsFind>("IVarsFind");
  auto* make = Get<IVarsMake>("IVarsMake");
  char larghezza[] = "X";
  TVarRec own{};
  own.nome = larghezza;
  own.tipo = VAR_NUMERO;
  own.valore.numero = 40;
  TListaRec ownLink{nullptr, &own};
  TOggettoRec obj{};
  obj.variabili = &ownLink;

  make->CreaVarNumOggetto(&obj, "pcf_nome", 3);
  TVarRec* pcf = find->TrovaVarOggetto(&obj, "pcf_nome", VAR_NUMERO);
  ASSERT_NE(pcf, nullptr);
  EXPECT_EQ(pcf->valore.numero, 3.0f);
  make->CreaVarNumOggetto(&obj, "pcf_nome", 4);
  EXPECT_EQ(find->TrovaVarOggetto(&obj, "pcf_nome", VAR_NUMERO), pcf);
  EXPECT_EQ(pcf->valore.numero, 4.0f);
  EXPECT_EQ(obj.variabili->next, &ownLink);  // added once, in front of what the object had
  EXPECT_EQ(find->TrovaVarOggetto(&obj, "X", VAR_NUMERO), &own);
  EXPECT_EQ(find->TrovaVarOggetto(&obj, "Y", VAR_NUMERO), nullptr);
  EXPECT_EQ(find->TrovaVarOggetto(nullptr, "X", VAR_NUMERO), nullptr);
  EXPECT_EQ(host.Find("pcf_nome"), nullptr);  // not a global variable

  find->Release();
  make->Release();
}

TEST_F(MotoreHost, CommandsAreRecordedAndAnsweredByVerb) {
  auto* status = Get<IStatus>("IStatus");
  std::vector<std::string> seen;
  host.SetCommandHandler("rec_cmp", [&](const std::string& line) {
    seen.push_back(line);
    host.SetText("rec_cmp_file", "written");  // a handler may use the host
    return 7;
  });
  host.SetCommandHandler("K4_PRINT", [](const std::string&) -> int32_t { throw std::runtime_error("failed"); });

  const struct {
    const char* line;
    int32_t result;
  } cases[] = {
      {"rec_cmp \"/tmp/a.cmp\" \"A1\"", 7},
      {"  rec_cmp b", 7},       // leading blanks before the verb
      {"REC_CMP c", 0},          // verbs compare exactly
      {"rec_cmpx d", 0},         // the whole first word is the verb
      {"esegui OnCmpStore", 0},  // no handler
      {"K4_PRINT -nopreview", 1},  // a failing handler reports an error
      {"", 0},
  };
  std::vector<std::string> expected;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(status->Comando(c.line), c.result);
    expected.emplace_back(c.line);
  }
  EXPECT_EQ(host.commands(), expected);
  EXPECT_EQ(seen, (std::vector<std::string>{"rec_cmp \"/tmp/a.cmp\" \"A1\"", "  rec_cmp b"}));
  EXPECT_STREQ(host.Find("rec_cmp_file")->valore.testo, "written");

  host.SetCommandHandler("rec_cmp", nullptr);
  EXPECT_EQ(status->Comando("rec_cmp e"), 0);
  status->Release();
}

TEST_F(MotoreHost, PathsAreExpandedAndCutToTheBuffer) {
  auto* paths = Get<IKalvorPaths>("IKalvorPaths");
  EXPECT_EQ(host.basePath(), std::filesystem::current_path().string());
  EXPECT_EQ(host.docRoot(), host.basePath());
  EXPECT_EQ(host.iniFile(), (std::filesystem::current_path() / "kalvor.ini").string());

  host.SetBasePath("/opt/kalvor/");
  host.SetDocRoot("/data/docs");
  const struct {
    std::string src, expanded;
  } cases[] = {
      {"%BASE%/rovan.ini", "/opt/kalvor/rovan.ini"},
      {"%DOC%/img/a.jpg", "/data/docs/img/a.jpg"},
      {"Data Source=%BASE%/db;x=%DOC%", "Data Source=/opt/kalvor/db;x=/data/docs"},
      {"%base%/$(NAME)/%OTHER%", "%base%/$(NAME)/%OTHER%"},
      {"%BASE", "%BASE"},
      {"", ""},
      {std::string(2000, 'a'), std::string(kHostPathSize - 1, 'a')},
      {"%BASE%" + std::string(1100, 'b'), "/opt/kalvor" + std::string(kHostPathSize - 12, 'b')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.src.substr(0, 40));
    std::vector<char> dst(kHostPathSize + 16, '#');
    paths->EspandiPath(c.src.c_str(), dst.data());
    EXPECT_EQ(std::string(dst.data()), c.expanded);
    EXPECT_EQ(dst[kHostPathSize], '#');  // nothing written past the 1025 bytes
  }

  const struct {
    int32_t size;
    std::string expected;  // "#" when the buffer must stay untouched
  } sizes[] = {{kHostPathSize, "/opt/kalvor/"}, {6, "/opt/"}, {1, ""}, {0, "#"}, {-1, "#"}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(s.size);
    char buf[32];
    std::memset(buf, '#', sizeof buf);
    buf[1] = '\0';
    paths->GetBasePath(s.size, buf);
    EXPECT_EQ(std::string(buf), s.expected);
  }
  char doc[kHostPathSize];
  paths->GetDocRoot(kHostPathSize, doc);
  EXPECT_STREQ(doc, "/data/docs");
  paths->Release();
}

TEST_F(MotoreHost, CollectionHandsOutItsValueTables) {
  auto* coll = Get<ICollezione>("ICollezione");
  EXPECT_STREQ(coll->NomeCollezione(), "");
  host.SetCollectionName("Cucine");
  EXPECT_STREQ(coll->NomeCollezione(), "Cucine");
  EXPECT_EQ(coll->PrimaTabella(), nullptr);

  host.AddValueTable("MenuX_pcf", {{60, "L60"}, {90, "L90"}});
  host.AddValueTable("MenuY_pcf", {});
  host.AddValueTable("NomeDiTredici", {{1, "uno"}});
  TTabellaValori* x = coll->PrimaTabella();
  ASSERT_NE(x, nullptr);
  EXPECT_STREQ(x->nome, "MenuX_pcf");
  ASSERT_NE(x->voci, nullptr);
  EXPECT_EQ(x->voci->valore, 60.0f);
  EXPECT_STREQ(x->voci->nome, "L60");
  ASSERT_NE(x->voci->next, nullptr);
  EXPECT_STREQ(x->voci->next->nome, "L90");
  EXPECT_EQ(x->voci->next->next, nullptr);
  TTabellaValori* y = x->next;
  ASSERT_NE(y, nullptr);
  EXPECT_STREQ(y->nome, "MenuY_pcf");
  EXPECT_EQ(y->voci, nullptr);
  ASSERT_NE(y->next, nullptr);
  EXPECT_EQ(std::string(y->next->nome, sizeof y->next->nome), "NomeDiTredic");  // cut to the 12-byte field
  EXPECT_EQ(y->next->next, nullptr);

  coll->Prepara(0);
  coll->Prepara(0);
  EXPECT_EQ(host.prepareCalls(), 2);
  coll->Release();
}

// A status sink as the plug-in implements it, with a real count so the host's references show.
class RecordingSink : public IStatusNotify {
 public:
  explicit RecordingSink(bool answers = true) : answers_(answers) {}
  HRESULT QueryInterface(const TGUID* iid, void** obj) override {
    *obj = nullptr;
    if (!answers_ || !(*iid == IID_STATUS_NOTIFY)) return E_NOINTERFACE;
    AddRef();
    *obj = static_cast<IStatusNotify*>(this);
    return S_OK;
  }
  int32_t AddRef() override { return ++refs; }
  int32_t Release() override { return --refs; }
  HRESULT OnStatusChange(int32_t action, void* s) override {
    actions.push_back(action);
    EXPECT_EQ(s, nullptr);
    return S_OK;
  }
  HRESULT OnCollezioneActivate(void*) override { return S_OK; }
  HRESULT OnStatusChangeIntStr(int32_t, const char*) override { return S_OK; }

  int32_t refs = 0;
  std::vector<int32_t> actions;

 private:
  bool answers_;
};

TEST_F(MotoreHost, ConnectionPointAdvisesNotifiesAndUnadvises) {
  auto* container = Get<IConnectionPointContainer>("IConnectionPointContainer");
  ASSERT_NE(container, nullptr);
  const TGUID other{0x12345678, 1, 2, {0, 0, 0, 0, 0, 0, 0, 0}};
  IConnectionPoint* cp = reinterpret_cast<IConnectionPoint*>(container);  // any non-null: must become null
  EXPECT_EQ(container->FindConnectionPoint(&other, &cp), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(cp, nullptr);
  ASSERT_EQ(container->FindConnectionPoint(&IID_STATUS_NOTIFY, &cp), S_OK);
  ASSERT_NE(cp, nullptr);
  EXPECT_EQ(host.connectionPointReferences(), 1);

  TGUID iid{};
  EXPECT_EQ(cp->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(iid == IID_STATUS_NOTIFY);
  IConnectionPointContainer* back = nullptr;
  EXPECT_EQ(cp->GetConnectionPointContainer(&back), S_OK);
  EXPECT_EQ(back, container);
  back->Release();

  RecordingSink first, second, refusing(false);
  uint32_t c1 = 0, c2 = 0, c3 = 0;
  ASSERT_EQ(cp->Advise(&first, &c1), S_OK);
  ASSERT_EQ(cp->Advise(&second, &c2), S_OK);
  EXPECT_NE(cp->Advise(&refusing, &c3), S_OK);
  EXPECT_NE(c1, 0u);
  EXPECT_NE(c1, c2);
  EXPECT_EQ(c3, 0u);
  EXPECT_EQ(first.refs, 1);
  EXPECT_EQ(refusing.refs, 0);
  EXPECT_EQ(host.AdvisedSinks(), 2u);

  host.NotifyStatus(13);
  EXPECT_EQ(cp->Unadvise(c1), S_OK);
  EXPECT_EQ(cp->Unadvise(c1), CONNECT_E_NOCONNECTION);
  host.NotifyStatus(41);
  EXPECT_EQ(first.actions, std::vector<int32_t>{13});
  EXPECT_EQ(second.actions, (std::vector<int32_t>{13, 41}));
  EXPECT_EQ(first.refs, 0);
  EXPECT_EQ(host.AdvisedSinks(), 1u);
  EXPECT_EQ(cp->Unadvise(c2), S_OK);
  EXPECT_EQ(second.refs, 0);

  cp->Release();
  container->Release();
  EXPECT_EQ(host.connectionPointReferences(), 0);
  EXPECT_EQ(host.ReferenceCount("IConnectionPointContainer"), 0);
}

// An IStringList that is not the host's: IRecRelativo must not touch it.
class ForeignList : public IStringList {
 public:
  HRESULT QueryInterface(const TGUID*, void**) override { return E_NOINTERFACE; }
  int32_t AddRef() override { return 1; }
  int32_t Release() override { return 1; }
  int32_t Count() override { return 0; }
  const char* Item(int32_t) override { return nullptr; }
};

TEST_F(MotoreHost, StringListsAreFilledByRecRelativoAndFreedByRelease) {
  auto* rel = Get<IRecRelativo>("IRecRelativo");
  TOggettoRec obj{}, other{};
  host.SetRelativeRecords(&obj, {"REL a", "REL b"});
  const size_t before = host.liveStringLists();

  auto* list = Get<IStringList>("IStringList");
  auto* empty = Get<IStringList>("IStringList");
  ASSERT_NE(list, nullptr);
  EXPECT_NE(list, empty);
  EXPECT_EQ(host.liveStringLists(), before + 2);

  rel->Riempi(&obj, list);
  rel->Riempi(&other, empty);
  ForeignList foreign;
  rel->Riempi(&obj, &foreign);
  ASSERT_EQ(list->Count(), 2);
  EXPECT_STREQ(list->Item(0), "REL a");
  EXPECT_STREQ(list->Item(1), "REL b");
  EXPECT_EQ(list->Item(2), nullptr);
  EXPECT_EQ(list->Item(-1), nullptr);
  EXPECT_EQ(empty->Count(), 0);

  EXPECT_EQ(list->AddRef(), 2);
  EXPECT_EQ(list->Release(), 1);
  EXPECT_EQ(host.liveStringLists(), before + 2);
  EXPECT_EQ(list->Release(), 0);
  EXPECT_EQ(empty->Release(), 0);
  EXPECT_EQ(host.liveStringLists(), before);
  rel->Release();
}

TEST_F(MotoreHost, ResetForgetsEverything) {
  auto* status = Get<IStatus>("IStatus");
  int calls = 0;
  host.SetCommandHandler("esegui", [&](const std::string&) { return ++calls; });
  host.SetNumber("N", 1);
  host.Refuse("IVarsDel");
  host.SetCollectionName("x");
  host.AddValueTable("T", {{1, "a"}});
  status->Comando("esegui a");
  status->TestoStato("t");

  host.Reset();  // also clears the reference taken above
  EXPECT_EQ(host.ReferenceCount("IStatus"), 0);
  EXPECT_EQ(host.Find("N"), nullptr);
  EXPECT_TRUE(host.commands().empty());
  EXPECT_TRUE(host.statusTexts().empty());
  auto* coll = Get<ICollezione>("ICollezione");
  EXPECT_STREQ(coll->NomeCollezione(), "");
  EXPECT_EQ(coll->PrimaTabella(), nullptr);
  coll->Release();
  EXPECT_EQ(status->Comando("esegui b"), 0);
  EXPECT_EQ(calls, 1);
  auto* del = Get<IVarsDel>("IVarsDel");
  EXPECT_NE(del, nullptr);
  del->Release();
}

}  // namespace
