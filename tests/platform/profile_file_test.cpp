#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/platform/temp_folder.h"

namespace rovan {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

class ProfileFileTest : public ::testing::Test {
 protected:
  // A file in the folder with the given content.
  ProfileFile Profile(const std::string& content) const {
    WriteFile(folder_.File("settings.ini"), content);
    return ProfileFile(folder_.File("settings.ini"));
  }
  std::string Content() const { return ReadFile(folder_.File("settings.ini")); }

  TempFolder folder_;
};

TEST_F(ProfileFileTest, FindFollowsPrivateProfileRules) {
  const ProfileFile profile = Profile(
      "\xEF\xBB\xBF[Main]\r\n"
      "  Name =  first value  \r\n"
      "name=second\n"
      "not a key line\n"
      "Empty=\n"
      "=no name\n"
      "\t[ Other ]\t\n"
      "Name=other\r\n"
      "[main]\n"
      "Late=in the second [Main], never seen\n");
  struct Case {
    std::string section, key;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {"Main", "Name", "first value"},  // BOM ignored, names and value trimmed
      {"MAIN", "nAmE", "first value"},  // case-insensitive, first key wins
      {"Main", "Empty", ""},
      {"Other", "name", "other"},       // blanks around the header
      {"Main", "Late", std::nullopt},   // first section of a name wins
      {"Main", "not a key line", std::nullopt},
      {"Main", "", std::nullopt},
      {"Missing", "Name", std::nullopt},
      {"Other", "Missing", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(profile.Find(c.section, c.key), c.value) << c.section << "/" << c.key;
  EXPECT_EQ(profile.ReadSection("main"), (std::vector<std::string>{"Name", "name", "Empty"}));
  EXPECT_TRUE(profile.ReadSection("Missing").empty());
}

TEST_F(ProfileFileTest, MissingFileGivesDefaults) {
  const ProfileFile profile(folder_.File("missing.ini"));
  EXPECT_EQ(profile.Find("S", "K"), std::nullopt);
  EXPECT_EQ(profile.ReadString("S", "K", "def"), "def");
  EXPECT_EQ(profile.ReadInteger("S", "K", 7), 7);
  EXPECT_TRUE(profile.ReadBool("S", "K", true));
  EXPECT_TRUE(profile.ReadSection("S").empty());
}

TEST_F(ProfileFileTest, IntegerAndBoolAcceptOnlyDecimalIntegers) {
  struct Case {
    std::string value;
    std::optional<int> number;  // nullopt: not an integer, the default applies
  };
  const Case cases[] = {
      {"0", 0},        {"42", 42},          {"-17", -17},       {"+5", 5},
      {" 12 ", 12},    {"", std::nullopt},  {"12abc", std::nullopt}, {"0x10", std::nullopt},
      {"1.5", std::nullopt}, {"--1", std::nullopt}, {"+-1", std::nullopt},
      {"99999999999", std::nullopt},  // out of range
  };
  for (const Case& c : cases) {
    const ProfileFile profile = Profile("[S]\nK=" + c.value + "\n");
    EXPECT_EQ(profile.ReadInteger("S", "K", -99), c.number.value_or(-99)) << c.value;
    EXPECT_EQ(profile.ReadBool("S", "K", true), c.number ? *c.number != 0 : true) << c.value;
    EXPECT_EQ(profile.ReadBool("S", "K", false), c.number ? *c.number != 0 : false) << c.value;
  }
}

TEST_F(ProfileFileTest, WriteKeepsTheRestOfTheFileAndEndsLinesWithCrLf) {
  const ProfileFile profile = Profile(
      "; comment\n"
      "[A]\n"
      "  Key = old  \n"
      "Other=1\n"
      "\n"
      "[B]\r\n"
      "X=y\n");
  EXPECT_TRUE(profile.WriteString("a", "KEY", "new"));     // replaced in place, file's spelling kept
  EXPECT_TRUE(profile.WriteInteger("A", "Added", -3));     // at the end of its section, before the blank
  EXPECT_TRUE(profile.WriteBool("C", "Flag", true));       // new section at the end
  EXPECT_EQ(Content(),
            "; comment\r\n"
            "[A]\r\n"
            "Key=new\r\n"
            "Other=1\r\n"
            "Added=-3\r\n"
            "\r\n"
            "[B]\r\n"
            "X=y\r\n"
            "[C]\r\n"
            "Flag=1\r\n");
}

TEST_F(ProfileFileTest, WriteCreatesTheFileAndKeepsAByteOrderMark) {
  const ProfileFile created(folder_.File("new.ini"));
  ASSERT_TRUE(created.WriteString("S", "K", "v"));
  EXPECT_EQ(ReadFile(created.fileName()), "[S]\r\nK=v\r\n");

  const ProfileFile withBom = Profile("\xEF\xBB\xBF[S]\nK=v\n");
  ASSERT_TRUE(withBom.WriteString("S", "K", "w"));
  EXPECT_EQ(Content(), "\xEF\xBB\xBF[S]\r\nK=w\r\n");
}

TEST_F(ProfileFileTest, EveryCallSeesTheFileAsItIsNow) {
  const ProfileFile writer = Profile("");
  const ProfileFile reader(writer.fileName());
  EXPECT_EQ(reader.Find("S", "K"), std::nullopt);
  ASSERT_TRUE(writer.WriteString("S", "K", "v"));
  EXPECT_EQ(reader.Find("S", "K"), "v");
  ASSERT_TRUE(writer.WriteBool("S", "K", false));
  EXPECT_FALSE(reader.ReadBool("S", "K", true));
}

TEST_F(ProfileFileTest, EraseRemovesAKeyOrAWholeSection) {
  const ProfileFile profile = Profile("[A]\nK=1\nL=2\n[B]\nK=3\n[C]\nM=4\n");
  EXPECT_TRUE(profile.Erase("a", "k"));
  EXPECT_EQ(Content(), "[A]\r\nL=2\r\n[B]\r\nK=3\r\n[C]\r\nM=4\r\n");
  EXPECT_TRUE(profile.Erase("B", ""));
  EXPECT_EQ(Content(), "[A]\r\nL=2\r\n[C]\r\nM=4\r\n");
  EXPECT_TRUE(profile.Erase("Missing", "K"));
  EXPECT_TRUE(profile.Erase("A", "Missing"));
  EXPECT_EQ(Content(), "[A]\r\nL=2\r\n[C]\r\nM=4\r\n");
}

TEST_F(ProfileFileTest, EraseOnAMissingFileDoesNotCreateIt) {
  const ProfileFile profile(folder_.File("missing.ini"));
  EXPECT_TRUE(profile.Erase("S", ""));
  EXPECT_FALSE(std::filesystem::exists(profile.fileName()));
}

TEST_F(ProfileFileTest, UnwritableFileFailsWrites) {
  // A folder in the file's place: it cannot be written, whoever runs the test.
  std::filesystem::create_directory(folder_.File("folder.ini"));
  const ProfileFile inFolder(folder_.File("folder.ini"));
  const ProfileFile inMissingFolder(folder_.File("no-such-folder/settings.ini"));
  for (const ProfileFile* profile : {&inFolder, &inMissingFolder}) {
    EXPECT_FALSE(profile->WriteString("S", "K", "v")) << profile->fileName();
    EXPECT_FALSE(profile->WriteInteger("S", "K", 1)) << profile->fileName();
    EXPECT_FALSE(profile->WriteBool("S", "K", true)) << profile->fileName();
  }
  EXPECT_EQ(inFolder.Find("S", "K"), std::nullopt);
  EXPECT_FALSE(inFolder.Erase("S", "K"));
  EXPECT_FALSE(std::filesystem::exists(folder_.File("no-such-folder")));
}

}  // namespace
}  // namespace rovan
