#include "plugin/UBlobKalvor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "platform/code_page.h"

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

TEST(BlobTest, AnAdoptedUtf16TextIsTakenOverWithItsTerminator) {
  const std::string utf8 = "Tavolo \"è\"\r\n" + std::string(40, 'x') + "\r\n";
  auto* testo = new TBlobKalvor;  // owned by its reference count
  testo->AddText(utf8);
  std::string utf16 = Utf8ToUtf16Le(utf8);
  const char* dati = utf16.data();
  auto* adottato = new TBlobKalvor;  // owned by its reference count
  adottato->AdottaUtf16(std::move(utf16));
  EXPECT_EQ(adottato->Data(), dati);  // not copied: Utf8ToUtf16Le leaves room for the terminator
  EXPECT_EQ(Bytes(adottato), Bytes(testo));
  testo->Release();
  adottato->Release();
}

}  // namespace
}  // namespace rovan
