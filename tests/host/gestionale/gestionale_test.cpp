// The substitute management-system libraries, loaded with dlopen as the plug-in loads the library named in
// InOutDll, in both builds: UTF-8 entry points and ANSI (CP1252) entry points.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using DesFn = int32_t (*)(const char*, char*);
using Des2Fn = int32_t (*)(const char*, const char*, char*);
using IsCodFn = int32_t (*)(const char*);
using FiltroFn = int32_t (*)(const char*, int32_t, char*);

struct LibraryCloser {
  void operator()(void* handle) const { dlclose(handle); }
};
using Library = std::unique_ptr<void, LibraryCloser>;

// The four entry points of one build.
struct Gestionale {
  Library lib;
  DesFn des = nullptr;
  Des2Fn des2 = nullptr;
  IsCodFn isCod = nullptr;
  FiltroFn filtro = nullptr;
};

Gestionale Load(const fs::path& file, bool ansi) {
  Gestionale g;
  g.lib.reset(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
  EXPECT_NE(g.lib, nullptr) << dlerror();
  if (!g.lib) return g;
  g.des = reinterpret_cast<DesFn>(dlsym(g.lib.get(), ansi ? "dammiDesArticolo" : "dammiDesArticolo_UTF8"));
  g.des2 = reinterpret_cast<Des2Fn>(dlsym(g.lib.get(), ansi ? "dammiDesArticolo2" : "dammiDesArticolo2_UTF8"));
  g.isCod = reinterpret_cast<IsCodFn>(dlsym(g.lib.get(), "IsCodGestionale"));
  g.filtro = reinterpret_cast<FiltroFn>(dlsym(g.lib.get(), "dammiFiltroArticolo"));
  // Each build offers only its own pair of description entry points.
  EXPECT_EQ(dlsym(g.lib.get(), ansi ? "dammiDesArticolo_UTF8" : "dammiDesArticolo"), nullptr);
  EXPECT_EQ(dlsym(g.lib.get(), ansi ? "dammiDesArticolo2_UTF8" : "dammiDesArticolo2"), nullptr);
  EXPECT_TRUE(g.des && g.des2 && g.isCod && g.filtro);
  return g;
}

const std::string kLong(300, 'L');

class GestionaleTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("gestionale_test_" + std::to_string(getpid()));
    fs::create_directories(dir_);
    data_ = dir_ / "articoli.txt";
    std::ofstream(data_) << "A100\t\tTavolo rotondo\n"
                            "A100\tEN\tRound table\r\n"
                            "A100\t#filtro\tFINITURA=NOCE;DIAMETRO=120\n"
                            "CAFFÈ\t\tCaffè 2€\n"
                            "LUNGO\t\t" << kLong << "\n"
                            "LUNGO\t#filtro\t" << kLong << "\n"
                            "SOLO_FILTRO\t#filtro\tX=1\n"
                            "TAB\t\tcon\ttab\n"
                            "NOCAMPI\tdue campi\n"
                            "A100\t\tseconda riga ignorata\n";
    setenv("GESTIONALE_DATI", data_.c_str(), 1);
    ansi_ = GetParam();
    g_ = Load(ansi_ ? GESTIONALE_ANSI_LIBRARY : GESTIONALE_UTF8_LIBRARY, ansi_);
    ASSERT_TRUE(g_.des && g_.des2 && g_.isCod && g_.filtro);
  }
  void TearDown() override {
    unsetenv("GESTIONALE_DATI");
    g_ = Gestionale{};
    fs::remove_all(dir_);
  }
  // A text as this build exchanges it.
  std::string Enc(const std::string& utf8, const std::string& cp1252) const { return ansi_ ? cp1252 : utf8; }

  fs::path dir_, data_;
  bool ansi_ = false;
  Gestionale g_;
};

