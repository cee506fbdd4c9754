#include "plugin/UBlobKalvor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace rovan {
namespace {

std::string Bytes(IBlob* blob) { return std::string(static_cast<const char*>(blob->Data()), blob->Size()); }

TEST(BlobTest, TextBlobsAreUtf16WithCrLfAndTerminator) {
  auto* blob = new TBlobKalvor;  // owned by its reference count
  EXPECT_EQ(blob->VersionId(), 1);
  EXPECT_STREQ(blob->FactoryName(), "Rovan");
  EXPECT_STREQ(blob->LastError(), "");

  blob->AddStrings({});
  EXPECT_EQ(blob->Size(), 2u);
  EXPECT_EQ(Bytes(blob), std::string(2, '\0'));

  blob->AddStrings({"A", "è"});
  const std::string expected("A\0\r\0\n\0\xE8\0\r\0\n\0\0\0", 14);
  EXPECT_EQ(Bytes(blob), expected);

  blob->CaricaStream(std::string("\x89PNG\0x", 6));
  EXPECT_EQ(blob->Size(), 6u);
  EXPECT_EQ(std::memcmp(blob->Data(), "\x89PNG\0x", 6), 0);

  EXPECT_EQ(blob->AddRef(), 2);
  EXPECT_EQ(blob->Release(), 1);
  EXPECT_EQ(blob->Release(), 0);  // destroyed; ASan catches a leak or a double free
}

}  // namespace
}  // namespace rovan
