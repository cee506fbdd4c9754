// The dimension dialog and the host's named value lists behind it.
#include "plugin/Ingombs.h"

#include <gtest/gtest.h>

#include <string>

#include "hosted_plugin_fixture.h"
#include "plugin/value_menus.h"

namespace rovan {
namespace {

class IngombTest : public HostedPluginTest {
 protected:
  void SetUp() override {
    HostedPluginTest::SetUp();
    host_.AddValueTable("MenuX_pcf", {{60.0f, "L60"}, {59.95f, "Quasi60"}, {90.0f, "L90"}, {120.5f, "L120"}});
    host_.AddValueTable("MenuY_pcf", {{200.0f, "Alto"}});
    host_.AddValueTable("MenuX_pcf", {{75.0f, "Seconda"}});  // a later list of the same name is never read
  }
};

TEST_F(IngombTest, ValueListLookups) {
  EXPECT_EQ(ValoreMenuPerMisura("MenuX_pcf", 59.95), "L60") << "the first entry within 0.1";
  EXPECT_EQ(ValoreMenuPerMisura("MenuX_pcf", 89.91), "L90");
  EXPECT_EQ(ValoreMenuPerMisura("MenuX_pcf", 89.85), std::nullopt);
  EXPECT_EQ(ValoreMenuPerMisura("MenuX_pcf", 75), std::nullopt);
  EXPECT_EQ(ValoreMenuPerMisura("MenuZ_pcf", 60), std::nullopt);
  EXPECT_EQ(MisuraPerValoreMenu("MenuX_pcf", "L90"), 90.0);
  EXPECT_EQ(MisuraPerValoreMenu("MenuX_pcf", "l90"), std::nullopt) << "names compare exactly";
  EXPECT_EQ(MisuraPerValoreMenu("MenuX_pcf", "Seconda"), std::nullopt);
  EXPECT_EQ(MisuraPerValoreMenu("MenuX", "L90"), std::nullopt) << "the whole 12-character name";
  EXPECT_GT(host_.prepareCalls(), 0);

  host_.AddValueTable("Twelve_chars", {{1.0f, "uno"}});  // fills its 12 bytes without terminating zero
  EXPECT_EQ(MisuraPerValoreMenu("Twelve_chars", "uno"), 1.0);
}

TEST_F(IngombTest, RealToNominal) {
  const struct Case {
    std::string x, y, z;
    std::string xn, yn, zn;
  } cases[] = {
      {"59.95", "200", "60", "L60", "Alto", "60"},      // Z has no list
      {"60.2", " 199.95 ", "", "60.2", "Alto", ""},    // 0.2 from 60: no entry; blanks around a number
      {"abc", "1,5", "-", "abc", "1,5", "-"},           // not numbers (the separator is ".")
      {"120.5x", "", "", "120.5x", "", ""},
  };
  for (const Case& c : cases) {
    TIngomb d;
    d.X = c.x, d.Y = c.y, d.Z = c.z;
    d.XN = d.YN = d.ZN = "old";
    d.Real2Nom();
    EXPECT_EQ(d.XN, c.xn) << c.x;
    EXPECT_EQ(d.YN, c.yn) << c.y;
    EXPECT_EQ(d.ZN, c.zn) << c.z;
    EXPECT_EQ(d.X, c.x);
  }
}

TEST_F(IngombTest, NominalToReal) {
  TIngomb d;
  d.X = "1", d.Y = "2", d.Z = "3";
  d.XN = "L120", d.YN = "nessuna", d.ZN = "";
  d.Nom2Real();
  EXPECT_EQ(d.X, "120.5");
  EXPECT_EQ(d.Y, "2");
  EXPECT_EQ(d.Z, "3");
  d.XN = "Quasi60";
  d.Nom2Real();
  EXPECT_EQ(d.X, "59.95") << "the shortest text of the host's number";
}

TEST_F(IngombTest, OkOnlyWhenNominalAndRealAgree) {
  const struct Case {
    std::string x, xn, y, yn;
    bool ok;
  } cases[] = {
      {"60", "L60", "200", "Alto", true},
      {"60", "", "7", "", true},
      {"60", "testo libero", "7", "", true},      // a name of no entry binds nothing
      {"60.00", "L60", "200", "Alto", false},     // the real text must read as the entry does
      {"60", "L90", "200", "Alto", false},
      {"60", "L60", "201", "Alto", false},        // Y is checked after X
  };
  for (const Case& c : cases) {
    dialogs_->Clear();
    TIngomb d;
    d.X = c.x, d.XN = c.xn, d.Y = c.y, d.YN = c.yn;
    EXPECT_EQ(d.Ok(), c.ok) << c.x << " " << c.xn << " " << c.y << " " << c.yn;
    EXPECT_EQ(dialogs_->messages(), c.ok ? std::vector<std::string>{}
                                         : std::vector<std::string>{"Situazione non Allineata"});
  }
}

TEST_F(IngombTest, RealSizeShowsTheNominalNameAndOkChecksIt) {
  TIngomb d;
  d.X = "59.95";
  dialogs_->onIngomb = [](TIngomb& shown) {
    shown.FormShow();
    EXPECT_EQ(shown.XN, "L60");
    EXPECT_FALSE(shown.Ok());  // "59.95" is not how the entry 60 reads
    shown.Nom2Real();
    EXPECT_TRUE(shown.Ok());
  };
  EXPECT_EQ(TIngomb::Aperto(), nullptr);
  EXPECT_EQ(d.ShowModal(), ModalResult::Ok);
  EXPECT_EQ(TIngomb::Aperto(), nullptr);
  EXPECT_EQ(d.X, "60");
  EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Situazione non Allineata"});
  EXPECT_EQ(dialogs_->events().back().kind, "modal");
  EXPECT_EQ(dialogs_->events().back().text, "TIngomb");
}

}  // namespace
}  // namespace rovan
