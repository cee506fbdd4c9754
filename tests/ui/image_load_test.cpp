#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/platform/temp_folder.h"
#include "tests/ui/picture_fixtures.h"
#include "ui/ImageDB.h"
#include "ui/bmp_codec.h"
#include "ui/jpeg_codec.h"
#include "ui/png_codec.h"

namespace rovan {
namespace {

using namespace std::string_literals;
using test::Rgba;

// A blue-filled 200 x 100 placeable metafile at 192 units per inch: 100 x 50 pixels.
std::string SampleWmf() {
  return test::WmfBuilder(0, 0, 200, 100, 192)
      .Record(0x02FC, {0, 0x0000, 0x00FF, 0})  // brush: solid, blue
      .Record(0x012D, {0})
      .Record(0x041B, {100, 100, 0, 0})  // rectangle: bottom, right, top, left
      .Bytes();
}

std::string SampleEmf() {
  return test::EmfBuilder(96, 48)
      .Record(39, {1, 0, 0x0000FF, 0})  // brush 1: solid, red
      .Record(37, {1})
      .Record(43, {0, 0, 48, 48})
      .Bytes();
}

struct Sample {
  const char* name;
  std::string bytes;
  TTypeImageDB kind;
  int width;
  int height;
};

std::vector<Sample> Samples() {
  const RgbaImage image = test::Halves(30, 20, 0xFF0000FF, 0x00FF00FF);
  return {
      {"BMP", EncodeBmp(image), imdbBMP, 30, 20},
      {"JPEG", EncodeJpeg(image, 90), imdbJPEG, 30, 20},
      {"PNG", EncodePng(image), imdbPNG, 30, 20},
      {"WMF", SampleWmf(), imdbMetafile, 100, 50},
      {"EMF", SampleEmf(), imdbMetafile, 96, 48},
  };
}

TEST(ImageLoadTest, EveryKindLoadsFromAFieldWithItsSize) {
  for (const Sample& s : Samples()) {
    TImageDB image;
    ASSERT_TRUE(image.LoadFromField(s.bytes)) << s.name;
    EXPECT_EQ(image.tipo(), s.kind) << s.name;
    EXPECT_EQ(image.PictureWidth(), s.width) << s.name;
    EXPECT_EQ(image.PictureHeight(), s.height) << s.name;
    image.Libera();
    EXPECT_FALSE(image.Loaded());
    EXPECT_EQ(image.tipo(), imdbNone);
  }
}

// A 1 x 1 bitmap is 58 bytes: padded to 64 it is examined, cut to 63 it is not.
TEST(ImageLoadTest, FieldsShorterThan64BytesStayEmpty) {
  std::string field = EncodeBmp(RgbaImage(1, 1));
  field.resize(64, '\0');
  TImageDB image;
  EXPECT_TRUE(image.LoadFromField(field));
  field.resize(63);
  EXPECT_FALSE(image.LoadFromField(field));
  EXPECT_EQ(image.tipo(), imdbNone);
  EXPECT_FALSE(image.LoadFromField(std::nullopt));
}

// Palette and top-down rows, written by hand rather than by our own encoder.
TEST(ImageLoadTest, BitmapWithPaletteAndTopDownRows) {
  std::string bmp = "BM";
  test::PutLE(bmp, 0, 4);  // file size, unread
  test::PutLE(bmp, 0, 4);
  test::PutLE(bmp, 14 + 40 + 8, 4);  // pixels after a two-colour palette
  for (std::uint32_t v : {40u, 3u, static_cast<std::uint32_t>(-2)}) test::PutLE(bmp, v, 4);
  test::PutLE(bmp, 1, 2);
  test::PutLE(bmp, 8, 2);  // 8 bits per pixel
  for (std::uint32_t v : {0u, 0u, 0u, 0u, 2u, 0u}) test::PutLE(bmp, v, 4);
  test::PutLE(bmp, 0x000000FF, 4);  // blue (blue, green, red, 0)
  test::PutLE(bmp, 0x0000FF00, 4);  // green
  bmp += std::string("\x00\x01\x00\x00", 4) + std::string("\x01\x01\x00\x00", 4);
  const std::optional<RgbaImage> image = DecodeBmp(bmp);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 3);
  ASSERT_EQ(image->height, 2);
  EXPECT_EQ(Rgba(*image, 0, 0), 0x0000FFFFu);  // first row in the file is the top one
  EXPECT_EQ(Rgba(*image, 1, 0), 0x00FF00FFu);
  EXPECT_EQ(Rgba(*image, 0, 1), 0x00FF00FFu);
  bmp.pop_back();
  EXPECT_FALSE(DecodeBmp(bmp));
}

TEST(ImageLoadTest, FilesByExtensionOrContentLeaveNoCopyBehind) {
  const std::string png = EncodePng(test::Halves(40, 10, 0xFF0000FF, 0x0000FFFF));
  struct Case {
    const char* file;
    std::string content;
    bool loads;
  } cases[] = {
      {"x.dis", png, true},
      {"x.PNG", png, true},
      {"x.b.dis", png, true},    // copied as x.png
      {"x.jpg", png, false},     // the extension decides
      {"x.dis", "garbage", false},
      {"x", png, true},          // no extension: by content
  };
  for (const Case& c : cases) {
    const test::TempFolder folder;
    const std::string file = folder.File(c.file);
    test::WriteFile(file, c.content);
    TImageDB image;
    EXPECT_EQ(image.LoadFromFileDis(file), c.loads) << c.file;
    EXPECT_EQ(image.tipo(), c.loads ? imdbPNG : imdbNone) << c.file;
    EXPECT_EQ(image.PictureWidth(), c.loads ? 40 : 0) << c.file;
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{c.file}) << c.file;
  }
}

