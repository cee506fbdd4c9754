// Metafiles drawn by our players, checked on the pixels.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/picture_fixtures.h"
#include "ui/ImageDB.h"

namespace rovan {
namespace {

using test::Rgba;

constexpr std::uint32_t kRed = 0xFF0000FF, kBlue = 0x0000FFFF, kBlack = 0x000000FF, kWhite = 0xFFFFFFFF;

RgbaImage Rendered(const std::string& metafile, int H, int W) {
  TImageDB image;
  RgbaImage bitmap;
  EXPECT_TRUE(image.LoadFromField(metafile));
  EXPECT_EQ(image.tipo(), imdbMetafile);
  EXPECT_TRUE(image.GetBitmapBmp(H, W, bitmap));
  return bitmap;
}

// Window 0..200 x 0..100 drawn at 100 x 50: a blue rectangle over the left half with the default
// black pen, a red ellipse with no outline in the right half.
TEST(MetafileRenderTest, WindowsMetafileShapesPensAndBrushes) {
  const std::string wmf = test::WmfBuilder(0, 0, 200, 100, 192)
                              .Record(0x02FC, {0, 0x0000, 0x00FF, 0})  // brush 0: blue
                              .Record(0x02FC, {0, 0x00FF, 0x0000, 0})  // brush 1: red
                              .Record(0x02FA, {5, 0, 0, 0, 0})        // pen 2: null
                              .Record(0x012D, {0})
                              .Record(0x041B, {100, 100, 0, 0})  // rectangle
                              .Record(0x012D, {1})
                              .Record(0x012D, {2})
                              .Record(0x0418, {100, 200, 0, 100})  // ellipse
                              .Bytes();
  const RgbaImage bitmap = Rendered(wmf, 50, 100);
  EXPECT_EQ(Rgba(bitmap, 25, 25), kBlue);
  EXPECT_EQ(Rgba(bitmap, 0, 25), kBlack);  // the outline
  EXPECT_EQ(Rgba(bitmap, 75, 25), kRed);   // the ellipse's centre
  EXPECT_EQ(Rgba(bitmap, 52, 1), kWhite);  // outside the ellipse, near its box corner
  EXPECT_EQ(Rgba(bitmap, 99, 49), kWhite);
}

// Frame 96 x 48 pixels drawn at 192 x 96: a red rectangle 0..48, a thick blue polyline, and a square
// with a hole by the alternate fill rule.
TEST(MetafileRenderTest, EnhancedMetafileShapesScaleWithTheFrame) {
  const std::string emf = test::EmfBuilder(96, 48)
                              .Record(39, {1, 0, 0x0000FF, 0})   // brush 1: red
                              .Record(38, {2, 0, 4, 0, 0xFF0000})  // pen 2: 4 units, blue
                              .Record(37, {1})
                              .Record(37, {0x80000008})  // stock null pen
                              .Record(43, {0, 0, 48, 48})
                              .Record(37, {2})
                              .Record(4, {0, 0, 0, 0, 2, 60, 10, 90, 10})  // polyline
                              .Record(37, {0x80000008})
                              .Record(8, {0, 0, 0, 0, 2, 8, 4, 4, 60, 20, 80, 20, 80, 40, 60, 40, 65, 25, 75, 25, 75, 35, 65, 35})
                              .Bytes();
  const RgbaImage bitmap = Rendered(emf, 96, 192);
  EXPECT_EQ(Rgba(bitmap, 40, 40), kRed);
  EXPECT_EQ(Rgba(bitmap, 100, 40), kWhite);
  EXPECT_EQ(Rgba(bitmap, 150, 17), kBlue);   // 8 pixels wide at twice the size: rows 16..23
  EXPECT_EQ(Rgba(bitmap, 150, 24), kWhite);
  EXPECT_EQ(Rgba(bitmap, 124, 44), kRed);    // the square's ring
  EXPECT_EQ(Rgba(bitmap, 140, 60), kWhite);  // its hole
}

}  // namespace
}  // namespace rovan
