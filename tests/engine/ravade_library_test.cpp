#include "engine/ravade_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/call_slot.h"
#include "tests/platform/scoped_env.h"
#include "tests/platform/temp_folder.h"

namespace rovan::test {
namespace {

// The substitute is not on the library search path of the tests: a test puts it in the process by its
// full file name, and the loader then finds it by name.
class RavadeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    RilasciaRavade();
    for (void* h : handles_) dlclose(h);
  }
  void* Carica(const char* file) {
    void* h = dlopen(file, RTLD_NOW);
    EXPECT_NE(h, nullptr) << dlerror();
    handles_.push_back(h);
    return h;
  }
  // Closes a library the loader no longer holds: it must leave the process.
  void Scarica(void* h) {
    std::erase(handles_, h);
    dlclose(h);
    EXPECT_EQ(dlopen("libRodedovaRavade.so", RTLD_NOW | RTLD_NOLOAD), nullptr) << "still in the process";
  }
  std::vector<void*> handles_;
};

TEST_F(RavadeTest, MissingLibraryOrExportGivesNullAndIsTriedAgain) {
  EXPECT_EQ(DammiRavade(), nullptr);
  void* senzaExport = Carica(RAVADE_SENZA_EXPORT_LIBRARY);
  EXPECT_EQ(DammiRavade(), nullptr);
  Scarica(senzaExport);
  Carica(RAVADE_LIBRARY);
  EXPECT_NE(DammiRavade(), nullptr);
}

// Under AddressSanitizer an interface never released shows as a leak.
TEST_F(RavadeTest, EachRequestAddsAReferenceToTheHeldInterface) {
  Carica(RAVADE_LIBRARY);
  RavadeRef a = DammiRavade();
  RavadeRef b = DammiRavade();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a->AddRef(), 4);  // held, a, b and this one
  EXPECT_EQ(a->Release(), 3);
  b.reset();
  RilasciaRavade();
  EXPECT_EQ(a->AddRef(), 2);  // only a and this one
  EXPECT_EQ(a->Release(), 1);
  a.reset();
  // A new interface after the release.
  RavadeRef c = DammiRavade();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->AddRef(), 3);
  EXPECT_EQ(c->Release(), 2);
}

// A code list as the library sees it, by slot number: Codice (3), Count (5) and SettaPrezzo (20).
struct ListaFinta {
  void** vtable;
  std::vector<std::string> codici;
  std::vector<double> prezzi;

  static ListaFinta* Di(void* self) { return static_cast<ListaFinta*>(self); }
  static const char* Codice(void* self, int32_t i) { return Di(self)->codici[static_cast<size_t>(i)].c_str(); }
  static int32_t Count(void* self) { return static_cast<int32_t>(Di(self)->codici.size()); }
  static void SettaPrezzo(void* self, int32_t i, double p) { Di(self)->prezzi[static_cast<size_t>(i)] = p; }
};

TEST_F(RavadeTest, SubstituteSlotsByNumberReadTheDataFile) {
  TempFolder folder;
  WriteFile(folder.File("ravade.txt"),
            "E\tFR60\tFORNI\t450.5\tForno 60 cm\tForno_60\r\n"
            "E\tPC90\tPIANI\t300\tPiano cottura\tPiano_90\n"
            "E\tcorto\n"
            "P\tA\tT100\t120\n"
            "P\tB\tT100\t99\n");
  ScopedEnv dati("RAVADE_DATI", folder.File("ravade.txt").c_str());
  Carica(RAVADE_LIBRARY);
  RavadeRef r = DammiRavade();
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(CallSlot<int32_t>(r.get(), 7), 2);

  char codice[kRavadeCodiceSize] = "";
  char16_t descrizione[kRavadeTestoWideSize] = u"";
  char16_t categoria[kRavadeTestoWideSize] = u"";
  double prezzo = 0;
  EXPECT_EQ(CallSlot<int32_t>(r.get(), 8, 1, codice, descrizione, &prezzo, categoria), 1);
  EXPECT_EQ(std::string(codice), "PC90");
  EXPECT_EQ(std::u16string(descrizione), u"Piano cottura");
  EXPECT_EQ(std::u16string(categoria), u"PIANI");
  EXPECT_EQ(prezzo, 300);
  EXPECT_EQ(CallSlot<int32_t>(r.get(), 8, 2, codice, descrizione, &prezzo, categoria), 0);

  char testo[kRavadeSostituzioneSize] = "";
  EXPECT_EQ(CallSlot<int32_t>(r.get(), 9, "FR60", testo), 1);
  EXPECT_EQ(std::string(testo), "Forno_60");
  EXPECT_EQ(CallSlot<int32_t>(r.get(), 9, "XX", testo), 0);

  void* vtable[21] = {};
  vtable[3] = reinterpret_cast<void*>(&ListaFinta::Codice);
  vtable[5] = reinterpret_cast<void*>(&ListaFinta::Count);
  vtable[20] = reinterpret_cast<void*>(&ListaFinta::SettaPrezzo);
  ListaFinta lista{vtable, {"T100", "T200"}, {0, 7}};
  CallSlot<void>(r.get(), 6, "B", &lista);
  EXPECT_EQ(lista.prezzi, (std::vector<double>{99, 7}));
}

}  // namespace
}  // namespace rovan::test
