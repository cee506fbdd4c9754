#include "platform/system_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/platform/scoped_env.h"

namespace rovan {
namespace {

struct Mapping {
  const char* in;
  std::string out;
};

TEST(SystemPathsTest, TempFolderComesFromTmpdirWithATrailingDelimiter) {
  const Mapping cases[] = {
      {nullptr, "/tmp/"}, {"", "/tmp/"}, {" \t ", "/tmp/"},
      {"/var/tmp", "/var/tmp/"}, {" /var/tmp/\t", "/var/tmp/"},
  };
  for (const Mapping& c : cases) {
    test::ScopedEnv env("TMPDIR", c.in);
    EXPECT_EQ(SystemTempFolder(), c.out) << (c.in ? c.in : "(unset)");
  }
}

TEST(SystemPathsTest, ExecutableIsThisTestProgram) {
  const std::string file = ExecutableFileName();
  EXPECT_TRUE(std::filesystem::path(file).is_absolute()) << file;
  EXPECT_EQ(std::filesystem::path(file).filename(), "system_paths_test");
  EXPECT_TRUE(std::filesystem::equivalent(file, "/proc/self/exe"));
  EXPECT_EQ(ExecutableFolder(), std::filesystem::path(file).parent_path().string() + "/");
}

TEST(SystemPathsTest, IncludeTrailingDelimiter) {
  const Mapping cases[] = {{"", ""}, {"/", "/"}, {"/a", "/a/"}, {"/a/", "/a/"}, {"a", "a/"}};
  for (const Mapping& c : cases) EXPECT_EQ(IncludeTrailingDelimiter(c.in), c.out) << c.in;
}

TEST(SystemPathsTest, SafeFileNameStaysInsideItsFolder) {
  const Mapping cases[] = {
      {"Price list 2024", "Price list 2024"},
      {"a/b\\c", "a_b_c"},
      {"../etc/passwd", "___etc_passwd"},
      {"..\\x", "___x"},
      {"..hidden", "__hidden"},
      {"a..b", "a..b"},
      {"/abs", "_abs"},
  };
  for (const Mapping& c : cases) EXPECT_EQ(SafeFileName(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace rovan
