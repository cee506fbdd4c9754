// The preconfigured composite written from scenes of the substitute host, and the scene reads it rests on.
#include "plugin/preconfigured.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "hosted_plugin_fixture.h"
#include "plugin/host_link.h"
#include "plugin/host_scene.h"

namespace rovan {
namespace {

using kalvor::ObjectLink;
using Lines = std::vector<std::string>;

// Helpers are public: the case tables reach them through a reference to this fixture.
class PreconfiguratoTest : public HostedPluginTest {
 public:
  using HostedPluginTest::host_;

  // A scene object, linked with that kind unless kind is negative.
  TOggettoRec* Obj(const char* name, int kind = -1) {
    TOggettoRec* o = host_.AddObject(name);
    if (kind >= 0) Link(o, Kind(kind));
    return o;
  }
  static ObjectLink Kind(int32_t kind) {
    ObjectLink l;
    l.kind = kind;
    return l;
  }
  // Kind 1: hung on the topology points p1 and p2 (index below 1) or on a collection item.
  static ObjectLink Hung(int32_t index, const char* p1 = "", const char* p2 = "") {
    ObjectLink l = Kind(1);
    l.collectionIndex = index;
    l.topologyPoint1 = p1;
    l.topologyPoint2 = p2;
    return l;
  }
  // Kind 2: a connection between two ends.
  static ObjectLink Between(const kalvor::LinkEnd& first, const kalvor::LinkEnd& second) {
    ObjectLink l = Kind(2);
    l.first = first;
    l.second = second;
    return l;
  }
  void Link(TOggettoRec* o, ObjectLink link) { host_.SetLink(o, link); }
  void Var(TOggettoRec* o, const char* name, const kalvor::VarValue& v) { host_.SetObjectVariable(o, name, v); }

  // Runs CreaPreconfigurato("P1") on archetype; the output's lines (CR LF ends).
  Lines Crea(const std::string& archetype = "") {
    test::WriteFile(folder_.File("arch.txt"), archetype);
    EXPECT_TRUE(CreaPreconfigurato("P1", folder_.File("arch.txt"), out_));
    const std::string text = test::ReadFile(out_);
    Lines lines;
    for (size_t at = 0; at < text.size();) {
      size_t end = text.find("\r\n", at);
      EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
      if (end == std::string::npos) break;
      lines.push_back(text.substr(at, end - at));
      at = end + 2;
    }
    return lines;
  }
  // The lines of the block of the element named name, from "   {" to "   }".
  static Lines Block(const Lines& lines, const std::string& name) {
    Lines block;
    bool in = false;
    for (const std::string& l : lines) {
      if (l.starts_with("   Posiziona \"" + name + "\"")) {
        in = true;
      } else if (in) {
        block.push_back(l);
        in = l != "   }";
      }
    }
    return block;
  }
  static std::string Attacco(const Lines& lines, const std::string& name) {
    for (const std::string& l : Block(lines, name))
      if (l.starts_with("      @pcf_str = ")) return l.substr(17);
    return "<none>";
  }
  static Lines Elements(const Lines& lines) {
    Lines out;
    for (const std::string& l : lines)
      if (l.starts_with("   Posiziona ")) out.push_back(l.substr(13));
    return out;
  }