TEST_P(GestionaleTest, DescriptionsAreFoundByCodeAndLanguage) {
  const struct {
    std::string codice;
    const char* lingua;  // null: the base description (dammiDesArticolo)
    int32_t found;
    std::string text;    // expected buffer when found
  } cases[] = {
      {"A100", nullptr, 1, "Tavolo rotondo"},  // the first matching line wins
      {"A100", "EN", 1, "Round table"},        // CR LF line end
      {"A100", "DE", 0, ""},                   // no fall-back to the base description
      {"A100", "", 0, ""},
      {"A100", "#filtro", 0, ""},              // a filter is not a description
      {"a100", nullptr, 0, ""},                // codes compare exactly
      {"NESSUNO", nullptr, 0, ""},
      {"SOLO_FILTRO", nullptr, 0, ""},
      {"NOCAMPI", nullptr, 0, ""},
      {"TAB", nullptr, 1, "con\ttab"},
      {Enc("CAFFÈ", "CAFF\xC8"), nullptr, 1, Enc("Caffè 2€", "Caff\xE8 2\x80")},
      {"LUNGO", nullptr, 1, std::string(255, 'L')},  // cut to the 256-byte buffer
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codice + " / " + (c.lingua ? c.lingua : "(base)"));
    std::vector<char> buf(300, '#');
    buf[0] = '\0';
    const int32_t found =
        c.lingua ? g_.des2(c.codice.c_str(), c.lingua, buf.data()) : g_.des(c.codice.c_str(), buf.data());
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(std::string(buf.data()), c.text);
    EXPECT_EQ(buf[256], '#');  // nothing past the 256 bytes
  }
  EXPECT_EQ(g_.des(nullptr, nullptr), 0);
  EXPECT_EQ(g_.des2("A100", nullptr, nullptr), 0);
}

TEST_P(GestionaleTest, FiltersAndCodesAreAnswered) {
  const struct {
    const char* codice;
    int32_t size;
    int32_t found;
    std::string text;
  } cases[] = {
      {"A100", 10001, 1, "FINITURA=NOCE;DIAMETRO=120"},
      {"A100", 9, 1, "FINITURA"},
      {"LUNGO", 10001, 1, kLong},
      {"TAB", 10001, 0, ""},
      {"A100", 0, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.codice) + " size " + std::to_string(c.size));
    std::vector<char> buf(10001 + 8, '#');
    buf[0] = '\0';
    EXPECT_EQ(g_.filtro(c.codice, c.size, buf.data()), c.found);
    EXPECT_EQ(std::string(buf.data()), c.text);
  }

  for (const char* code : {"A100", "SOLO_FILTRO", "LUNGO"}) EXPECT_EQ(g_.isCod(code), 1) << code;
  for (const char* code : {"a100", "NESSUNO", "NOCAMPI", ""}) EXPECT_EQ(g_.isCod(code), 0) << code;
  EXPECT_EQ(g_.isCod(Enc("CAFFÈ", "CAFF\xC8").c_str()), 1);
}

TEST_P(GestionaleTest, DataFileDefaultsToTheOneBesideTheLibrary) {
  // A copy of the library in a folder of its own, with its gestionale.txt beside it.
  const fs::path folder = dir_ / "lib";
  fs::create_directories(folder);
  const fs::path copy = folder / "libcopia.so";
  fs::copy_file(ansi_ ? GESTIONALE_ANSI_LIBRARY : GESTIONALE_UTF8_LIBRARY, copy);
  std::ofstream(folder / "gestionale.txt") << "B7\t\tAccanto\n";
  unsetenv("GESTIONALE_DATI");
  const Gestionale beside = Load(copy, ansi_);
  ASSERT_TRUE(beside.des);
  char buf[256];
  EXPECT_EQ(beside.des("B7", buf), 1);
  EXPECT_STREQ(buf, "Accanto");
  EXPECT_EQ(beside.des("A100", buf), 0);

  // Missing data file: nothing is found.
  setenv("GESTIONALE_DATI", (dir_ / "assente.txt").c_str(), 1);
  EXPECT_EQ(beside.des("B7", buf), 0);
  EXPECT_EQ(beside.isCod("B7"), 0);
}

INSTANTIATE_TEST_SUITE_P(Builds, GestionaleTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Ansi" : "Utf8"; });

}  // namespace
