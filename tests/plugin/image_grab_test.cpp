// Grabbing pictures through the host's print and render commands, with the substitute host's built-in
// handlers writing the files.
#include "plugin/image_grab.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hosted_plugin_fixture.h"
#include "platform/profile_file.h"

namespace rovan {
namespace {

using Texts = std::vector<std::string>;

class ImageGrabTest : public HostedPluginTest {
 protected:
  std::string Render() const { return folder_.File("rovan.png"); }
};

TEST_F(ImageGrabTest, KalvorPrintNamesTheFileOfTheHostSettings) {
  ProfileFile(host_.iniFile()).WriteString("Translate", "Language", "IT");
  const std::string file = PrelevaImmagineKalvor();
  EXPECT_EQ(file, folder_.File("k4print.png"));
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(host_.commands(), Texts{"K4_PRINT -nopreview"});
  EXPECT_EQ(host_.events(), (Texts{"OnCmpPrePrelevaWmf", "OnCmpPostPrelevaWmf"}));
  EXPECT_EQ(ProfileFile(host_.iniFile()).ReadString("Translate", "Language", ""), "IT");
}

TEST_F(ImageGrabTest, KalvorPrintWithoutTheKeyGivesNoFile) {
  host_.SetCommandHandler("K4_PRINT", [](const std::string&) { return 0; });
  EXPECT_EQ(PrelevaImmagineKalvor(), "");
  EXPECT_EQ(host_.events().size(), 2u);
}

TEST_F(ImageGrabTest, OrvelRenderPresets) {
  const struct Case {
    const char* what;
    const char* preset;  // CMP_PRESETORVEL, or null for none
    const char* sent;
  } cases[] = {
      {"no variable", nullptr, "rovan"},
      {"empty variable", "", "rovan"},
      {"variable", "studio notte", "studio notte"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host_.Reset();
    if (c.preset != nullptr) host_.SetText("CMP_PRESETORVEL", c.preset);
    EXPECT_EQ(PrelevaImmagineOrvel(), Render());
    EXPECT_EQ(host_.commands(), Texts{"TPRINT CMD GO ORVEL BATCH RND_OUTFILE \"" + Render() + "\" RND_PRESET \"" +
                                      c.sent + "\""});
    EXPECT_EQ(host_.events(), (Texts{"OnCmpPrePrelevaORvel", "OnCmpPostPrelevaORvel"}));
  }
}

TEST_F(ImageGrabTest, OrvelDeletesAnOldRenderFirst) {
  test::WriteFile(Render(), "old");
  bool existedDuringCommand = true;
  host_.SetCommandHandler("TPRINT", [&](const std::string&) {
    existedDuringCommand = std::filesystem::exists(Render());
    return 0;  // renders nothing
  });
  EXPECT_EQ(PrelevaImmagineOrvel(), "");
  EXPECT_FALSE(existedDuringCommand);
  EXPECT_EQ(host_.events().size(), 2u);
}

class ImageGrabWithoutHostTest : public HostedPluginTest {
 protected:
  // Loaded again, bound to a host that hands out no IStatus.
  void SetUp() override {
    HostedPluginTest::SetUp();
    ScaricaLibreria();
    host_.Refuse("IStatus");
    CaricaLibreria();
  }
};

TEST_F(ImageGrabWithoutHostTest, NothingIsSentAndNoFileNamed) {
  EXPECT_EQ(PrelevaImmagineOrvel(), "");
  EXPECT_EQ(PrelevaImmagineKalvor(), "");
  EXPECT_TRUE(host_.commands().empty());
  EXPECT_TRUE(host_.events().empty());
}

}  // namespace
}  // namespace rovan
