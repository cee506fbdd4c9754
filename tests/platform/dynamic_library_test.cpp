#include "platform/dynamic_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rovan {
namespace {

// True when the library is in the process, without loading it.
bool IsLoaded(const std::string& fileName) {
  void* handle = dlopen(fileName.c_str(), RTLD_LAZY | RTLD_NOLOAD);
  if (handle != nullptr) dlclose(handle);  // RTLD_NOLOAD still counts a reference
  return handle != nullptr;
}

TEST(DynamicLibraryTest, WindowsNamesMapToSharedObjectCandidates) {
  struct Case {
    std::string name;
    std::vector<std::string> candidates;
  };
  const Case cases[] = {
      {"motore.dll", {"libmotore.so", "motore.so"}},
      {"Motore.DLL", {"libMotore.so", "Motore.so"}},
      {"motore", {"libmotore.so", "motore.so"}},
      {"kalvor.engine.dll", {"libkalvor.engine.so", "kalvor.engine.so"}},
      {"libmotore.so", {"libmotore.so"}},
      {"/opt/lib/motore.dll", {"/opt/lib/motore.dll"}},
      {"sub/motore", {"sub/motore"}},
      {"motore.ocx", {"motore.ocx"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SharedObjectCandidates(c.name), c.candidates) << c.name;
}

TEST(DynamicLibraryTest, OpensByFullPathFindsSymbolsAndClosesOnDestruction) {
  const std::string path = ROVAN_FIXTURE_LIB;
  ASSERT_FALSE(IsLoaded(path));
  auto library = DynamicLibrary::Open(path);
  ASSERT_NE(library, nullptr) << DynamicLibrary::LastLoadError();
  EXPECT_EQ(library->fileName(), path);
  const auto answer = library->Function<int (*)()>("rovan_fixture_answer");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(library->Symbol("no_such_symbol"), nullptr);

  // A second open finds the loaded library; the library stays until the last owner closes it.
  auto again = DynamicLibrary::Open(path);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->Symbol("rovan_fixture_answer"), library->Symbol("rovan_fixture_answer"));
  library.reset();
  EXPECT_TRUE(IsLoaded(path));
  again.reset();
  EXPECT_FALSE(IsLoaded(path));
}

TEST(DynamicLibraryTest, MissingLibraryGivesNullAndTheReasonOfEveryAttempt) {
  EXPECT_EQ(DynamicLibrary::Open("rovan-no-such-library.dll"), nullptr);
  const std::string error = DynamicLibrary::LastLoadError();
  EXPECT_TRUE(error.starts_with("librovan-no-such-library.so:")) << error;
  EXPECT_NE(error.find("; rovan-no-such-library.so:"), std::string::npos) << error;

  EXPECT_EQ(DynamicLibrary::Open(""), nullptr);
  EXPECT_FALSE(DynamicLibrary::LastLoadError().empty());
}

}  // namespace
}  // namespace rovan