  std::string out_ = folder_.File("out.pcf");
};

TEST_F(PreconfiguratoTest, WholeTextOfOneElement) {
  TOggettoRec* base = Obj("Base", 0);
  Var(base, "X", 40.0f);
  Var(base, "Y", 70.0f);
  Var(base, "Z", 50.0f);
  host_.SetSelection({base});
  const Lines lines = Crea("// testa\r\nVAR a\n//Preconfigurati\nignorata\n//Pcf1\n      @modello = 1\n//Pcf2\nfine\n");
  EXPECT_EQ(lines, (Lines{"Elemento \"P1\"",
                          "{",
                          "// testa",
                          "VAR a",
                          "   Posiziona \"Base\" el0",
                          "   {",
                          "      @X_pcfW = 40.00",
                          "      @Y_pcfW = 70.00",
                          "      @Z_pcfW = 50.00",
                          "      @pcf_str = \"1\"",
                          "      @modello = 1",
                          "   }",
                          "   PuntiNotevoli",
                          "   {",
                          "       X = 40.00",
                          "       Y = 70.00",
                          "       Z = 50.00",
                          "       base_0 = [0, 0, 0]    alto_0 = [0, Y, 0]",
                          "       base_1 = [0, 0, Z]    alto_1 = [0, Y, Z]",
                          "       base_2 = [X, 0, Z]    alto_2 = [X, Y, Z]",
                          "       base_3 = [X, 0, 0]    alto_3 = [X, Y, 0]",
                          "   }",
                          "}"}));
  EXPECT_EQ(dialogs_->events().back().text, "TIngomb");
}

TEST_F(PreconfiguratoTest, ArchetypeWithoutPreconfiguredMarkIsCopiedWhole) {
  host_.SetSelection({Obj("Base", 0)});
  const Lines lines = Crea("a\n//Pcf1\nb\n//Pcf2\n");
  EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 7), (Lines{"a", "//Pcf1", "b", "//Pcf2", "   Posiziona \"Base\" el0"}));
  EXPECT_EQ(Block(lines, "Base").size(), 6u) << "no template lines in the block";
}

TEST_F(PreconfiguratoTest, LinesOfOneElement) {
  const struct Case {
    const char* what;
    std::function<void(PreconfiguratoTest&, TOggettoRec*)> setup;
    Lines present;
    Lines absent;
  } cases[] = {
      {"the real width wins over the width",
       [](auto& t, auto* o) { t.Var(o, "X_pcfR", 40.0f), t.Var(o, "X", 50.0f); }, {"      @X_pcfW = 40.00"}, {}},
      {"a real width that is not a number is ignored",
       [](auto& t, auto* o) { t.Var(o, "X_pcfR", std::string("40")), t.Var(o, "X", 50.0f); },
       {"      @X_pcfW = 50.00"}, {}},
      {"real height and depth", [](auto& t, auto* o) { t.Var(o, "Y_pcfR", 7.5f), t.Var(o, "Z_pcfR", -3.0f); },
       {"      @Y_pcfW = 7.50", "      @Z_pcfW = -3.00"}, {}},
      {"no sizes", [](auto&, auto*) {}, {"      @X_pcfW = 0.00", "      @Z_pcfW = 0.00"}, {}},
      {"small angle", [](auto& t, auto* o) { t.Var(o, "angolo", 0.4f); }, {}, {"      @ang_y = 0.40"}},
      {"angle", [](auto& t, auto* o) { t.Var(o, "angolo", -90.0f); }, {"      @ang_y = -90.00"}, {}},
      {"base point", [](auto& t, auto* o) { t.Var(o, "base_0", std::array<float, 3>{1, 2.5f, -3}); },
       {"      @base_0.x = base_0.x + 1.00", "      @base_0.y = base_0.y + 2.50", "      @base_0.z = base_0.z + -3.00"},
       {}},
      {"own records in list order",
       [](auto& t, auto* o) {
         t.host_.AddOwnVariable(o, "L", 2.5f);
         t.host_.AddOwnVariable(o, "T", std::string("abc"));
         t.host_.AddOwnVariable(o, "P", std::array<float, 3>{1, 2, 3});
       },
       {"      @L = 2.50", "      @T = \"abc\"", "      @P = [1.00,2.00,3.00]"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host_.Reset();
    TOggettoRec* base = Obj("Base", 0);
    c.setup(*this, base);
    host_.SetSelection({base});
    const Lines block = Block(Crea(), "Base");
    for (const std::string& l : c.present) EXPECT_NE(std::find(block.begin(), block.end(), l), block.end()) << l;
    for (const std::string& l : c.absent) EXPECT_EQ(std::find(block.begin(), block.end(), l), block.end()) << l;
  }
  // Own records come in list order, right after the attachment.
  host_.Reset();
  TOggettoRec* base = Obj("Base", 0);
  host_.AddOwnVariable(base, "B", 1.0f);
  host_.AddOwnVariable(base, "A", 2.0f);
  host_.SetSelection({base});
  const Lines block = Block(Crea(), "Base");
  EXPECT_EQ(Lines(block.begin() + 5, block.begin() + 7), (Lines{"      @B = 1.00", "      @A = 2.00"}));
}

TEST_F(PreconfiguratoTest, ElementNameIsCmpNameWhenItIsAText) {
  TOggettoRec* a = Obj("ObjA", 0);
  TOggettoRec* b = Obj("ObjB", 0);
  TOggettoRec* c = Obj("ObjC", 0);
  Var(a, "cmp_name", std::string("Anta"));
  Var(b, "cmp_name", 3.0f);
  host_.SetSelection({a, b, c});
  EXPECT_EQ(Elements(Crea()), (Lines{"\"Anta\" el0", "\"ObjB\" el1", "\"ObjC\" el2"}));
}

TEST_F(PreconfiguratoTest, WidthsOfTheBaseChainAddUpOthersDoNot) {
  TOggettoRec* base = Obj("Base", 0);
  TOggettoRec* side = Obj("Fianco", 1);
  TOggettoRec* loose = Obj("Libero");
  TOggettoRec* other = Obj("Altro", 0);
  Var(base, "X", 40.0f), Var(base, "Y", 70.0f), Var(base, "Z", 30.0f);
  Var(side, "X", 60.0f), Var(side, "Y", 50.0f), Var(side, "Z", 55.0f);
  Var(loose, "X", 500.0f), Var(loose, "Y", 900.0f);
  Var(other, "X", 300.0f), Var(other, "Z", 800.0f);
  host_.SetChildren(base, {side});
  host_.SetFreeObjects({loose});
  host_.SetSelection({base, other});
  TIngomb seen;
  dialogs_->onIngomb = [&](TIngomb& d) { seen = d; };
  const Lines lines = Crea();
  EXPECT_EQ(seen.X, "100.00");
  EXPECT_EQ(seen.Y, "70.00");
  EXPECT_EQ(seen.Z, "55.00");
  EXPECT_EQ(seen.XN, "40.00+60.00");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "       X = 100.00"), lines.end());
}

