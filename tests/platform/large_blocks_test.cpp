#include "platform/large_blocks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace rovan::test {
namespace {

// Blocks given back are handed out again for the same size only; past the reserve's limit the oldest kept
// blocks are freed first, and a block alone over the limit is not kept at all.
TEST(RiservaBlocchiTest, KeepsTheLatestBlocksUpToItsLimit) {
  auto riserva = std::make_shared<RiservaBlocchi>(3 * 4096);
  char* primo = nullptr;
  char* secondo = nullptr;
  char* terzo = nullptr;
  {
    BlocchiPresi presi(riserva);
    primo = presi.Prendi(4096);
    secondo = presi.Prendi(8192);
    terzo = presi.Prendi(4096);
    std::memset(primo, 1, 4096);
    std::memset(secondo, 2, 8192);
    presi.Prendi(4 * 4096);  // over the limit by itself
    EXPECT_EQ(presi.Count(), 4u);
    EXPECT_EQ(riserva->Tenuti(), 0u);
  }
  EXPECT_EQ(riserva->Tenuti(), 8192u + 4096u);  // the first given back made room for the third
  BlocchiPresi altri(riserva);
  EXPECT_EQ(altri.Prendi(8192), secondo);
  EXPECT_EQ(riserva->Tenuti(), 4096u);
  altri.Prendi(2048);  // no kept block of that size
  EXPECT_EQ(riserva->Tenuti(), 4096u);
  EXPECT_EQ(altri.Prendi(4096), terzo);
  EXPECT_EQ(riserva->Tenuti(), 0u);
}

// The flags the kernel shows for the mapping that holds an address ("hg": huge pages asked for).
std::string FlagsDellaMappa(const void* p) {
  const uintptr_t a = reinterpret_cast<uintptr_t>(p);
  std::ifstream smaps("/proc/self/smaps");
  bool dentro = false;
  for (std::string riga; std::getline(smaps, riga);) {
    uintptr_t inizio = 0, fine = 0;
    char trattino = 0;
    std::istringstream campi(riga);
    if (campi >> std::hex >> inizio >> trattino >> fine && trattino == '-') dentro = inizio <= a && a < fine;
    else if (dentro && riga.rfind("VmFlags:", 0) == 0) return riga;
  }
  return "";
}

TEST(LargeBlocksTest, HugePagesAreAskedForTheWholeHugePagesOfABuffer) {
  if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage")) GTEST_SKIP() << "no huge pages here";
  std::string buffer;
  buffer.reserve(3 * kBloccoGrande + 1000);  // not aligned: ordinary pages at both ends
  ChiediPagineGrandi(buffer.data(), buffer.capacity());
  const uintptr_t inizio = reinterpret_cast<uintptr_t>(buffer.data());
  const uintptr_t primo = (inizio + kBloccoGrande - 1) / kBloccoGrande * kBloccoGrande;
  ASSERT_NE(FlagsDellaMappa(buffer.data()), "");
  EXPECT_NE(FlagsDellaMappa(reinterpret_cast<void*>(primo)).find(" hg"), std::string::npos);
  EXPECT_NE(FlagsDellaMappa(reinterpret_cast<void*>(primo + kBloccoGrande)).find(" hg"), std::string::npos);
  EXPECT_EQ(FlagsDellaMappa(buffer.data()).find(" hg"), std::string::npos);
  const Blocco blocco = AllocaBlocco(kBloccoGrande);
  EXPECT_NE(FlagsDellaMappa(blocco.get()).find(" hg"), std::string::npos);
}

}  // namespace
}  // namespace rovan::test