TEST(ImageLoadTest, AFileOfTheCopysNameIsLeftAlone) {
  const test::TempFolder folder;
  const std::string png = EncodePng(RgbaImage(7, 5));
  test::WriteFile(folder.File("x.dis"), png);
  test::WriteFile(folder.File("x.png"), "someone else's");
  TImageDB image;
  EXPECT_TRUE(image.LoadFromFileDis(folder.File("x.dis")));
  EXPECT_EQ(image.PictureWidth(), 7);
  EXPECT_EQ(test::ReadFile(folder.File("x.png")), "someone else's");
}

TEST(ImageLoadTest, MissingFileFailsAndClears) {
  const test::TempFolder folder;
  TImageDB image(0, 0, 10, 10);
  ASSERT_TRUE(image.LoadFromField(EncodePng(RgbaImage(20, 20))));
  EXPECT_FALSE(image.CaricaFileNoStretch(folder.File("none.png")));
  EXPECT_FALSE(image.Loaded());
}

TEST(ImageLoadTest, FittingKeepsProportionsAndCentres) {
  struct Case {
    int pictureWidth, pictureHeight;
    int left, top, width, height;
  } cases[] = {
      {400, 100, 10, 32, 100, 25},  // scale 1/4 by the width
      {30, 60, 47, 20, 25, 50},     // scale 5/6 by the height, 25 rounded from 24.99
      {10, 5, 10, 20, 100, 50},     // enlarged to fill
  };
  for (const Case& c : cases) {
    TImageDB image(10, 20, 100, 50);
    ASSERT_TRUE(image.CaricaNoStretch(EncodePng(RgbaImage(c.pictureWidth, c.pictureHeight))));
    EXPECT_EQ(image.Left, c.left) << c.pictureWidth << "x" << c.pictureHeight;
    EXPECT_EQ(image.Top, c.top) << c.pictureWidth << "x" << c.pictureHeight;
    EXPECT_EQ(image.Width, c.width) << c.pictureWidth << "x" << c.pictureHeight;
    EXPECT_EQ(image.Height, c.height) << c.pictureWidth << "x" << c.pictureHeight;
    EXPECT_EQ(image.OrigWidth, 100);
  }
  TImageDB image(10, 20, 100, 50);
  EXPECT_FALSE(image.CaricaNoStretch(std::nullopt));
  EXPECT_EQ(image.Width, 100);
}

// Every prefix of a valid picture, and random corruptions of it: loading reports failure or
// succeeds, rendering what loaded never misbehaves (run under the address sanitizer).
TEST(ImageLoadTest, TruncatedAndCorruptPicturesFailQuietly) {
  std::mt19937 random(12345);
  for (const Sample& s : Samples()) {
    TImageDB image;
    for (std::size_t length = 64; length < s.bytes.size(); ++length) {
      const bool loaded = image.LoadFromField(s.bytes.substr(0, length));
      // A PNG cut inside its closing chunk may still hold the whole image.
      if (s.kind != imdbPNG) {
        EXPECT_FALSE(loaded) << s.name << " cut at " << length;
      }
      if (!loaded) {
        EXPECT_EQ(image.tipo(), imdbNone);
      }
    }
    EXPECT_FALSE(image.LoadFromField(s.bytes.substr(0, s.bytes.size() / 2))) << s.name;
    for (int round = 0; round < 300; ++round) {
      std::string bytes = s.bytes;
      for (int k = 0; k < 4; ++k) bytes[random() % bytes.size()] = static_cast<char>(random());
      RgbaImage bitmap;
      if (image.LoadFromField(bytes)) {
        EXPECT_TRUE(image.GetBitmapBmp(23, 37, bitmap));
      }
    }
  }
  TImageDB image;
  std::string garbage(500, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  for (const std::string& signature : {"\xFF\xD8\xFF\xE0\x00\x10JFIF"s, "BM"s, "\xD7\xCD\xC6\x9A"s, "\x89PNG\r\n\x1A\n"s}) {
    EXPECT_FALSE(image.LoadFromField(signature + garbage)) << signature;
  }
}

}  // namespace
}  // namespace rovan