TEST_F(PreconfiguratoTest, SizesAreWrittenAsTheDialogLeavesThem) {
  TOggettoRec* base = Obj("Base", 0);
  Var(base, "X", 40.0f);
  host_.SetSelection({base});
  dialogs_->onIngomb = [](TIngomb& d) { d.X = "120"; d.Z = "9.5"; };
  dialogs_->modalAnswers.push_back(ModalResult::Cancel);  // read all the same
  const Lines lines = Crea();
  EXPECT_EQ(Lines(lines.end() - 9, lines.end() - 6), (Lines{"       X = 120", "       Y = 0.00", "       Z = 9.5"}));
}

TEST_F(PreconfiguratoTest, ElementOrderBaseThenFreeObjectsThenLaterKindZeroObjects) {
  TOggettoRec* unlinked = Obj("Slegato");
  TOggettoRec* hung = Obj("Appeso", 1);
  TOggettoRec* first = Obj("Primo", 0);
  TOggettoRec* second = Obj("Secondo", 0);
  TOggettoRec* loose = Obj("Libero");
  host_.SetSelection({unlinked, hung, first, hung, second});
  host_.SetFreeObjects({loose});
  EXPECT_EQ(Elements(Crea()), (Lines{"\"Primo\" el0", "\"Libero\" el1", "\"Secondo\" el2"}));
}

