// JPEG pictures keep their compressed bytes and decode at drawing time at the smallest DCT scale that
// still covers the drawn size: a thumbnail of a large photograph then decodes an eighth of it.
#include <optional>
#include <string>
#include <utility>

#include "ui/image_resample.h"
#include "ui/jpeg_codec.h"
#include "ui/picture.h"

namespace rovan {
namespace {

class JpegPicture : public Picture {
 public:
  JpegPicture(std::string_view bytes, JpegDecoded smallest)
      : bytes_(bytes), width_(smallest.width), height_(smallest.height), scale_(1), decoded_(std::move(smallest.image)) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }

  void Draw(RgbaImage& target, const PixelRect& rect) override {
    const int scale = JpegScaleFor(width_, height_, rect.w, rect.h);
    if (scale != scale_) {
      std::optional<JpegDecoded> decoded = DecodeJpeg(bytes_, scale);
      if (!decoded) return;  // decoded once already at load; a failure here would be memory
      decoded_ = std::move(decoded->image);
      scale_ = scale;
    }
    DrawScaled(decoded_, target, rect);
  }

 private:
  std::string bytes_;
  int width_;
  int height_;
  int scale_;          // eighths of the size decoded_ holds
  RgbaImage decoded_;  // the last decode, reused while the drawn size needs no other scale
};

}  // namespace

// The whole stream is decoded once, at the cheapest scale, so that a truncated or corrupt picture
// fails here rather than drawing grey; that decode also serves small thumbnails.
std::unique_ptr<Picture> LoadJpegPicture(std::string_view bytes) {
  std::optional<JpegDecoded> decoded = DecodeJpeg(bytes, 1);
  if (!decoded) return nullptr;
  return std::make_unique<JpegPicture>(bytes, std::move(*decoded));
}

}  // namespace rovan
