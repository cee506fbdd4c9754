#include "engine/UAttributi.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/code_page.h"
#include "tests/engine/call_slot.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

// Slots of IRovanAttributeApparence, numbered as the host calls them.
enum Slot {
  kAddRef = 1, kRelease = 2, kName = 3, kDesc = 4, kFontName = 5, kFontSize = 6, kFontColor = 7, kBold = 8,
  kItalic = 9, kUnderline = 10, kStrikeout = 11, kBackColor = 12
};

class AttributiTest : public ListinoTest {
 protected:
  // The attributes of a new price list after the statements ran, with language position idLingua.
  std::unique_ptr<TAttributi> Leggi(const std::vector<std::string>& sql, int idLingua = 0) {
    dm_ = Apri("provider=sqlite;Database=" + NuovoListino("a" + std::to_string(n_++) + ".sqlite", sql));
    return std::make_unique<TAttributi>(*dm_->GetQuery(), idLingua);
  }
  std::unique_ptr<TDMMain> dm_;
  int n_ = 0;
};

TEST_F(AttributiTest, ColumnsReadThroughTheSlotsAndNullsKeepTheDefaults) {
  auto a = Leggi({"insert into attributi (Codice, Descrizione, FontName, FontSize, FontColor, FontBold, FontItalic, "
                  "FontUnderline, FontStrike, BackgroundColor, Descr3) "
                  "values ('OFF', 'Offerta', 'Arial', 12, 255, 1, 0, 1, 1, 65280, 'Offer')",
                  "insert into attributi (Codice) values ('NUL')"});
  ASSERT_EQ(a->Count(), 2);
  struct {
    const char* codice;
    const char *name, *desc, *font;
    int32_t size, color, bold, italic, underline, strike, back;
  } cases[] = {{"OFF", "OFF", "Offerta", "Arial", 12, 255, 1, 0, 1, 1, 65280},
               {"NUL", "NUL", "", "", -1, -1, 0, 0, 0, 0, -1}};
  for (const auto& c : cases) {
    TAttributo* t = a->ItemByCode(c.codice);
    ASSERT_NE(t, nullptr) << c.codice;
    EXPECT_EQ(CallSlot<const char*>(t, kName), std::string(c.name));
    EXPECT_EQ(CallSlot<const char*>(t, kDesc), std::string(c.desc)) << c.codice;
    EXPECT_EQ(CallSlot<const char*>(t, kFontName), std::string(c.font)) << c.codice;
    EXPECT_EQ(CallSlot<int32_t>(t, kFontSize), c.size) << c.codice;
    EXPECT_EQ(CallSlot<int32_t>(t, kFontColor), c.color) << c.codice;
    EXPECT_EQ(CallSlot<int32_t>(t, kBold), c.bold) << c.codice;
    EXPECT_EQ(CallSlot<int32_t>(t, kItalic), c.italic) << c.codice;
    EXPECT_EQ(CallSlot<int32_t>(t, kUnderline), c.underline) << c.codice;
    EXPECT_EQ(CallSlot<int32_t>(t, kStrikeout), c.strike) << c.codice;
    EXPECT_EQ(CallSlot<int32_t>(t, kBackColor), c.back) << c.codice;
    // Not counted: the answers never change.
    EXPECT_EQ(CallSlot<int32_t>(t, kAddRef), 2);
    EXPECT_EQ(CallSlot<int32_t>(t, kRelease), 1);
  }
  EXPECT_EQ(a->ItemByCode("OFF")->m_legende[3], "Offer");
  EXPECT_EQ(a->ItemByCode("NUL")->m_legende[3], "");
}

TEST_F(AttributiTest, LookupsAndAMissingTable) {
  auto a = Leggi({"insert into attributi (Codice) values ('x')", "insert into attributi (Codice) values ('X')"});
  EXPECT_EQ(a->ItemByCode("X"), a->Item(1));  // case-sensitive
  EXPECT_EQ(a->ItemByCode("Y"), nullptr);
  for (int i : {-1, 2}) EXPECT_EQ(a->Item(i), nullptr) << i;
  EXPECT_EQ(Leggi({"drop table attributi"})->Count(), 0);
}

TEST_F(AttributiTest, LegendInTheOwnersLanguage) {
  auto a = Leggi({"insert into attributi (Codice, Descrizione, Descr1, Descr2, Descr10) "
                  "values ('A', 'Base', 'Uno', '', 'Dieci')"});
  TAttributo* t = a->Item(0);
  struct {
    int idLingua;
    const char* desc;
    const char16_t* descW;
  } cases[] = {{0, "Base", u"Base"}, {1, "Uno", u"Uno"}, {2, "Base", u"Base"}, {10, "Dieci", u"Dieci"},
               {11, "Base", u"Base"}, {-1, "Base", u"Base"}};
  for (const auto& c : cases) {
    a->SetIdLingua(c.idLingua);
    EXPECT_EQ(CallSlot<const char*>(t, kDesc), std::string(c.desc)) << c.idLingua;
    EXPECT_EQ(t->DescW(), c.descW) << c.idLingua;
  }
}

TEST_F(AttributiTest, LongLegendCutAtACharacterBoundaryAndAnsiNames) {
  auto a = Leggi({"insert into attributi (Codice, FontName) values ('Cé', 'Señal')"});
  TAttributo* t = a->Item(0);
  t->m_legenda = std::string(1022, 'a') + "è";  // 1024 bytes, the last character two bytes long
  EXPECT_EQ(std::string(CallSlot<const char*>(t, kDesc)), std::string(1022, 'a'));
  t->m_legenda = std::string(1023, 'a') + "b";
  EXPECT_EQ(std::string(CallSlot<const char*>(t, kDesc)), std::string(1023, 'a'));
  EXPECT_EQ(t->DescW().size(), 1024u);

  SetAnsiCodePage("CP1252");
  EXPECT_EQ(std::string(CallSlot<const char*>(t, kName)), "C\xE9");
  EXPECT_EQ(std::string(CallSlot<const char*>(t, kFontName)), "Se\xF1" "al");
  SetAnsiCodePage("");
  EXPECT_EQ(t->NameW(), u"Cé");
  EXPECT_EQ(t->FontNameW(), u"Señal");
}

TEST(Spezza, AttributeFields) {
  struct {
    const char* campo;
    std::vector<std::string> attesi;
  } cases[] = {
      {"", {}},
      {"#", {}},
      {"#2:AB", {"AB"}},
      {"#2:AB3:XYZ", {"AB", "XYZ"}},
      {"#0:1:Z", {"", "Z"}},
      {"#2:ÀB1:é", {"ÀB", "é"}},  // lengths count characters, not bytes
      {"é2:AB", {"AB"}},          // the leading character may be more than one byte
      {"#2:AB3", {"AB"}},         // no colon left: the rest is ignored
      {"#5:AB", {"AB"}},          // a length beyond the end takes the rest
  };
  for (const auto& c : cases) {
    std::vector<std::string> lista = {"prima"};
    TAttributi::Spezza(c.campo, lista);
    std::vector<std::string> attesi = {"prima"};
    attesi.insert(attesi.end(), c.attesi.begin(), c.attesi.end());
    EXPECT_EQ(lista, attesi) << c.campo;
  }
  for (const char* malformato : {"#x:AB", "#2:ABz:C", "#:A", "#-1:A"}) {
    std::vector<std::string> lista;
    EXPECT_THROW(TAttributi::Spezza(malformato, lista), std::invalid_argument) << malformato;
  }
}

}  // namespace
}  // namespace rovan::test