TEST_F(PreconfiguratoTest, AttachmentTexts) {
  // The scene: Base (kind 0, el0) > C (kind 0, el1) > E (el2, the element checked); Fuori is never written.
  using Ends = std::function<ObjectLink(TOggettoRec* base, TOggettoRec* c, TOggettoRec* fuori)>;
  const struct Case {
    const char* what;
    Ends link;
    bool current;  // E is the host's current object
    std::string expected;
  } cases[] = {
      {"kind 0", [](auto...) { return Kind(0); }, false, "\"1\""},
      {"kind 0, the current object", [](auto...) { return Kind(0); }, true, "\"-1\""},
      {"kind 1 on topology points", [](auto...) { return Hung(0, "Sx", "Dx"); }, false, "\"2;1;Sx, Dx\""},
      {"kind 1, the current object", [](auto...) { return Hung(-2, "Sx"); }, true, "\"-2;1;Sx, \""},
      {"kind 1 on a collection item: 9 characters of its name", [](auto...) { return Hung(4); }, false,
       "\"2;1;ElementoL\""},
      {"kind 1 on a missing collection item", [](auto...) { return Hung(5); }, false, "\"2;1;\""},
      {"kind 2 between two elements written before",
       [](auto* base, auto* c, auto*) { return Between({0, base, "p1"}, {2, c, "Q"}); }, false,
       "\"3;0.00;1.00;0;2;;Q\""},
      {"kind 2: point names of mode 2 only, numbers of modes 0 and 2 only",
       [](auto* base, auto* c, auto*) { return Between({2, c, "P"}, {1, base, "q"}); }, true,
       "\"-3;1.00;2;1;P;\""},
      {"kind 2 with an end that has no pcf_nome",
       [](auto* base, auto*, auto* fuori) { return Between({0, base, ""}, {0, fuori, ""}); }, false, "\"\""},
      {"kind 2 with a missing end", [](auto* base, auto*, auto*) { return Between({0, base, ""}, {}); }, false,
       "\"\""},
      {"another kind", [](auto...) { return Kind(5); }, false, "\"\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host_.Reset();
    TOggettoRec* base = Obj("Base", 0);
    TOggettoRec* child = Obj("C", 0);
    TOggettoRec* e = Obj("E");
    Link(e, c.link(base, child, Obj("Fuori")));
    host_.SetChildren(base, {child});
    host_.SetChildren(child, {e});
    host_.SetCollectionItem(4, "ElementoLungo");
    host_.SetSelection({base});
    if (c.current) host_.SetCurrentObject(e);
    EXPECT_EQ(Attacco(Crea(), "E"), c.expected);
  }
  host_.Reset();
  host_.SetSelection({Obj("Base", 0)});
  host_.SetFreeObjects({Obj("E")});
  EXPECT_EQ(Attacco(Crea(), "E"), "") << "no link";
}

TEST_F(PreconfiguratoTest, ChildrenRelativeRecordsAndNumbers) {
  TOggettoRec* base = Obj("Base", 0);
  TOggettoRec* a = Obj("A", 1);
  TOggettoRec* b = Obj("B", 1);
  TOggettoRec* k = Obj("K");
  TOggettoRec* under = Obj("SottoK", 1);
  Link(k, Between({0, base, ""}, {0, a, ""}));
  host_.SetChildren(base, {a, k});
  host_.SetChildren(a, {b});
  host_.SetChildren(k, {under});  // never reached: no recursion below a kind-2 link
  host_.SetRelativeRecords(a, {"      REL 1", "      REL 2"});
  host_.SetSelection({base});

  const Lines lines = Crea("//Preconfigurati\n//Pcf1\n      @t = 0\n//Pcf2\n");
  EXPECT_EQ(Elements(lines), (Lines{"\"Base\" el0", "\"A\" el1", "\"B\" el2", "\"K\" el3"}));
  EXPECT_EQ(Block(lines, "A"),
            (Lines{"   {", "      @X_pcfW = 0.00", "      @Y_pcfW = 0.00", "      @Z_pcfW = 0.00",
                   "      @pcf_str = \"2;0;, \"", "      @t = 0", "      REL 1", "      REL 2", "   }"}));
  EXPECT_EQ(Attacco(lines, "B"), "\"2;1;, \"");
  for (auto [obj, n] : {std::pair{base, 0.0}, {a, 1.0}, {b, 2.0}, {k, 3.0}}) {
    TValoreVariabile v;
    ASSERT_TRUE(TrovaVariabileOggetto(obj, "pcf_nome", v));
    EXPECT_EQ(std::get<double>(v), n);
  }
  TValoreVariabile v;
  EXPECT_FALSE(TrovaVariabileOggetto(under, "pcf_nome", v));
  // Every list and interface handed out was given back.
  EXPECT_EQ(host_.liveSceneLists(), 0u);
  EXPECT_EQ(host_.liveStringLists(), 0u);
  EXPECT_EQ(host_.ReferenceCount("IRecRelativo"), 0);
}

TEST_F(PreconfiguratoTest, NothingIsWrittenWithoutArchetypeOrSelection) {
  test::WriteFile(folder_.File("arch.txt"), "");
  EXPECT_FALSE(CreaPreconfigurato("P1", folder_.File("arch.txt"), out_)) << "nothing selected";
  host_.SetSelection({Obj("Base", 0)});
  EXPECT_FALSE(CreaPreconfigurato("P1", folder_.File("missing.txt"), out_)) << "no archetype";
  EXPECT_FALSE(std::filesystem::exists(out_));
  EXPECT_TRUE(dialogs_->events().empty());
  host_.SetSelection({Obj("Slegato")});
  EXPECT_TRUE(CreaPreconfigurato("P1", folder_.File("arch.txt"), out_)) << "a selection without base";
  EXPECT_EQ(test::ReadFile(out_).find("Posiziona"), std::string::npos);
}

TEST_F(PreconfiguratoTest, FileErrorsReachTheCaller) {
  host_.SetSelection({Obj("Base", 0)});
  test::WriteFile(folder_.File("arch.txt"), "");
  EXPECT_THROW(CreaPreconfigurato("P1", folder_.File("arch.txt"), folder_.File("no/such/folder/out.pcf")),
               std::ios_base::failure);
}

TEST_F(PreconfiguratoTest, ObjectVariablesByType) {
  TOggettoRec* o = Obj("O");
  Var(o, "N", 2.5f);
  Var(o, "T", std::string("testo"));
  Var(o, "P", std::array<float, 3>{1, 2, 3});
  Var(o, "U", 0.0f);
  static_cast<TVarRec*>(o->variabili->item)->tipo = 7;  // "U", the head of the list: a type of no value
  TValoreVariabile v;
  ASSERT_TRUE(TrovaVariabileOggetto(o, "N", v));
  EXPECT_EQ(v, TValoreVariabile(2.5));
  ASSERT_TRUE(TrovaVariabileOggetto(o, "T", v));
  EXPECT_EQ(v, TValoreVariabile(std::string("testo")));
  ASSERT_TRUE(TrovaVariabileOggetto(o, "P", v));
  EXPECT_EQ(v, TValoreVariabile(std::array<double, 3>{1, 2, 3}));
  ASSERT_TRUE(TrovaVariabileOggetto(o, "U", v));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(v));
  v = 9.0;
  EXPECT_FALSE(TrovaVariabileOggetto(o, "n", v)) << "names compare exactly";
  EXPECT_FALSE(TrovaVariabileOggetto(nullptr, "N", v));
  EXPECT_EQ(v, TValoreVariabile(9.0)) << "left alone when missing";
}

TEST_F(PreconfiguratoTest, OneCompositeSelectedCountsObjectsWithBit23Clear) {
  const struct Case {
    std::vector<uint32_t> flags;
    bool expected;
  } cases[] = {
      {{}, false},
      {{0}, true},
      {{0, 0x800000}, true},
      {{0x800000 | 0x1, 0x400000}, true},
      {{0, 0}, false},
      {{0x800000}, false},
  };
  for (const Case& c : cases) {
    std::vector<TOggettoRec*> objects;
    for (uint32_t f : c.flags) {
      objects.push_back(Obj("O"));
      objects.back()->flags = f;
    }
    host_.SetSelection(objects);
    EXPECT_EQ(UnSoloCompostoSelezionato(), c.expected) << ::testing::PrintToString(c.flags);
  }
}

}  // namespace
}  // namespace rovan
