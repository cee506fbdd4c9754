#include "platform/large_blocks.h"

#include <gtest/gtest.h>

#include <cstring>

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

}  // namespace
}  // namespace rovan::test
