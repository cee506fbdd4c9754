#include "ui/png_codec.h"

#include <png.h>

#include <cstring>

namespace rovan {
namespace {

constexpr png_uint_32 kMaxSide = 1u << 15;  // larger images are refused rather than allocated

// libpng's simplified interface keeps its own png_struct and jumps out of it on errors internally; the
// guard frees what it holds on every path.
class PngImage {
 public:
  PngImage() {
    std::memset(&image_, 0, sizeof image_);
    image_.version = PNG_IMAGE_VERSION;
  }
  ~PngImage() { png_image_free(&image_); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  png_image* get() { return &image_; }

 private:
  png_image image_;
};

}  // namespace

std::optional<RgbaImage> DecodePng(std::string_view bytes) {
  PngImage png;
  if (!png_image_begin_read_from_memory(png.get(), bytes.data(), bytes.size())) return std::nullopt;
  png.get()->format = PNG_FORMAT_RGBA;
  if (png.get()->width == 0 || png.get()->height == 0 || png.get()->width > kMaxSide ||
      png.get()->height > kMaxSide) {
    return std::nullopt;
  }
  RgbaImage image(static_cast<int>(png.get()->width), static_cast<int>(png.get()->height), 0);
  if (!png_image_finish_read(png.get(), nullptr, image.pixels.data(), 0, nullptr)) return std::nullopt;
  return image;
}

std::string EncodePng(const RgbaImage& image) {
  PngImage png;
  png.get()->width = static_cast<png_uint_32>(image.width);
  png.get()->height = static_cast<png_uint_32>(image.height);
  png.get()->format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(*png.get(), size, 0, image.pixels.data(), 0, nullptr)) return {};
  std::string out(size, '\0');
  if (!png_image_write_to_memory(png.get(), out.data(), &size, 0, image.pixels.data(), 0, nullptr)) return {};
  out.resize(size);
  return out;
}

}  // namespace rovan
