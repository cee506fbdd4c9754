#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/platform/temp_folder.h"
#include "tests/ui/picture_fixtures.h"
#include "ui/ImageDB.h"
#include "ui/bmp_codec.h"
#include "ui/jpeg_codec.h"
#include "ui/png_codec.h"

namespace rovan {
namespace {

using test::Rgba;

constexpr std::uint32_t kRed = 0xFF0000FF, kWhite = 0xFFFFFFFF, kGreen = 0x00FF00FF, kClear = 0x00000000;

RgbaImage Rendered(TImageDB& image, int H, int W) {
  RgbaImage bitmap;
  EXPECT_TRUE(image.GetBitmapBmp(H, W, bitmap));
  return bitmap;
}

TEST(ImageRenderTest, WidePictureFillsTheWidthCentredVertically) {
  TImageDB image;
  ASSERT_TRUE(image.LoadFromField(EncodePng(RgbaImage(400, 100, kRed))));
  const RgbaImage bitmap = Rendered(image, 100, 100);
  ASSERT_EQ(bitmap.width, 100);
  ASSERT_EQ(bitmap.height, 100);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      ASSERT_EQ(Rgba(bitmap, x, y), y >= 37 && y <= 61 ? kRed : kWhite) << x << "," << y;
    }
  }
}

TEST(ImageRenderTest, TallPictureFillsTheHeightCentredHorizontally) {
  TImageDB image;
  ASSERT_TRUE(image.LoadFromField(EncodeBmp(RgbaImage(100, 400, kRed))));
  const RgbaImage bitmap = Rendered(image, 100, 100);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      ASSERT_EQ(Rgba(bitmap, x, y), x >= 37 && x <= 61 ? kRed : kWhite) << x << "," << y;
    }
  }
}

// Each target pixel averages the source pixels it covers: a one-pixel checker board turns grey.
TEST(ImageRenderTest, DownscalingAveragesTheCoveredArea) {
  RgbaImage checker(64, 64, 0x000000FF);
  for (int y = 0; y < 64; ++y) {
    for (int x = (y % 2); x < 64; x += 2) checker.Pixel(x, y)[0] = checker.Pixel(x, y)[1] = checker.Pixel(x, y)[2] = 255;
  }
  TImageDB image;
  ASSERT_TRUE(image.LoadFromField(EncodePng(checker)));
  const RgbaImage bitmap = Rendered(image, 16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) ASSERT_NEAR(bitmap.Pixel(x, y)[0], 128, 1) << x << "," << y;
  }
}

TEST(ImageRenderTest, PngKeepsItsTransparencyOtherRenderingsAreOpaque) {
  TImageDB image;
  ASSERT_TRUE(image.LoadFromField(EncodePng(test::Halves(40, 20, kClear, kGreen))));
  std::string stream = "prefix";
  ASSERT_TRUE(image.GetPngStream(40, 40, stream));
  ASSERT_EQ(stream.substr(0, 6), "prefix");  // appended
  const std::optional<RgbaImage> png = DecodePng(std::string_view(stream).substr(6));
  ASSERT_TRUE(png);
  EXPECT_EQ(Rgba(*png, 5, 5), kWhite);    // outside the drawn rectangle
  EXPECT_EQ(Rgba(*png, 5, 15), kClear);   // the picture's transparent half
  EXPECT_EQ(Rgba(*png, 35, 15), kGreen);
  EXPECT_EQ(Rgba(Rendered(image, 40, 40), 5, 15), kWhite);  // the bitmap blends over white

  TImageDB jpeg;
  ASSERT_TRUE(jpeg.LoadFromField(EncodeJpeg(test::Halves(40, 20, kClear, kGreen), 90)));
  std::string opaque;
  ASSERT_TRUE(jpeg.GetPngStream(40, 40, opaque));
  EXPECT_EQ(DecodePng(opaque)->Pixel(5, 15)[3], 255);
}

