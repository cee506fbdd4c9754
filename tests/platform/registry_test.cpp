#include "platform/registry.h"

#include <gtest/gtest.h>

#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace rovan {
namespace {

constexpr const char* kKey = R"(HKEY_LOCAL_MACHINE\Software\Vendor\MSDE\)";

TEST(RegistryTest, ReadsTheValueFromTheFileNamedByTheEnvironment) {
  test::TempFolder folder;
  const std::string file = folder.File("registry.ini");
  test::WriteFile(file, std::string("[") + kKey + "]\r\nDataPath = /srv/data \r\n");
  test::ScopedEnv env("ROVAN_REGISTRY_FILE", file.c_str());
  EXPECT_EQ(ReadRegistryString(kKey, "datapath"), "/srv/data");
  EXPECT_EQ(ReadRegistryString(kKey, "Missing"), std::nullopt);
  EXPECT_EQ(ReadRegistryString(R"(HKEY_LOCAL_MACHINE\Software\Other\)", "DataPath"), std::nullopt);
}

TEST(RegistryTest, NoVariableOrNoFileMeansMissing) {
  test::TempFolder folder;
  const std::string missing = folder.File("missing.ini");
  for (const char* value : {static_cast<const char*>(nullptr), "", missing.c_str()}) {
    test::ScopedEnv env("ROVAN_REGISTRY_FILE", value);
    EXPECT_EQ(ReadRegistryString(kKey, "DataPath"), std::nullopt) << (value ? value : "(unset)");
  }
}

}  // namespace
}  // namespace rovan
