#include "ui/rgba_image.h"

namespace rovan {

RgbaImage::RgbaImage(int w, int h, std::uint32_t rgba) : width(w), height(h) {
  const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  pixels.resize(count * 4);
  const std::uint8_t colour[4] = {static_cast<std::uint8_t>(rgba >> 24), static_cast<std::uint8_t>(rgba >> 16),
                                  static_cast<std::uint8_t>(rgba >> 8), static_cast<std::uint8_t>(rgba)};
  for (std::size_t i = 0; i < count; ++i) {
    for (int c = 0; c < 4; ++c) pixels[i * 4 + static_cast<std::size_t>(c)] = colour[c];
  }
}

void FlattenOnWhite(RgbaImage& image) {
  for (std::size_t i = 0; i < image.pixels.size(); i += 4) {
    const unsigned alpha = image.pixels[i + 3];
    for (std::size_t c = 0; c < 3; ++c) {
      image.pixels[i + c] = static_cast<std::uint8_t>((image.pixels[i + c] * alpha + 255 * (255 - alpha) + 127) / 255);
    }
    image.pixels[i + 3] = 255;
  }
}

}  // namespace rovan