// A large JPEG drawn small decodes at a reduced DCT scale, drawn large at full scale; both show it.
TEST(ImageRenderTest, JpegAtEveryScaleShowsThePicture) {
  TImageDB image;
  ASSERT_TRUE(image.LoadFromField(EncodeJpeg(test::Halves(800, 600, kRed, 0x0000FFFF), 95)));
  for (int width : {40, 100, 300, 800, 1000}) {
    const RgbaImage bitmap = Rendered(image, width * 3 / 4, width);
    const int y = width * 3 / 8;
    EXPECT_NEAR(bitmap.Pixel(width / 4, y)[0], 255, 8) << width;
    EXPECT_NEAR(bitmap.Pixel(width / 4, y)[2], 0, 8) << width;
    EXPECT_NEAR(bitmap.Pixel(width * 3 / 4, y)[0], 0, 8) << width;
    EXPECT_NEAR(bitmap.Pixel(width * 3 / 4, y)[2], 255, 8) << width;
  }
}

TEST(ImageRenderTest, NothingLoadedOrNoAreaRendersNothing) {
  TImageDB image;
  std::string stream;
  RgbaImage bitmap;
  EXPECT_FALSE(image.GetBitmapBmp(10, 10, bitmap));
  EXPECT_FALSE(image.GetPngStream(10, 10, stream));
  EXPECT_FALSE(image.GetStream(0, 10, stream, 10));
  EXPECT_TRUE(stream.empty());
  ASSERT_TRUE(image.LoadFromField(EncodePng(RgbaImage(20, 10))));
  EXPECT_FALSE(image.GetBitmapBmp(0, 10, bitmap));
  EXPECT_FALSE(image.GetBitmapBmpStream(10, 0, stream));
  EXPECT_TRUE(stream.empty());
  EXPECT_EQ(bitmap.width, 0);
}

TEST(ImageRenderTest, StreamKinds) {
  const std::string original = EncodeJpeg(RgbaImage(30, 20, kRed), 90);
  TImageDB image;
  ASSERT_TRUE(image.LoadFromField(original));
  std::string own, bmp, png, other = "kept";
  ASSERT_TRUE(image.GetStream(0, 8, own, 12));
  EXPECT_EQ(own, original);
  ASSERT_TRUE(image.GetStream(1, 8, bmp, 12));
  const std::optional<RgbaImage> fromBmp = DecodeBmp(bmp);
  ASSERT_TRUE(fromBmp);
  EXPECT_EQ(fromBmp->width, 12);
  EXPECT_EQ(fromBmp->height, 8);
  ASSERT_TRUE(image.GetStream(2, 8, png, 12));
  const std::optional<RgbaImage> fromPng = DecodePng(png);
  ASSERT_TRUE(fromPng);
  EXPECT_EQ(fromPng->width, 12);
  EXPECT_EQ(fromPng->height, 8);
  EXPECT_FALSE(image.GetStream(3, 8, other, 12));
  EXPECT_EQ(other, "kept");
}

TEST(ImageRenderTest, BitmapFileFormatFollowsTheExtensionAndReplacesAnOlderFile) {
  const test::TempFolder folder;
  TImageDB image;
  ASSERT_TRUE(image.LoadFromField(EncodePng(RgbaImage(30, 20, kRed))));
  struct Case {
    const char* file;
    TTypeImageDB kind;
  } cases[] = {{"out.png", imdbPNG}, {"out.JPG", imdbJPEG}, {"out.bmp", imdbBMP}, {"out.tmp", imdbBMP}};
  for (const Case& c : cases) {
    const std::string file = folder.File(c.file);
    test::WriteFile(file, "older");
    ASSERT_TRUE(image.GetBitmap(20, 30, file)) << c.file;
    EXPECT_EQ(DetectImageType(test::ReadFile(file)), c.kind) << c.file;
  }
  TImageDB empty;
  test::WriteFile(folder.File("gone.png"), "older");
  EXPECT_FALSE(empty.GetBitmap(20, 30, folder.File("gone.png")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("gone.png")));
}

}  // namespace
}  // namespace rovan
