// The raster image every picture renders into: 8-bit RGBA, rows top to bottom, colour not
// premultiplied by alpha.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rovan {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 4 bytes

  RgbaImage() = default;
  // An image of the given size filled with one colour (0xRRGGBBAA).
  RgbaImage(int w, int h, std::uint32_t rgba = 0xFFFFFFFFu);

  std::uint8_t* Pixel(int x, int y) { return pixels.data() + Offset(x, y); }
  const std::uint8_t* Pixel(int x, int y) const { return pixels.data() + Offset(x, y); }

 private:
  std::size_t Offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
  }
};

// A rectangle of pixels: left, top, width, height.
struct PixelRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// Blends every pixel over opaque white, leaving an opaque image (what a bitmap without alpha shows).
void FlattenOnWhite(RgbaImage& image);

}  // namespace rovan
