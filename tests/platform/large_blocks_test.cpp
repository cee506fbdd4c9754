#include "platform/large_blocks.h"

#include <gtest/gtest.h>

#include <cstring>

namespace rovan::test {
namespace {

// Blocks given back are handed out again for the same size only, up to the reserve's limit; what does not
// fit is freed, and blocks outlive neither their taker nor the reserve's bookkeeping.
TEST(RiservaBlocchiTest, KeepsGivenBackBlocksUpToItsLimit) {
  auto riserva = std::make_shared<RiservaBlocchi>(3 * 4096);
  char* primo = nullptr;
  char* secondo = nullptr;
  {
    BlocchiPresi presi(riserva);
    primo = presi.Prendi(4096);
    secondo = presi.Prendi(8192);
    std::memset(primo, 1, 4096);
    std::memset(secondo, 2, 8192);
    presi.Prendi(4096);  // over the limit once the other two are back: freed
    EXPECT_EQ(presi.Count(), 3u);
    EXPECT_EQ(riserva->Tenuti(), 0u);
  }
  EXPECT_EQ(riserva->Tenuti(), 4096u + 8192u);
  BlocchiPresi altri(riserva);
  EXPECT_EQ(altri.Prendi(8192), secondo);
  EXPECT_EQ(riserva->Tenuti(), 4096u);
  char* diverso = altri.Prendi(2048);  // no kept block of that size
  EXPECT_NE(diverso, primo);
  EXPECT_EQ(riserva->Tenuti(), 4096u);
  EXPECT_EQ(altri.Prendi(4096), primo);
  EXPECT_EQ(riserva->Tenuti(), 0u);
}

}  // namespace
}  // namespace rovan::test
