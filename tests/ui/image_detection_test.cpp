#include <gtest/gtest.h>

#include <string>

#include "ui/ImageDB.h"

namespace rovan {
namespace {

TEST(ImageDetectionTest, KindFromTheFirst64Bytes) {
  const std::string pad(70, 'x');
  struct Case {
    const char* name;
    std::string bytes;
    TTypeImageDB kind;
  } cases[] = {
      {"empty", "", imdbNone},
      {"only blanks and control bytes", std::string("\x01\x02 \x1F/", 5), imdbNone},
      {"JFIF", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11), imdbJPEG},
      {"Exif", std::string("\xFF\xD8\xFF\xE1\x00\x10""Exif\x00", 11), imdbJPEG},
      {"JPEG whose header also holds PNG", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00PNG", 14), imdbJPEG},
      {"BMP", "BM6\x00\x00\x00" + pad, imdbBMP},
      {"BMP holding JFIF text is a JPEG", "BMxxJFIF", imdbJPEG},
      {"BM not at the start", "xBM", imdbNone},
      {"placeable metafile signature", std::string("\xD7\xCD\xC6\x9A\x00\x00", 6), imdbMetafile},
      {"EMF text", std::string(40, '\x01') + " EMF", imdbMetafile},
      {"WMF text", "abcWMFdef", imdbMetafile},
      {"PNG", std::string("\x89PNG\r\n\x1A\n", 8), imdbPNG},
      {"PNG broken by a control byte", "PN\x01G", imdbNone},
      {"JFIF broken by a byte from 250", "JF\xFAIF", imdbNone},
      {"letters are case-sensitive", "jfif png", imdbNone},
      {"signature beyond byte 64", std::string(64, 'a') + "JFIF", imdbNone},
      {"signature ending at byte 64", std::string(60, 'a') + "JFIF", imdbJPEG},
      {"unknown content", "Hello, world" + pad, imdbNone},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectImageType(c.bytes), c.kind) << c.name;
}

TEST(ImageDetectionTest, KindNames) {
  EXPECT_STREQ(TTypeImageDBName(imdbNone), "imdbNone");
  EXPECT_STREQ(TTypeImageDBName(imdbMetafile), "imdbMetafile");
  EXPECT_STREQ(TTypeImageDBName(imdbBMP), "imdbBMP");
  EXPECT_STREQ(TTypeImageDBName(imdbJPEG), "imdbJPEG");
  EXPECT_STREQ(TTypeImageDBName(imdbPNG), "imdbPNG");
}

}  // namespace
}  // namespace rovan
