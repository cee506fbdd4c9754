#include "plugin/settings.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/system_paths.h"

namespace rovan {
namespace {

// Without the host link the settings file lives beside the executable.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { std::remove(FileImpostazioni().fileName().c_str()); }
  void TearDown() override {
    std::remove(FileImpostazioni().fileName().c_str());
    ReleaseFileImpostazioni();
  }
};

TEST_F(SettingsTest, FileBesideTheExecutableWithoutHost) {
  EXPECT_EQ(FileImpostazioni().fileName(), ExecutableFolder() + "rovan.ini");
}

TEST_F(SettingsTest, WindowPositionLoadRules) {
  constexpr int kScreenW = 1920, kScreenH = 1080;
  struct Case {
    const char* what;
    int top, left, height, width;  // stored values (-1 none)
    FormGeometry expected;         // from a 400 x 300 window at 50, 60
  } cases[] = {
      {"nothing stored", -1, -1, -1, -1, {50, 60, 300, 400}},
      {"stored position", 100, 200, -1, -1, {100, 200, 300, 400}},
      {"top of 0 is ignored", 0, 200, -1, -1, {50, 60, 300, 400}},
      {"left of 0 is ignored", 100, 0, -1, -1, {50, 60, 300, 400}},
      {"top beyond the screen is flush with the bottom", 5000, 200, -1, -1, {780, 200, 300, 400}},
      {"left beyond the screen is flush with the right", 100, 1700, -1, -1, {100, 1520, 300, 400}},
      {"size stored", -1, -1, 500, 600, {50, 60, 500, 600}},
      {"height of 10 is ignored", -1, -1, 10, 600, {50, 60, 300, 400}},
      {"height of 11 is applied", -1, -1, 11, 600, {50, 60, 11, 600}},
  };
  for (const Case& c : cases) {
    ProfileFile& ini = FileImpostazioni();
    ini.Erase("FormTest", "");
    if (c.top != -1) ini.WriteInteger("FormTest", "Top", c.top);
    if (c.left != -1) ini.WriteInteger("FormTest", "Left", c.left);
    if (c.height != -1) ini.WriteInteger("FormTest", "Height", c.height);
    if (c.width != -1) ini.WriteInteger("FormTest", "Width", c.width);
    FormGeometry g{50, 60, 300, 400};
    CaricaPosizioneForm("FormTest", g, kScreenW, kScreenH, true);
    EXPECT_EQ(g.top, c.expected.top) << c.what;
    EXPECT_EQ(g.left, c.expected.left) << c.what;
    EXPECT_EQ(g.height, c.expected.height) << c.what;
    EXPECT_EQ(g.width, c.expected.width) << c.what;
  }
}

TEST_F(SettingsTest, SaveThenLoadWithAndWithoutSize) {
  SalvaPosizioneForm("FormEdit", FormGeometry{120, 130, 700, 900}, false);
  EXPECT_EQ(FileImpostazioni().ReadInteger("FormEdit", "Height", -1), -1);
  SalvaPosizioneForm("FormEdit", FormGeometry{120, 130, 700, 900}, true);
  FormGeometry g{1, 1, 100, 100};
  CaricaPosizioneForm("FormEdit", g, 1920, 1080, false);
  EXPECT_EQ(g.top, 120);
  EXPECT_EQ(g.height, 100);
  CaricaPosizioneForm("FormEdit", g, 1920, 1080, true);
  EXPECT_EQ(g.height, 700);
  EXPECT_EQ(g.width, 900);
}

}  // namespace
}  // namespace rovan
